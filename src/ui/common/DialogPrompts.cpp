#include "ui/common/DialogPrompts.h"

#include "core/prompts/FileDialogFilter.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QFileDialog>
#include <QMessageBox>

namespace vistello {

namespace {

QMessageBox::StandardButton buttonOf(PromptAnswer answer)
{
    switch (answer) {
    case PromptAnswer::Yes: return QMessageBox::Yes;
    case PromptAnswer::No: return QMessageBox::No;
    case PromptAnswer::Ok: return QMessageBox::Ok;
    case PromptAnswer::Cancel: return QMessageBox::Cancel;
    }
    return QMessageBox::Cancel;
}

QMessageBox::StandardButtons buttonsOf(PromptButtons buttons)
{
    switch (buttons) {
    case PromptButtons::Ok: return QMessageBox::Ok;
    case PromptButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case PromptButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case PromptButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

PromptAnswer answerOf(int button)
{
    switch (button) {
    case QMessageBox::Yes: return PromptAnswer::Yes;
    case QMessageBox::No: return PromptAnswer::No;
    case QMessageBox::Ok: return PromptAnswer::Ok;
    default: return PromptAnswer::Cancel;
    }
}

QString chooseFile(QWidget* parent, const FileChoice& choice, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, choice.title, choice.proposedPath);
    dialog.setNameFilters(dialogNameFilters(choice.filter));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(choice.defaultExtension);
    if (!choice.proposedPath.isEmpty())
        dialog.selectFile(choice.proposedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

// Tool tips are shown as written: escaped, and as a paragraph so long ones wrap.
QString plainToolTip(const QString& text)
{
    return text.isEmpty() ? QString() : QStringLiteral("<p>%1</p>").arg(text.toHtmlEscaped());
}

// A check box label as written: "&" is no mnemonic.
QString plainLabel(const QString& text)
{
    return QString(text).replace(QLatin1Char('&'), QLatin1String("&&"));
}

// The message box holds one check box; a question with several gets a
// dialog of its own: the text, the boxes in their order, the buttons.
PromptReply askWithCheckBoxes(QWidget* parent, const PromptQuestion& question)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(question.title);
    auto* layout = new QVBoxLayout(&dialog);
    auto* text = new QLabel(question.text, &dialog);
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    layout->addWidget(text);
    QList<QCheckBox*> boxes;
    for (const PromptCheckBox& c : question.checkBoxes) {
        auto* box = new QCheckBox(plainLabel(c.text), &dialog);
        box->setToolTip(plainToolTip(c.toolTip));
        box->setChecked(c.checked);
        layout->addWidget(box);
        boxes.append(box);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::StandardButtons(int(buttonsOf(question.buttons))), &dialog);
    if (QPushButton* preferred = buttons->button(QDialogButtonBox::StandardButton(int(buttonOf(question.defaultAnswer)))))
        preferred->setDefault(true);
    if (QPushButton* yes = buttons->button(QDialogButtonBox::Yes); yes && !question.yesEnabled)
        yes->setEnabled(false);
    layout->addWidget(buttons);
    int pressed = QMessageBox::Cancel;
    QObject::connect(buttons, &QDialogButtonBox::clicked, &dialog, [&](QAbstractButton* button) {
        pressed = int(buttons->standardButton(button));
        dialog.accept();
    });
    dialog.exec(); // closing the window counts as Cancel
    PromptReply reply{answerOf(pressed), false, {}};
    for (const QCheckBox* box : boxes)
        reply.checkBoxStates.append(box->isChecked());
    return reply;
}

} // namespace

PromptReply DialogPrompts::ask(const PromptQuestion& question)
{
    if (!question.checkBoxes.isEmpty())
        return askWithCheckBoxes(parent_, question);
    QMessageBox box(QMessageBox::Question, question.title, question.text, buttonsOf(question.buttons), parent_);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(buttonOf(question.defaultAnswer));
    if (QAbstractButton* yes = box.button(QMessageBox::Yes); yes && !question.yesEnabled)
        yes->setEnabled(false);
    QCheckBox* check = nullptr;
    if (!question.checkBoxText.isEmpty()) {
        check = new QCheckBox(question.checkBoxText, &box);
        box.setCheckBox(check);
    }
    const int button = box.exec();
    return {answerOf(button), check && check->isChecked(), {}};
}

void DialogPrompts::inform(const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QString DialogPrompts::chooseSaveFile(const FileChoice& choice)
{
    return chooseFile(parent_, choice, QFileDialog::AcceptSave);
}

QString DialogPrompts::chooseOpenFile(const FileChoice& choice)
{
    return chooseFile(parent_, choice, QFileDialog::AcceptOpen);
}

} // namespace vistello
