#pragma once
// The status line of a task-pane page: how many pictures the page's command
// will work on and, for one picture, its size.
#include <QSize>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace vistello {

// "No picture selected", "One picture selected (WxH, N KB)" or "N pictures
// selected"; kilobytes are bytes / 1024 + 1, and 0 for an empty file.
QString selectionStatusText(int count, QSize size, int64_t bytes);

// The same for a working set; one picture's size is read through its
// format's handler (0x0 when it cannot be read).
QString selectionStatus(const QStringList& workingSet);

} // namespace vistello
