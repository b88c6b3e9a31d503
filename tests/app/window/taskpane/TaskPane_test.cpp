// The task pane's headless rules: page status, the stack's layout, what the
// slot shows, pages opened and closed by their commands, the Copy text.
#include "app/samples/JpegWriter.h"
#include "app/window/frame/CommandIds.h"
#include "app/window/taskpane/SelectionStatus.h"
#include "app/window/taskpane/TaskItems.h"
#include "app/window/taskpane/TaskPageModes.h"
#include "app/window/taskpane/TaskPaneLayout.h"
#include "app/window/taskpane/TaskSlot.h"
#include "app/window/taskpane/TransformPages.h"
#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/BuiltInFormats.h"
#include "support/TempDir.h"

#include <QImage>
#include <gtest/gtest.h>

namespace vistello {
namespace {

TEST(TaskPageStatus, CountsAndKilobytes)
{
    struct Case {
        int count;
        QSize size;
        int64_t bytes;
        const char* expected;
    };
    const Case cases[] = {
        {0, {}, 0, "No picture selected"},
        {2, {}, 0, "2 pictures selected"},
        {137, {}, 0, "137 pictures selected"},
        {1, {4000, 3000}, 5242879, "One picture selected (4000x3000, 5120 KB)"},
        {1, {4000, 3000}, 5242880, "One picture selected (4000x3000, 5121 KB)"},
        {1, {640, 480}, 1023, "One picture selected (640x480, 1 KB)"},
        {1, {640, 480}, 1024, "One picture selected (640x480, 2 KB)"},
        {1, {0, 0}, 0, "One picture selected (0x0, 0 KB)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(selectionStatusText(c.count, c.size, c.bytes), QString::fromLatin1(c.expected)) << c.expected;
}

TEST(TaskPageStatus, OnePictureReadThroughItsFormat)
{
    registerBuiltInFormats(PictureFileTypes::instance(), false, nullptr);
    test::TempDir dir;
    QImage image(4000, 3000, QImage::Format_RGB888);
    image.fill(Qt::darkCyan);
    QByteArray jpeg = samples::JpegWriter::encode(image);
    ASSERT_FALSE(jpeg.isEmpty());
    ASSERT_LT(jpeg.size(), 5242879);
    jpeg.append(QByteArray(5242879 - jpeg.size(), '\0')); // padding after the picture's end
    const QString path = dir.write(QStringLiteral("big.jpg"), jpeg);
    EXPECT_EQ(selectionStatus({path}), QStringLiteral("One picture selected (4000x3000, 5120 KB)"));
    EXPECT_EQ(selectionStatus({path, path}), QStringLiteral("2 pictures selected"));
    EXPECT_EQ(selectionStatus({}), QStringLiteral("No picture selected"));
}

TEST(TaskPaneLayout, RowsStackFromTheOffsetAndCollapse)
{
    TaskPaneRows rows;
    rows.heading = 20;
    rows.taskList = 300;
    rows.sections = {TaskSectionRows{18, 90, true}, TaskSectionRows{18, 60, false}, TaskSectionRows{18, 0, true}};
    rows.slot = 120;
    const TaskPaneGeometry g = layoutTaskPane(rows, {200, 400}, -50);
    EXPECT_EQ(g.stackHeight, 20 + 300 + 18 + 90 + 18 + 18 + 120);
    EXPECT_EQ(g.scrollOffset, -50);
    EXPECT_EQ(g.heading, QRect(0, -50, 200, 20));
    EXPECT_EQ(g.taskList, QRect(0, -30, 200, 300));
    EXPECT_EQ(g.sectionHeaders[1].top(), -30 + 300 + 18 + 90);
    EXPECT_EQ(g.sectionContents[1].height(), 0); // closed
    EXPECT_EQ(g.slot.top(), -30 + 300 + 18 + 90 + 18 + 18);

    // With a page in the slot the task list takes no room, and the offset
    // grows back toward 0 by the free height, never above it.
    rows.pageShown = true;
    const TaskPaneGeometry page = layoutTaskPane(rows, {200, 400}, -50);
    EXPECT_EQ(page.taskList.height(), 0);
    EXPECT_EQ(page.scrollOffset, 0);
    EXPECT_EQ(page.heading.top(), 0);
    rows.pageShown = false;
    EXPECT_EQ(layoutTaskPane(rows, {200, 400}, -500).scrollOffset, 400 - g.stackHeight);
}

TEST(TaskPaneSlot, PageOverStepsOverJobsOverInfo)
{
    TaskSlot slot;
    EXPECT_EQ(slot.content(), SlotContent::Info);
    slot.setJobsRunning(true);
    EXPECT_EQ(slot.content(), SlotContent::Jobs);
    slot.setSteps(QStringLiteral("Step 1:"), QString());
    EXPECT_EQ(slot.content(), SlotContent::Steps);
    slot.showPage(taskpage::RotateRight);
    EXPECT_EQ(slot.content(), SlotContent::Page);
    slot.showPage(taskpage::None);
    slot.setSteps({}, {});
    slot.setJobsRunning(false);
    EXPECT_EQ(slot.content(), SlotContent::Info);
    EXPECT_EQ(slotContentName(SlotContent::Jobs), QStringLiteral("jobs"));
}

TEST(TaskPageModes, TheSameCommandClosesItsPage)
{
    using namespace taskpage;
    EXPECT_EQ(modeAfterCommand(None, command::RotateRight), RotateRight);
    EXPECT_EQ(modeAfterCommand(RotateRight, command::RotateRight), None);
    EXPECT_EQ(modeAfterCommand(RotateRight, command::RotateLeft), RotateLeft);
    EXPECT_EQ(modeAfterCommand(CopyPictures, command::CopyPictures), None);
    EXPECT_EQ(modeAfterCommand(None, command::SetWallpaper), Wallpaper);
    EXPECT_EQ(modeAfterCommand(None, command::Greyscale), Greyscale);
    EXPECT_EQ(modeAfterCommand(Greyscale, command::DeletePictures), None);
}

TEST(TransformPages, ModesAskTheEngineForTheirOperation)
{
    const TransformChoices choices{false, true, false};
    const PictureTransformOptions right = transformOptionsFor(taskpage::RotateRight, choices);
    EXPECT_EQ(right.request.op, TransformOp::Rotate90);
    EXPECT_FALSE(right.request.adjustThumbnails);
    EXPECT_TRUE(right.makeCopy);
    EXPECT_FALSE(right.copyOriginal);
    EXPECT_EQ(transformOptionsFor(taskpage::RotateLeft, {}).request.op, TransformOp::Rotate270);
    EXPECT_EQ(transformOptionsFor(taskpage::MirrorVertical, {}).request.op, TransformOp::FlipH);
    EXPECT_TRUE(transformOptionsFor(taskpage::AutoRotate, {}).autoRotate);
    EXPECT_TRUE(transformOptionsFor(taskpage::Greyscale, {}).request.forceGray);
    EXPECT_EQ(transformPageTitle(taskpage::MirrorVertical), QStringLiteral("Mirror vertical"));
    EXPECT_FALSE(isTransformPage(taskpage::CopyPictures));
}

TEST(TaskInfoCopy, TitleThenTextWithWindowsLineEnds)
{
    EXPECT_EQ(taskInfoClipboardText(QStringLiteral("a.jpg"), QStringLiteral("Size:\t1x1\nDate:\tx\r\nEnd\r")),
              QStringLiteral("a.jpg\r\nSize:\t1x1\r\nDate:\tx\r\nEnd\r\n\r\n"));
    EXPECT_TRUE(taskInfoClipboardText(QString(), QStringLiteral("text")).isEmpty());
}

TEST(TaskItems, SeventeenInOrderEachByItsCommandsRule)
{
    ASSERT_EQ(taskItems().size(), 17u);
    EXPECT_EQ(QString::fromUtf16(taskItems().front().text), QStringLiteral("Execute action for marked pictures (F8)"));
    EXPECT_EQ(taskItems()[14].icon, 15);
    const CommandContext some{3};
    const CommandContext none{0};
    const TaskItem* copy = findTaskItem(taskItems(), QStringLiteral("Copy pictures"));
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(taskItemEnabled(*copy, some));
    EXPECT_FALSE(taskItemEnabled(*copy, none));
    const TaskItem* redEye = findTaskItem(taskItems(), QStringLiteral("Remove red eyes"));
    ASSERT_NE(redEye, nullptr);
    EXPECT_TRUE(taskItemEnabled(*redEye, some));
    EXPECT_FALSE(taskItemEnabled(*redEye, none));
    EXPECT_TRUE(taskItemEnabled(taskItems().front(), none)); // the action list: always
    EXPECT_TRUE(taskItemEnabled(*findTaskItem(taskItems(), QStringLiteral("Information")), none));
    EXPECT_EQ(findTaskItem(taskItems(), QStringLiteral("Nothing like this")), nullptr);
}

TEST(TaskItems, SplitPanoramaUnderAdvancedTasksOpensItsPageWithPictures)
{
    const TaskItem* item = findTaskItem(advancedTaskItems(), QStringLiteral("Split panorama"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->command, command::SplitPanorama);
    EXPECT_EQ(item->icon, 26);
    EXPECT_TRUE(command::isKnown(command::SplitPanorama));
    EXPECT_TRUE(taskItemEnabled(*item, CommandContext{1}));
    EXPECT_FALSE(taskItemEnabled(*item, CommandContext{0}));
    EXPECT_EQ(taskpage::modeForCommand(command::SplitPanorama), taskpage::SplitPanorama);
    // The same command closes the open page.
    EXPECT_EQ(taskpage::modeAfterCommand(taskpage::SplitPanorama, command::SplitPanorama), 0);
}

} // namespace
} // namespace vistello
