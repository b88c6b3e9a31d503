#pragma once
// The media player's geometry and its control band: where the video sits,
// where the buttons and the position marker go, what the time reads and
// where a click on the band seeks to. Positions and durations are in
// 100-nanosecond units, always computed in 64 bits.
#include <QRect>
#include <QString>
#include <cstdint>
#include <optional>

namespace vistello {

inline constexpr int kMediaBandHeight = 20;
inline constexpr int kMediaButtonSize = 18;
inline constexpr int kMediaMarkerWidth = 20;
inline constexpr int kMediaMarkerHeight = 10;

struct MediaLayoutInput {
    int width = 0;  // the player's client area
    int height = 0;
    int videoWidth = 0; // 0 for sound only
    int videoHeight = 0;
    bool pictureOnly = false;
    bool controlsInFullScreen = false; // "ControlButtonsInFullscreen"
    bool autoShow = false;
};

struct MediaLayout {
    bool bandShown = false;
    QRect band;      // empty when hidden
    QRect video;     // empty without video
    QRect play;
    QRect stop;
    // The corner button: "Back to the normal view", or during auto show
    // the one that stops it; empty when neither shows.
    QRect cornerButton;
    bool cornerStopsAutoShow = false;
};

MediaLayout mediaLayout(const MediaLayoutInput& input);

// "1h 2m 25.0s": hours and minutes only when not 0, tenths of a second.
QString mediaTimeText(int64_t position);

// The marker's left edge in band coordinates; nothing when the band is too
// narrow or the duration unknown.
std::optional<int> mediaMarkerX(int width, int64_t position, int64_t duration);

// Where a click at x on the band seeks; nothing outside the track.
std::optional<int64_t> mediaSeekPosition(int width, int x, int64_t duration);

// The time text's left edge: 50 right of the marker, moved left so that a
// text textWidth wide stays inside the band.
int mediaTimeTextX(int markerX, int textWidth, int width);

} // namespace vistello
