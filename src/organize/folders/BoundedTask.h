#pragma once
// Work that may block on a hung mount (statvfs, listing a folder), started
// from the user-interface thread: it runs on a thread of its own and the
// caller waits for it only a bounded time.
#include <QString>

#include <functional>
#include <optional>

namespace vistello {

// The task's text when it ends within waitMs. Else nullopt at once, and
// late gets the text on the task's thread when it ends at last.
std::optional<QString> runBounded(std::function<QString()> task, int waitMs,
                                  std::function<void(const QString&)> late);

} // namespace vistello
