#pragma once
// Where the rows of the task pane go: heading, task list, the three
// collapsible sections and the slot, one below the other from the scroll
// offset, each with the pane's width.
#include <QRect>
#include <QSize>
#include <array>

namespace vistello {

struct TaskSectionRows {
    int header = 0;
    int content = 0; // counts only while the section is open
    bool open = true;
};

struct TaskPaneRows {
    int heading = 0;
    int taskList = 0; // counts only while no page occupies the slot
    std::array<TaskSectionRows, 3> sections;
    int slot = 0;
    bool pageShown = false;
};

struct TaskPaneGeometry {
    QRect heading;
    QRect taskList;
    std::array<QRect, 3> sectionHeaders;
    std::array<QRect, 3> sectionContents; // empty while closed
    QRect slot;
    int scrollOffset = 0; // <= 0
    int stackHeight = 0;  // the scroll bar's range; its page is the pane's height
};

// scrollOffset is the current one; the result's is the one to keep (it grows
// back toward 0 when the stack no longer fills the pane).
TaskPaneGeometry layoutTaskPane(const TaskPaneRows& rows, QSize pane, int scrollOffset);

} // namespace vistello
