#include "app/window/viewer/ViewerKeys.h"

namespace vistello {

namespace {

bool modifierOnly(Qt::Key key)
{
    return key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Shift || key == Qt::Key_Meta ||
           key == Qt::Key_AltGr;
}

ViewerKey zoomKey(Qt::Key key, bool keypad)
{
    switch (key) {
    case Qt::Key_Left: return ViewerKey::MoveRight; // the picture moves, its left side comes in
    case Qt::Key_Right: return ViewerKey::MoveLeft;
    case Qt::Key_Up: return ViewerKey::MoveDown;
    case Qt::Key_Down: return ViewerKey::MoveUp;
    case Qt::Key_Plus: return keypad ? ViewerKey::ZoomIn : ViewerKey::Ignore;
    case Qt::Key_Minus: return keypad ? ViewerKey::ZoomOut : ViewerKey::Ignore;
    default: return ViewerKey::Ignore;
    }
}

} // namespace

ViewerKey viewerKey(QKeyCombination keys, const ViewerKeyContext& context)
{
    const Qt::Key key = keys.key();
    if (context.autoRepeat || modifierOnly(key) || key == Qt::Key_unknown || key == Qt::Key_Delete)
        return ViewerKey::Ignore;
    if (context.pictureOnly) {
        switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Up:
        case Qt::Key_PageUp:
        case Qt::Key_Backspace: return ViewerKey::ShowPrevious;
        default: return ViewerKey::ShowNext;
        }
    }
    if (context.zoom)
        return zoomKey(key, keys.keyboardModifiers().testFlag(Qt::KeypadModifier));
    switch (key) {
    case Qt::Key_Home: return ViewerKey::ShowFirst;
    case Qt::Key_Right:
    case Qt::Key_Down: return ViewerKey::FocusNext;
    case Qt::Key_Left:
    case Qt::Key_Up: return ViewerKey::FocusPrevious;
    case Qt::Key_PageDown: return ViewerKey::PageForward;
    case Qt::Key_PageUp: return ViewerKey::PageBack;
    case Qt::Key_Backspace: return ViewerKey::ShowPrevious;
    default: return ViewerKey::ShowNext;
    }
}

} // namespace vistello
