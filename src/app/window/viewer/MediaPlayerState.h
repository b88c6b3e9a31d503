#pragma once
// The media player's states and the flag the auto show waits on: playing
// from open until the end of the file, a stop, an error or close. Keeping
// the flag here, with every way out of Running, means no error path can
// leave it set.
#include <cstdint>

namespace vistello {

class MediaPlayerState {
public:
    enum class State { Closed, Opening, Running, Paused };

    State state() const { return state_; }
    // The window's mediaPlaying: true while opening or running.
    bool mediaPlaying() const { return state_ == State::Opening || state_ == State::Running; }
    int64_t position() const { return position_; }
    int64_t duration() const { return duration_; }
    bool seekable() const { return seekable_; }

    void open() { state_ = State::Opening; position_ = 0; duration_ = 0; seekable_ = false; }
    // The backend has the file: it runs from the start.
    void loaded(int64_t duration, bool seekable);
    // Play: from the start again when at or beyond the end.
    // Returns the position to seek to first, or -1 for none.
    int64_t play();
    void stop();
    void positionChanged(int64_t position);
    // The end of the stream: paused, back at the start when seekable.
    void ended();
    // A decoding or backend error, or the backend gone: as closed.
    void failed() { close(); }
    void close() { state_ = State::Closed; position_ = 0; }

private:
    State state_ = State::Closed;
    int64_t position_ = 0;
    int64_t duration_ = 0;
    bool seekable_ = false;
};

} // namespace vistello
