#include "app/gui/FirstRunDialog.h"
#include "app/gui/PlaceholderMainWindow.h"

#include <QCheckBox>
#include <QImageWriter>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vistello;

namespace {

QString writePicture(const QTemporaryDir& dir, const QString& name, QSize size,
                     QImageIOHandler::Transformations transformation = QImageIOHandler::TransformationNone)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    const QString path = dir.filePath(name);
    QImageWriter writer(path, "jpeg");
    writer.setTransformation(transformation);
    return writer.write(image) ? path : QString();
}

TEST(StartupPlaceholderWindow, ShowsTheGivenPictures)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // Stored 40x20 with the orientation "rotate 90": shown upright as 20x40.
    const QString first = writePicture(dir, QStringLiteral("b.jpg"), {40, 20}, QImageIOHandler::TransformationRotate90);
    const QString second = writePicture(dir, QStringLiteral("a.jpg"), {64, 48});
    ASSERT_FALSE(first.isEmpty());
    ASSERT_FALSE(second.isEmpty());

    FirstPictureList list;
    list.kind = FirstPictureList::Kind::CommandLine;
    list.pictures = {first, second};
    PlaceholderMainWindow window(list, 0xFFFFFF);
    window.show();

    EXPECT_EQ(window.windowTitle(), QStringLiteral("Vistello LE"));
    const auto* caption = window.findChild<QLabel*>(QStringLiteral("listCaption"));
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->text(), QStringLiteral("2 picture(s) from command line"));
    auto* rows = window.findChild<QListWidget*>(QStringLiteral("pictureList"));
    ASSERT_NE(rows, nullptr);
    ASSERT_EQ(rows->count(), 2);
    EXPECT_EQ(rows->item(0)->text(), QStringLiteral("b.jpg"));
    EXPECT_EQ(rows->item(1)->text(), QStringLiteral("a.jpg"));

    EXPECT_EQ(window.currentPicture().size(), QSize(20, 40));
    rows->setCurrentRow(1);
    EXPECT_EQ(window.currentPicture().size(), QSize(64, 48));
    const auto* view = window.findChild<QLabel*>(QStringLiteral("pictureView"));
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(view->pixmap().isNull());
}

TEST(StartupFirstRunDialog, BuildsWithItsTexts)
{
    const DisplayCheckTexts check{QStringLiteral("Problem line"), QStringLiteral("Line one\nLine two")};
    FirstRunDialog dialog(check, {});
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Vistello LE"));

    const auto* shortcuts = dialog.findChild<QCheckBox*>(QStringLiteral("makeShortcuts"));
    ASSERT_NE(shortcuts, nullptr);
    EXPECT_EQ(shortcuts->text(), QStringLiteral("Make shortcut to Vistello LE on your desktop and in the start menu?"));
    EXPECT_TRUE(shortcuts->isChecked());
    EXPECT_TRUE(dialog.makeShortcutsChecked());

    const auto* problems = dialog.findChild<QLabel*>(QStringLiteral("displayProblems"));
    const auto* confirmations = dialog.findChild<QLabel*>(QStringLiteral("displayConfirmations"));
    ASSERT_NE(problems, nullptr);
    ASSERT_NE(confirmations, nullptr);
    EXPECT_EQ(problems->text(), check.problems);
    EXPECT_EQ(confirmations->text(), check.confirmations);
    EXPECT_EQ(confirmations->font().weight(), QFont::Bold);

    // No known display settings: the button is hidden.
    const auto* settings = dialog.findChild<QPushButton*>(QStringLiteral("displaySettings"));
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(settings->text(), QStringLiteral("Settings"));
    EXPECT_FALSE(settings->isVisibleTo(&dialog));

    FirstRunDialog withSettings(check, {QStringLiteral("true")});
    EXPECT_TRUE(withSettings.findChild<QPushButton*>(QStringLiteral("displaySettings"))->isVisibleTo(&withSettings));
}

} // namespace
