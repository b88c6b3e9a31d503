#include "app/window/frame/CommandEnabling.h"
#include "app/window/frame/CommandIds.h"
#include "app/window/frame/MainWindowState.h"
#include "app/window/frame/StyleMachine.h"
#include "core/settings/SettingsStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace vistello;
using Row = StyleChange::TabRow;

TEST(WindowStyleMachine, ChangesFollowTheTable)
{
    struct Case {
        uint64_t from, to;
        uint64_t expectedStyle;
        bool hides, remember, restore;
        Row tabRow;
    };
    const Case cases[] = {
        {0x1, 0x8, 0x8, false, false, false, Row::Keep},      // one page, another tab
        {0x1, 0x2, 0x2, true, false, false, Row::Keep},       // overview is a picture style, another page
        {0x1, 0x80, 0x80, true, true, false, Row::CreateOptions},
        {0x80, 0x100, 0x100, true, false, false, Row::Select},
        {0x80, 0x20000, 0x20000, true, false, false, Row::CreateHtml},
        {0x20000, 0x1, 0x1, true, false, true, Row::Destroy},
        {0x10000, 0x400000, 0x400000, true, false, false, Row::Keep},
        {0x8, 0x4, 0x1, false, false, false, Row::Keep},      // bit 2 has no page: the picture page
        {0x8, 0x3, 0x1, false, false, false, Row::Keep},      // two bits
        {0x2, uint64_t(1) << 40, 0x1, true, false, false, Row::Keep},
    };
    for (const Case& c : cases) {
        MainWindowState state;
        state.displayStyle = c.from;
        const StyleChange change = setDisplayStyle(state, c.to);
        SCOPED_TRACE(testing::Message() << std::hex << c.from << " -> " << c.to);
        EXPECT_EQ(state.displayStyle, c.expectedStyle);
        EXPECT_TRUE(change.changed);
        EXPECT_EQ(change.oldPageHides, c.hides);
        EXPECT_EQ(change.rememberFolder, c.remember);
        EXPECT_EQ(change.restoreFolder, c.restore);
        EXPECT_EQ(change.tabRow, c.tabRow);
    }
}

TEST(WindowStyleMachine, RemembersPictureAndMainStyles)
{
    MainWindowState state;
    setDisplayStyle(state, 0x2);
    setDisplayStyle(state, 0x10);
    EXPECT_EQ(state.lastPictureStyle, 0x10u);
    EXPECT_EQ(state.lastMainStyle, 0x2u);
    setDisplayStyle(state, 0x400000);
    EXPECT_EQ(state.lastPictureStyle, 0x10u);
    EXPECT_FALSE(setDisplayStyle(state, 0x400000).changed);
}

TEST(WindowStyleMachine, PageCommandsToggle)
{
    MainWindowState state;
    // F10 twice: picture data and back.
    setDisplayStyle(state, styleForCommand(state, command::PictureData, 0));
    EXPECT_EQ(state.displayStyle, 0x8u);
    setDisplayStyle(state, styleForCommand(state, command::PictureData, 0));
    EXPECT_EQ(state.displayStyle, 0x1u);

    // F1 twice from the overview returns to the overview.
    setDisplayStyle(state, 0x2);
    setDisplayStyle(state, styleForCommand(state, command::Information, 0));
    EXPECT_EQ(state.displayStyle, 0x10000u);
    setDisplayStyle(state, styleForCommand(state, command::Information, 0));
    EXPECT_EQ(state.displayStyle, 0x2u);
    // F2 opens the rename page in the task pane: the central page stays.
    EXPECT_EQ(styleForCommand(state, command::Rename, 0), 0u);

    // F9 opens the options tab used last, a bad one opens "Settings".
    EXPECT_EQ(styleForCommand(state, command::Options, 0x200), 0x200u);
    EXPECT_EQ(styleForCommand(state, command::Options, 0x10), 0x80u);
    setDisplayStyle(state, 0x2000);
    EXPECT_EQ(styleForCommand(state, command::Options, 0x200), 0x2u);
    EXPECT_EQ(styleForCommand(state, command::Update, 0), 0u);
}

TEST(WindowStyleMachine, EscapeStepsBackInnermostFirst)
{
    struct Case {
        bool captured, editing;
        int taskPage;
        uint64_t style;
        bool pictureOnly;
        EscapeStep step;
    };
    const Case cases[] = {
        {true, true, 1, 0x8, true, EscapeStep::EndCapture},
        {false, true, 1, 0x8, true, EscapeStep::CancelAddressEdit},
        {false, false, 1, 0x8, true, EscapeStep::CloseTaskPage},
        {false, false, 0, 0x8, true, EscapeStep::LeavePictureTab},
        {false, false, 0, 0x20, false, EscapeStep::LeavePictureTab},
        {false, false, 0, 0x1, true, EscapeStep::LeavePictureOnly},
        {false, false, 0, 0x1, false, EscapeStep::Nothing},
        {false, false, 0, 0x80, false, EscapeStep::Nothing},
    };
    for (const Case& c : cases) {
        MainWindowState state;
        state.taskPage = c.taskPage;
        state.displayStyle = c.style;
        state.pictureOnly = c.pictureOnly;
        EXPECT_EQ(escapeStep(state, {c.captured, c.editing}), c.step) << std::hex << c.style;
    }
    MainWindowState state;
    setDisplayStyle(state, 0x2);
    setDisplayStyle(state, 0x8);
    EXPECT_EQ(styleAfterPictureTab(state), 0x2u);
}

