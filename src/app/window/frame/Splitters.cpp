#include "app/window/frame/Splitters.h"

#include "app/window/frame/WindowLayout.h"

#include <algorithm>

namespace vistello {

namespace {

constexpr int kMinClientWidth = 360;
constexpr int kWidthLineMargin = 180;

} // namespace

bool startsWidthDrag(const PaneGeometry& pane, QPoint point)
{
    return pane.clientWidth >= kMinClientWidth && pane.width > 0 && point.x() >= pane.width - 5
        && point.x() < pane.width && point.y() > pane.top + 10 && point.y() < pane.top + pane.height - 10;
}

int widthDragLine(const PaneGeometry& pane, int x)
{
    return std::clamp(x, kWidthLineMargin, std::max(pane.clientWidth - kWidthLineMargin, kWidthLineMargin));
}

bool startsSplitDrag(const PaneGeometry& pane, QPoint point)
{
    const int splitY = pane.top + layoutPane({pane.width, pane.height}, pane.split, pane.fontHeight).folderHeight;
    return point.y() >= splitY - 4 && point.y() <= splitY + 2 && point.x() > 10 && point.x() < pane.width - 10;
}

int splitDragLine(const PaneGeometry& pane, int y)
{
    const int low = pane.top + pane.fontHeight + 14;
    return std::clamp(y, low, std::max(pane.top + pane.height - 10, low));
}

int splitAfterDrag(const PaneGeometry& pane, int lineY)
{
    if (pane.height <= 0)
        return pane.split;
    return std::clamp(int(int64_t(lineY - pane.top + 2) * 10000 / pane.height), 0, 10000);
}

} // namespace vistello
