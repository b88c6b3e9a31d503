#include "app/window/viewer/AutoShow.h"

#include <algorithm>

namespace vistello {

int autoShowIntervalMs(int64_t storedSeconds)
{
    return int(std::clamp<int64_t>(storedSeconds, 1, 86400) * 1000);
}

int transitionDelayUnitMs(int storedDelay)
{
    const int d = std::clamp(storedDelay, 1, 10);
    return d * d;
}

bool autoShowCanStart(int listCount)
{
    return listCount >= 2;
}

AutoShowTick autoShowTick(int listCount, const AutoShowBusy& busy)
{
    if (listCount < 2)
        return AutoShowTick::Stop;
    if (busy.mediaPlaying || busy.soundPlaying || busy.panoramaScrolling)
        return AutoShowTick::Wait;
    return AutoShowTick::Next;
}

bool AutoShowSession::start(int listCount, bool appFullScreen)
{
    if (running_ || !autoShowCanStart(listCount))
        return false;
    running_ = true;
    fullScreenBefore_ = appFullScreen;
    return true;
}

bool AutoShowSession::stop()
{
    if (!running_)
        return false;
    running_ = false;
    return !fullScreenBefore_;
}

bool transitionPlays(const TransitionConditions& c)
{
    return c.pictureOk && c.transitionsOn && !c.relayoutPending && c.pictureOnly && c.newPicture && c.allowed;
}

} // namespace vistello
