#pragma once
// The keys the picture page hands to its viewer once the accelerators
// have passed on them.
#include <QKeyCombination>

namespace vistello {

enum class ViewerKey {
    Ignore,        // modifiers alone, auto-repeats, Delete
    ShowNext,
    ShowPrevious,
    ShowFirst,     // Home: focus and show the first picture
    FocusNext,     // the preview strip's focus moves; Enter shows it
    FocusPrevious,
    PageForward,
    PageBack,
    ZoomIn,
    ZoomOut,
    MoveUp,        // the picture moves in zoom mode
    MoveDown,
    MoveLeft,
    MoveRight,
};

struct ViewerKeyContext {
    bool pictureOnly = false;
    bool zoom = false;
    bool autoRepeat = false; // a held key steps once per press
};

ViewerKey viewerKey(QKeyCombination keys, const ViewerKeyContext& context);

} // namespace vistello
