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

} // namespace vistello
