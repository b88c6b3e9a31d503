#include "app/window/taskpane/TaskPaneLayout.h"

#include <algorithm>

namespace vistello {

TaskPaneGeometry layoutTaskPane(const TaskPaneRows& rows, QSize pane, int scrollOffset)
{
    const int taskList = rows.pageShown ? 0 : std::max(0, rows.taskList);
    int stack = std::max(0, rows.heading) + taskList + std::max(0, rows.slot);
    for (const TaskSectionRows& section : rows.sections)
        stack += std::max(0, section.header) + (section.open ? std::max(0, section.content) : 0);

    TaskPaneGeometry geometry;
    geometry.stackHeight = stack;
    int offset = std::min(0, scrollOffset);
    const int free = pane.height() - (stack + offset);
    if (free > 0)
        offset = std::min(0, offset + free);
    geometry.scrollOffset = offset;

    int y = offset;
    const auto place = [&](int height) {
        const QRect rect(0, y, pane.width(), std::max(0, height));
        y += rect.height();
        return rect;
    };
    geometry.heading = place(rows.heading);
    geometry.taskList = place(taskList);
    for (size_t i = 0; i < rows.sections.size(); ++i) {
        const TaskSectionRows& section = rows.sections[i];
        geometry.sectionHeaders[i] = place(section.header);
        geometry.sectionContents[i] = place(section.open ? section.content : 0);
    }
    geometry.slot = place(rows.slot);
    return geometry;
}

} // namespace vistello
