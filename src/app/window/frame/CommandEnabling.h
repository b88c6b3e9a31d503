#pragma once
// Whether a main-window command can run now; buttons are enabled and keys
// act by the same rule.
#include <cstdint>

namespace vistello {

struct CommandContext {
    int listCount = 0;
    uint64_t displayStyle = 1;
    bool pictureOnly = false;
    bool appFullScreen = false;
    bool autoShowRunning = false;
};

bool commandEnabled(int command, const CommandContext& context);

} // namespace vistello
