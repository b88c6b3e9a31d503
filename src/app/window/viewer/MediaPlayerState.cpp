#include "app/window/viewer/MediaPlayerState.h"

namespace vistello {

void MediaPlayerState::loaded(int64_t duration, bool seekable)
{
    if (state_ != State::Opening)
        return;
    duration_ = duration > 0 ? duration : 0;
    seekable_ = seekable && duration_ > 0;
    state_ = State::Running;
}

int64_t MediaPlayerState::play()
{
    if (state_ == State::Closed || state_ == State::Opening)
        return -1;
    int64_t seekTo = -1;
    if (seekable_ && position_ >= duration_) {
        position_ = 0;
        seekTo = 0;
    }
    state_ = State::Running;
    return seekTo;
}

void MediaPlayerState::stop()
{
    if (state_ == State::Running)
        state_ = State::Paused;
}

void MediaPlayerState::positionChanged(int64_t position)
{
    if (state_ != State::Closed && position >= 0)
        position_ = position;
}

void MediaPlayerState::ended()
{
    if (state_ == State::Closed)
        return;
    state_ = State::Paused;
    if (seekable_)
        position_ = 0;
}

} // namespace vistello
