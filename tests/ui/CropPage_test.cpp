// The crop page's edits: typing normalises at once, keeps the caret, and
// hands the selection on.
#include "ui/taskpane/CropPage.h"

#include "core/lists/PictureLists.h"
#include "core/prompts/Prompts.h"
#include "core/settings/SettingsStore.h"
#include "ui/taskpane/TaskPageContext.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vistello {
namespace {

void type(QLineEdit* edit, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
    }
}

TEST(CropPageWidget, TypedLeftDistanceStaysAndTheTopSnaps)
{
    QTemporaryDir dir;
    SettingsStore store(dir.path() + QLatin1Char('/'));
    PictureLists lists;
    ScriptedPrompts prompts;
    const TaskPageContext context{store, lists, prompts, {}, {}};
    CropPage page(36, context, nullptr);
    page.start({640, 480, 16, 16}, {false, 1, 1}, {0, 37, 200, 100});
    std::vector<CropSelection> handed;
    QObject::connect(&page, &CropPage::edited, [&](const CropSelection& s, const CropRatio&) { handed.push_back(s); });

    auto* left = page.findChild<QLineEdit*>(QStringLiteral("cropLeft"));
    auto* top = page.findChild<QLineEdit*>(QStringLiteral("cropTop"));
    auto* shortForm = page.findChild<QLineEdit*>(QStringLiteral("cropShortForm"));
    ASSERT_TRUE(left && top && shortForm);
    left->setCursorPosition(1);
    type(left, QStringLiteral("100")); // "0100", normalised keystroke by keystroke
    EXPECT_EQ(left->text(), QStringLiteral("100"));
    EXPECT_EQ(left->cursorPosition(), 3);
    EXPECT_EQ(top->text(), QStringLiteral("32"));
    EXPECT_EQ(shortForm->text(), QStringLiteral("200x100+100+32"));
    ASSERT_FALSE(handed.empty());
    EXPECT_EQ(handed.back(), (CropSelection{100, 32, 200, 100}));
    EXPECT_EQ(page.selection(), (CropSelection{100, 32, 200, 100}));
}

} // namespace
} // namespace vistello
