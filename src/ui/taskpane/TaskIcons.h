#pragma once
// The task icons, drawn in code: a tinted tile with a small symbol per task.
#include <QPixmap>

namespace vistello {

inline constexpr int kTaskIconSize = 16;

// The icon of a task by its index; `pressed` draws it on the pressed background.
QPixmap taskIcon(int index, bool pressed = false);

} // namespace vistello
