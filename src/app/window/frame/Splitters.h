#pragma once
// The two splitters of the left pane: where a press starts them, how far
// their drag line may go, and the value a release stores. Client coordinates.
#include <QPoint>

namespace vistello {

struct PaneGeometry {
    int top = 0;         // the pane's top edge (below the top bar)
    int width = 0;       // the pane's width
    int height = 0;      // the pane's height
    int clientWidth = 0; // the main window's client width
    int fontHeight = 13;
    int split = 5000;    // the folder part in ten-thousandths
};

// Left pane / central area.
bool startsWidthDrag(const PaneGeometry& pane, QPoint point);
int widthDragLine(const PaneGeometry& pane, int x);
inline int paneWidthAfterDrag(int lineX)
{
    return lineX + 3;
}

// Folder part / task pane.
bool startsSplitDrag(const PaneGeometry& pane, QPoint point);
int splitDragLine(const PaneGeometry& pane, int y);
int splitAfterDrag(const PaneGeometry& pane, int lineY);

} // namespace vistello