TEST(WindowStyleMachine, PictureOnlyIsAlwaysLeavable)
{
    MainWindowState state;
    EXPECT_EQ(pictureOnlyAction(state, false, 0), PictureOnlyAction::Nothing);
    EXPECT_EQ(pictureOnlyAction(state, false, 3), PictureOnlyAction::Enter);
    EXPECT_EQ(pictureOnlyAction(state, true, 3), PictureOnlyAction::StopAutoShow);
    state.pictureOnly = true;
    EXPECT_EQ(pictureOnlyAction(state, false, 0), PictureOnlyAction::Leave);
}

TEST(WindowStateSettings, StoredStylesMustBeOneKnownBit)
{
    test::TempDir dir;
    struct Case {
        int screenBit, jpegModeBit, displayModeBit;
        uint64_t style, lastPicture, lastMain;
    };
    const Case cases[] = {
        {3, 4, 1, 0x8, 0x10, 0x2},
        {2, 6, 0, 0x1, 0x1, 0x1},    // bits without a page
        {16, 5, 3, 0x20, 0x20, 0x1}, // the information page is not a start page
        {70, 1, 5, 0x2, 0x2, 0x1},
    };
    for (const Case& c : cases) {
        SettingsStore store(dir.path());
        store.setIntRaw(QStringLiteral("Screen"), c.screenBit);
        store.setIntRaw(QStringLiteral("JpegMode"), c.jpegModeBit);
        store.setIntRaw(QStringLiteral("JpegDisplayMode"), c.displayModeBit);
        const MainWindowState state = loadMainWindowState(store);
        EXPECT_EQ(state.displayStyle, c.style) << c.screenBit;
        EXPECT_EQ(state.lastPictureStyle, c.lastPicture) << c.jpegModeBit;
        EXPECT_EQ(state.lastMainStyle, c.lastMain) << c.displayModeBit;
    }
}

TEST(WindowStateSettings, RoundTripsThroughTheStore)
{
    test::TempDir dir;
    SettingsStore store(dir.path());
    MainWindowState state;
    state.displayStyle = 0x2;
    state.lastPictureStyle = 0x2;
    state.lastMainStyle = 0x2;
    state.pictureOnly = true;
    state.selectionViewVisible = false;
    state.paneWidth = 321;
    state.paneSplitFullScreen = 777;
    storeMainWindowState(state, store);
    const MainWindowState back = loadMainWindowState(store);
    EXPECT_EQ(back.displayStyle, 0x2u);
    EXPECT_EQ(back.lastMainStyle, 0x2u);
    EXPECT_TRUE(back.pictureOnly);
    EXPECT_FALSE(back.selectionViewVisible);
    EXPECT_EQ(back.paneWidth, 321);
    EXPECT_EQ(back.paneSplitFullScreen, 777);
}

TEST(WindowCommandEnabling, FollowsListAndFrame)
{
    struct Case {
        int command;
        CommandContext context; // count, style, picture only, full screen, auto show
        bool enabled;
    };
    const Case cases[] = {
        {command::PictureOnly, {0, 0x1, false, false, false}, false},
        {command::PictureOnly, {0, 0x1, true, false, false}, true}, // leaving an emptied list
        {command::PictureOnly, {1, 0x1, false, false, false}, true},
        {command::NextPicture, {1, 0x1, false, false, false}, false},
        {command::NextPicture, {2, 0x1, false, false, false}, true},
        {command::AutoShow, {1, 0x1, false, false, false}, false},
        {command::AutoShow, {1, 0x1, false, false, true}, true},
        {command::ChangeView, {5, 0x80, false, false, false}, false},
        {command::ChangeView, {5, 0x10, false, false, false}, true},
        {command::FullScreenFrame, {5, 0x1, false, true, false}, false},
        {command::NormalFrame, {5, 0x1, false, false, false}, false},
        {command::NormalFrame, {5, 0x1, false, true, false}, true},
        {command::DeletePictures, {0, 0x1, false, false, false}, false},
        {command::Information, {0, 0x1, false, false, false}, true},
        {12345, {5, 0x1, false, false, false}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(commandEnabled(c.command, c.context), c.enabled) << c.command << " count " << c.context.listCount;
}
