#pragma once
// Runs the commands of a wallpaper plan one after the other, each as a
// program with its arguments (no shell), each with a time-out. The first
// one that cannot start, crashes, times out or exits with an error ends
// the run with a message saying which and why.
#include "platform/wallpaper/WallpaperPlan.h"

namespace vistello {

struct CommandsOutcome {
    bool ok = false;
    QString message; // the failure; empty on success
};

inline constexpr int kDesktopCommandTimeoutMs = 10000;

CommandsOutcome runDesktopCommands(const QList<DesktopCommand>& commands,
                                   int timeoutMs = kDesktopCommandTimeoutMs);

} // namespace vistello
