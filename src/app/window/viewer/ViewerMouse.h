#pragma once
// The viewer's mouse outside zoom mode: a press on the picture may become a
// drag of its file out of the viewer or, with Shift, a band whose colours
// are measured; the right button opens the context menu.
#include <QPoint>
#include <QString>
#include <vector>

namespace vistello {

enum class ViewerDrag { None, Pending, Measuring, File };

// Half the desktop's drag distance on each axis.
int viewerDragThreshold(int startDragDistance);

// Where a pending drag goes when the mouse is at `at`: it starts once the
// mouse is farther than the threshold from the press in x or in y, as a
// measuring band with Shift held, else as a file drag.
ViewerDrag dragAfterMove(ViewerDrag drag, QPoint pressed, QPoint at, int threshold, bool shift);

struct ViewerMenuEntry {
    int command = 0;
    QString text;
    bool enabled = false;
};

struct ViewerMenuInputs {
    bool zoomOn = false;
    bool cropOn = false;
    bool settingsOpen = false;       // a format settings dialog is already open
    bool pictureOk = false;
    bool formatHasSettings = false;  // the picture's format offers a settings dialog
};

inline constexpr int kFormatSettingsCommand = 348;

// The context menu's entries; empty when no menu opens.
std::vector<ViewerMenuEntry> viewerMenu(const ViewerMenuInputs& in);

// What a left press in the viewer does, first match wins: a button, then a
// drag in zoom mode, a drag of the panorama, the information box, and else
// a press on the picture that may become a drag.
enum class ViewerPress { Button, ZoomDrag, PanoramaDrag, InfoBox, PictureDrag };
struct PressInputs {
    bool overButton = false;
    bool zoomOn = false;
    bool panoramaBarShown = false;
    bool listEmpty = true;
    bool inInfoBox = false;
};
ViewerPress viewerPress(const PressInputs& in);

// The wheel, by direction (+1 forward): zoom mode zooms; picture-only mode
// shows the previous picture forward; else the preview strip's focus moves
// to the next picture forward.
enum class ViewerWheel { Nothing, ZoomIn, ZoomOut, ShowPrevious, ShowNext, FocusNext, FocusPrevious };
ViewerWheel viewerWheel(int direction, bool zoomOn, bool pictureOnly);

} // namespace vistello
