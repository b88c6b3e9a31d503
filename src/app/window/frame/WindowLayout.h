#pragma once
// The geometry of the main window: top bar, left pane, tab row and central
// area in client coordinates, and the parts inside the left pane.
#include <QRect>
#include <QSize>

namespace vistello {

struct WindowAreas {
    QRect topBar;
    QRect leftPane;
    QRect tabRow;  // empty when no tab row is shown
    QRect central; // may be empty
};

// leftPaneWidth: 0 when the pane is hidden. tabRowHeight: the tab row's
// height for the width beside the pane, 0 for none.
WindowAreas layoutWindow(QSize client, int topBarHeight, int leftPaneWidth, int tabRowHeight);

struct PaneParts {
    int folderHeight = 0; // the folder part, tree and its header
    QRect folderHeader;
    QRect folderTree;
    QRect taskPane;
    int splitLineY = 0;   // the line between the parts
};

// In pane coordinates. split: ten-thousandths; fontHeight: the UI font's
// height. Heights never go below 0, also in a pane too low for both parts.
PaneParts layoutPane(QSize pane, int split, int fontHeight);

// The window's frame rectangle when leaving the full-screen frame without a
// stored normal placement: the middle two thirds across, 1/12 to 9/12 down.
QRect defaultNormalFrame(QSize screen);

} // namespace vistello
