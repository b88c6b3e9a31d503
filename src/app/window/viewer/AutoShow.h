#pragma once
// The auto show: when it may start, what each tick does, how it ends, and
// whether a newly drawn picture plays a transition.
#include <cstdint>

namespace vistello {

// "AutoShowDelay" in seconds, kept to 1 s .. 1 day, as timer milliseconds.
int autoShowIntervalMs(int64_t storedSeconds);
// "TransitionsDelay" 1-10 squared: the wait unit of a transition in ms.
int transitionDelayUnitMs(int storedDelay);

bool autoShowCanStart(int listCount);

enum class AutoShowTick { Stop, Wait, Next };
struct AutoShowBusy {
    bool mediaPlaying = false;
    bool soundPlaying = false;
    bool panoramaScrolling = false;
};
AutoShowTick autoShowTick(int listCount, const AutoShowBusy& busy);

// Whether the show runs and what it changed in the frame.
class AutoShowSession {
public:
    bool running() const { return running_; }
    // False when the list is too short to show.
    bool start(int listCount, bool appFullScreen);
    // True when the full-screen frame is to be left: it was not on before.
    bool stop();

private:
    bool running_ = false;
    bool fullScreenBefore_ = false;
};

struct TransitionConditions {
    bool pictureOk = false;
    bool transitionsOn = false; // "Transitions"
    bool relayoutPending = false;
    bool pictureOnly = false;
    bool newPicture = false;
    bool allowed = false; // cleared by scrolls, in-memory edits and mode changes
};
bool transitionPlays(const TransitionConditions& c);

} // namespace vistello
