#include "app/window/frame/WindowLayout.h"

#include <algorithm>

namespace vistello {

namespace {

// A rectangle from its corners, never negative in size.
QRect span(int left, int top, int right, int bottom)
{
    return QRect(left, top, std::max(right - left, 0), std::max(bottom - top, 0));
}

} // namespace

WindowAreas layoutWindow(QSize client, int topBarHeight, int leftPaneWidth, int tabRowHeight)
{
    const int w = client.width();
    const int h = client.height();
    const int pane = std::clamp(leftPaneWidth, 0, std::max(w, 0));
    WindowAreas areas;
    areas.topBar = span(0, 0, w, std::min(topBarHeight, h));
    areas.leftPane = span(0, topBarHeight, pane, h);
    areas.tabRow = tabRowHeight > 0 ? span(pane, topBarHeight, w, std::min(topBarHeight + tabRowHeight, h)) : QRect();
    areas.central = span(pane, topBarHeight + tabRowHeight, w, h);
    return areas;
}

PaneParts layoutPane(QSize pane, int split, int fontHeight)
{
    const int width = pane.width();
    const int height = std::max(pane.height(), 0);
    const int minFolder = fontHeight + 84;
    constexpr int kMinTasks = 10;
    int folder = int(int64_t(split) * height / 10000);
    folder = std::max(folder, minFolder);
    if (height - folder < kMinTasks)
        folder = std::max(height - kMinTasks, minFolder);

    PaneParts parts;
    parts.folderHeight = folder;
    parts.folderHeader = QRect(10, 10, std::max(width - 20, 0), fontHeight + 4);
    parts.folderTree = QRect(10, fontHeight + 14, std::max(width - 20, 0), std::max(folder - fontHeight - 24, 0));
    parts.taskPane = QRect(10, folder + 10, std::max(width - 20, 0), std::max(height - folder - 20, 0));
    parts.splitLineY = folder - 1;
    return parts;
}

QRect defaultNormalFrame(QSize screen)
{
    const int sixth = screen.width() / 6;
    const int twelfth = screen.height() / 12;
    return span(sixth, twelfth, 5 * sixth, 9 * twelfth);
}

} // namespace vistello
