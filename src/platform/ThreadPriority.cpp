#include "platform/ThreadPriority.h"

#include <algorithm>
#include <cerrno>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace vistello {

namespace {

// Windows' "below normal" is one step of five between idle and normal.
constexpr int kBelowNormalSteps = 4;
constexpr int kLowestNice = 19;

id_t currentThreadId()
{
    // On Linux, PRIO_PROCESS with a thread id addresses that thread alone.
    return id_t(syscall(SYS_gettid));
}

} // namespace

int currentThreadNice()
{
    errno = 0;
    const int nice = getpriority(PRIO_PROCESS, currentThreadId());
    return errno == 0 ? nice : 0;
}

bool lowerCurrentThreadPriority()
{
    return lowerCurrentThreadPriority(kBelowNormalSteps);
}

bool lowerCurrentThreadPriority(int steps)
{
    const int target = std::min(kLowestNice, currentThreadNice() + std::max(steps, 0));
    return setpriority(PRIO_PROCESS, currentThreadId(), target) == 0;
}

} // namespace vistello
