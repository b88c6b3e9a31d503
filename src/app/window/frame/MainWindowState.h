#pragma once
// What the main window is showing and how its frame looks, kept between
// runs in the settings store. The window placement itself is the widget's
// (saveGeometry bytes under "WindowPlacement").
#include <cstdint>

namespace vistello {

class SettingsStore;

struct MainWindowState {
    uint64_t displayStyle = 1;     // one known style bit
    uint64_t lastPictureStyle = 1; // a bit of the picture styles
    uint64_t lastMainStyle = 1;    // picture page (1) or overview (2)
    bool pictureOnly = false;      // only the central area is shown
    bool appFullScreen = false;    // frameless window covering the screen
    bool selectionViewVisible = true;
    bool autoSelectionView = false;
    int paneWidth = 200;
    int paneWidthFullScreen = 200;
    int paneSplit = 5000; // folder part in ten-thousandths of the pane height
    int paneSplitFullScreen = 5000;
    int taskPage = 0;     // open task-pane page, 0 for none

    static constexpr int kTopBarHeight = 23;
    int topBarHeight() const { return pictureOnly ? 0 : kTopBarHeight; }
    // The left pane's width in the current frame (0 when hidden).
    int leftPaneWidth() const;
    int& framePaneWidth() { return appFullScreen ? paneWidthFullScreen : paneWidth; }
    int& framePaneSplit() { return appFullScreen ? paneSplitFullScreen : paneSplit; }
    int framePaneSplit() const { return appFullScreen ? paneSplitFullScreen : paneSplit; }
};

// Stored styles that are not one known bit of their kind read as the default.
MainWindowState loadMainWindowState(SettingsStore& store);
void storeMainWindowState(const MainWindowState& state, SettingsStore& store);

} // namespace vistello
