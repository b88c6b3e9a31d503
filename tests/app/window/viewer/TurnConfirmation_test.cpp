// The question before the viewer turns the shown picture's file, and what
// each answer does to the file; jpegtran and djpeg judge the turned pixels.
#include "app/window/viewer/TurnConfirmation.h"
#include "app/window/viewer/ViewerButtons.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/settings/SettingsStore.h"
#include "imaging/decode/BuiltInFormats.h"
#include "jpegedit/TransformFixtures.h"
#include "jpegedit/originals/OriginalBackup.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace vistello {
namespace {

using test::TempDir;
using namespace test::transform;

struct TurnFixture : ::testing::Test {
    TurnFixture()
    {
        registerBuiltInFormats(PictureFileTypes::instance(), false, nullptr);
        bytes = encodeLayout(Layout::Yuv420, 80, 48);
        picture = dir.write(QStringLiteral("p.jpg"), bytes);
    }
    QStringList filesThere() const { return QDir(dir.path()).entryList(QDir::Files, QDir::Name); }

    TempDir dir;
    TempDir personal;
    SettingsStore settings{personal.path()};
    ScriptedPrompts prompts;
    QByteArray bytes;
    QString picture;
};

TEST_F(TurnFixture, asksWithTheTwoBoxesAsStored)
{
    settings.set(setting::TransformModifyExifImage, false);
    settings.set(setting::TransformMakeCopy, true);
    prompts.queueAnswer(QStringLiteral("cancel"));
    EXPECT_FALSE(turnPicture(prompts, settings, viewer::RotateRight, picture));

    ASSERT_EQ(prompts.shown().size(), 1);
    EXPECT_TRUE(prompts.shown()[0].contains(QStringLiteral("p.jpg")));
    const QList<PromptCheckBox>& boxes = prompts.shownCheckBoxes();
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_EQ(boxes[0].text, QStringLiteral("Modify thumbnail image"));
    EXPECT_FALSE(boxes[0].checked);
    EXPECT_TRUE(boxes[0].toolTip.startsWith(QStringLiteral("If the thumbnail image overlaps with Makernote")));
    EXPECT_EQ(boxes[1].text, QStringLiteral("Make copy"));
    EXPECT_TRUE(boxes[1].checked);
    EXPECT_TRUE(boxes[1].toolTip.startsWith(QStringLiteral("Click here to save the changed picture as a copy.")));
    EXPECT_EQ(turnQuestion(viewer::AutoRotate, picture, {}).title, QStringLiteral("Auto rotate"));
    EXPECT_EQ(turnQuestion(viewer::RotateLeft, picture, {}).title, QStringLiteral("Rotate left"));
}

TEST_F(TurnFixture, cancelChangesNeitherTheFileNorTheSettings)
{
    settings.set(setting::TransformMakeCopy, false);
    prompts.queueAnswer(QStringLiteral("tick:Make copy"));
    prompts.queueAnswer(QStringLiteral("cancel"));
    EXPECT_FALSE(turnPicture(prompts, settings, viewer::RotateRight, picture));
    EXPECT_EQ(test::readAll(picture), bytes);
    EXPECT_EQ(filesThere(), QStringList{"p.jpg"});
    EXPECT_FALSE(settings.get(setting::TransformMakeCopy));
}

TEST_F(TurnFixture, okWithMakeCopyTurnsACopyAndLeavesThePicture)
{
    SKIP_WITHOUT_TOOL("jpegtran");
    SKIP_WITHOUT_TOOL("djpeg");
    settings.set(setting::TransformMakeCopy, false);
    settings.set(setting::CopyOriginal, true);
    prompts.queueAnswer(QStringLiteral("tick:Make copy"));
    prompts.queueAnswer(QStringLiteral("ok"));
    const auto result = turnPicture(prompts, settings, viewer::RotateRight, picture);
    ASSERT_TRUE(result && result->ok());
    const QString copy = dir.file(QStringLiteral("Copy of p.jpg"));
    EXPECT_EQ(result->writtenPath, copy);
    EXPECT_EQ(test::readAll(picture), bytes);
    EXPECT_FALSE(QFileInfo::exists(originalBackupPath(picture))); // a copy needs no backup
    const QByteArray expected = runJpegtran({"-rotate", "90", "-trim"}, picture);
    ASSERT_FALSE(expected.isEmpty());
    const QByteArray turned = decodeWithDjpeg(copy);
    ASSERT_FALSE(turned.isEmpty());
    EXPECT_TRUE(turned == decodeWithDjpeg(dir.write(QStringLiteral("expected.jpg"), expected)));
    EXPECT_TRUE(settings.get(setting::TransformMakeCopy)); // OK stores the boxes
}

TEST_F(TurnFixture, okWithoutCopyTurnsThePictureAfterItsBackup)
{
    SKIP_WITHOUT_TOOL("jpegtran");
    SKIP_WITHOUT_TOOL("djpeg");
    settings.set(setting::TransformMakeCopy, true);
    settings.set(setting::CopyOriginal, true);
    prompts.queueAnswer(QStringLiteral("untick:Make copy"));
    prompts.queueAnswer(QStringLiteral("ok"));
    const auto result = turnPicture(prompts, settings, viewer::RotateLeft, picture);
    ASSERT_TRUE(result && result->ok());
    EXPECT_EQ(result->writtenPath, picture);
    EXPECT_EQ(test::readAll(originalBackupPath(picture)), bytes);
    const QByteArray expected = runJpegtran({"-rotate", "270", "-trim"}, originalBackupPath(picture));
    EXPECT_TRUE(decodeWithDjpeg(picture) == decodeWithDjpeg(dir.write(QStringLiteral("expected.jpg"), expected)));
    EXPECT_FALSE(settings.get(setting::TransformMakeCopy));
    EXPECT_FALSE(QFileInfo::exists(dir.file(QStringLiteral("Copy of p.jpg"))));
}

TEST_F(TurnFixture, aCopyWhoseTurnFailsIsRemovedAgain)
{
    const QByteArray tinyBytes = encodeLayout(Layout::Yuv420, 8, 8); // smaller than one block row turned
    const QString tiny = dir.write(QStringLiteral("tiny.jpg"), tinyBytes);
    prompts.queueAnswer(QStringLiteral("tick:Make copy"));
    prompts.queueAnswer(QStringLiteral("ok"));
    const auto result = turnPicture(prompts, settings, viewer::RotateLeft, tiny);
    ASSERT_TRUE(result);
    EXPECT_FALSE(result->ok());
    EXPECT_EQ(test::readAll(tiny), tinyBytes);
    EXPECT_EQ(filesThere(), (QStringList{"p.jpg", "tiny.jpg"}));
}

} // namespace
} // namespace vistello
