// Questions with check boxes as the user sees them: texts and tool tips as
// written, the given states, and the states at the answer.
#include "ui/common/DialogPrompts.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace vistello {
namespace {

PromptQuestion twoBoxes()
{
    PromptQuestion question;
    question.title = QStringLiteral("Rotate right");
    question.text = QStringLiteral("Change the picture \"<b>a.jpg</b>\"?");
    question.buttons = PromptButtons::OkCancel;
    question.defaultAnswer = PromptAnswer::Ok;
    question.checkBoxes = {{QStringLiteral("Modify thumbnail image"), QStringLiteral("cropped at the right/bottom <side>"), true},
                           {QStringLiteral("Make copy & more"), QStringLiteral("save as a copy"), false}};
    return question;
}

// Runs ask() while act() handles the dialog once it is shown.
PromptReply askAndAct(const PromptQuestion& question, const std::function<void(QDialog&)>& act)
{
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
    DialogPrompts prompts(nullptr);
    return prompts.ask(question);
}

TEST(DialogPrompts, checkBoxesShowAsGivenAndAnswerTheirStates)
{
    QStringList texts, tips;
    QList<bool> initial;
    QString label;
    const PromptReply reply = askAndAct(twoBoxes(), [&](QDialog& dialog) {
        label = dialog.findChild<QLabel*>()->text();
        const QList<QCheckBox*> boxes = dialog.findChildren<QCheckBox*>();
        for (QCheckBox* box : boxes) {
            texts << box->text();
            tips << box->toolTip();
            initial << box->isChecked();
        }
        boxes[0]->click();
        boxes[1]->click();
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    EXPECT_EQ(label, QStringLiteral("Change the picture \"<b>a.jpg</b>\"?"));
    EXPECT_EQ(texts, (QStringList{"Modify thumbnail image", "Make copy && more"})); // "&" is no shortcut
    EXPECT_TRUE(tips[0].contains(QStringLiteral("&lt;side&gt;"))) << tips[0].toStdString();
    EXPECT_EQ(initial, (QList<bool>{true, false}));
    EXPECT_EQ(reply.answer, PromptAnswer::Ok);
    EXPECT_EQ(reply.checkBoxStates, (QList<bool>{false, true}));
}

TEST(DialogPrompts, closingTheQuestionCancels)
{
    const PromptReply reply = askAndAct(twoBoxes(), [](QDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(reply.answer, PromptAnswer::Cancel);
    EXPECT_EQ(reply.checkBoxStates, (QList<bool>{true, false}));
}

} // namespace
} // namespace vistello
