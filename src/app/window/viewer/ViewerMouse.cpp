#include "app/window/viewer/ViewerMouse.h"

#include <cstdlib>

namespace vistello {

int viewerDragThreshold(int startDragDistance)
{
    return startDragDistance / 2;
}

ViewerDrag dragAfterMove(ViewerDrag drag, QPoint pressed, QPoint at, int threshold, bool shift)
{
    if (drag != ViewerDrag::Pending)
        return drag;
    const QPoint moved = at - pressed;
    if (std::abs(moved.x()) <= threshold && std::abs(moved.y()) <= threshold)
        return drag;
    return shift ? ViewerDrag::Measuring : ViewerDrag::File;
}

std::vector<ViewerMenuEntry> viewerMenu(const ViewerMenuInputs& in)
{
    if (in.zoomOn || in.cropOn || in.settingsOpen)
        return {};
    return {{kFormatSettingsCommand, QStringLiteral("Format settings..."), in.pictureOk && in.formatHasSettings}};
}

ViewerPress viewerPress(const PressInputs& in)
{
    if (in.overButton)
        return ViewerPress::Button;
    if (in.zoomOn)
        return ViewerPress::ZoomDrag;
    if (in.panoramaBarShown)
        return ViewerPress::PanoramaDrag;
    if (!in.listEmpty && in.inInfoBox)
        return ViewerPress::InfoBox;
    return ViewerPress::PictureDrag;
}

ViewerWheel viewerWheel(int direction, bool zoomOn, bool pictureOnly)
{
    if (direction == 0)
        return ViewerWheel::Nothing;
    const bool forward = direction > 0;
    if (zoomOn)
        return forward ? ViewerWheel::ZoomIn : ViewerWheel::ZoomOut;
    if (pictureOnly)
        return forward ? ViewerWheel::ShowPrevious : ViewerWheel::ShowNext;
    return forward ? ViewerWheel::FocusNext : ViewerWheel::FocusPrevious;
}

} // namespace vistello
