#pragma once
// The task list of the left pane ("I want to:") and the links of its
// "Picture tasks" and "Advanced tasks" sections: each item runs a main-window
// command and is enabled by that command's own rule.
#include "app/window/frame/CommandEnabling.h"

#include <QString>
#include <span>

namespace vistello {

struct TaskItem {
    const char16_t* text;
    int icon;    // index into the task icon strip; also names the task
    int command; // the main-window command the click runs
};

// The seventeen items in list order.
std::span<const TaskItem> taskItems();
// The transformation tasks (18..22: rotate right, rotate left, auto rotate,
// mirror vertical, greyscale), the links of "Picture tasks".
std::span<const TaskItem> pictureTaskItems();
// "Advanced tasks": list export, restore original, file date from EXIF.
std::span<const TaskItem> advancedTaskItems();

// A click runs the item only when this holds at that moment.
bool taskItemEnabled(const TaskItem& item, const CommandContext& context);

// The first item of the list whose text begins with prefix, or null.
const TaskItem* findTaskItem(std::span<const TaskItem> items, const QString& prefix);

} // namespace vistello
