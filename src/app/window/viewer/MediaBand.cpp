#include "app/window/viewer/MediaBand.h"

#include <algorithm>

namespace vistello {
namespace {

constexpr int kTrackStart = 40;   // the marker's x at position 0
constexpr int kClickStart = 50;   // clicks left of this hit the buttons
constexpr int kTrackMargin = 60;  // the band width the track leaves out
constexpr int kMinTrack = 20;

// v x u fitted into the area: reduced to fit, enlarged too when fill.
QRect fitVideo(int v, int u, const QRect& area, bool fill)
{
    if (v <= 0 || u <= 0 || area.width() <= 0 || area.height() <= 0)
        return {};
    int64_t w = v, h = u;
    if (fill || w > area.width() || h > area.height()) {
        if (int64_t(area.width()) * u < int64_t(v) * area.height()) {
            w = area.width();
            h = int64_t(u) * area.width() / v;
        } else {
            h = area.height();
            w = int64_t(v) * area.height() / u;
        }
    }
    return QRect(area.x() + int((area.width() - w) / 2), area.y() + int((area.height() - h) / 2), int(w), int(h));
}

} // namespace

MediaLayout mediaLayout(const MediaLayoutInput& in)
{
    MediaLayout layout;
    layout.bandShown = !in.autoShow && (!in.pictureOnly || in.controlsInFullScreen);
    const int areaHeight = std::max(0, in.height - (layout.bandShown ? kMediaBandHeight : 0));
    layout.video = fitVideo(in.videoWidth, in.videoHeight, QRect(0, 0, in.width, areaHeight), in.pictureOnly);
    if (layout.bandShown) {
        layout.band = QRect(0, in.height - kMediaBandHeight, in.width, kMediaBandHeight);
        layout.play = QRect(1, in.height - 19, kMediaButtonSize, kMediaButtonSize);
        layout.stop = QRect(21, in.height - 19, kMediaButtonSize, kMediaButtonSize);
    }
    const QRect corner(in.width - 22, 3, kMediaButtonSize, kMediaButtonSize);
    if (in.autoShow) {
        layout.cornerButton = corner;
        layout.cornerStopsAutoShow = true;
    } else if (in.pictureOnly && in.controlsInFullScreen) {
        layout.cornerButton = corner;
    }
    return layout;
}

QString mediaTimeText(int64_t position)
{
    const int64_t tenths = std::max<int64_t>(0, position) / 1000000;
    const int64_t hours = tenths / 36000;
    const int64_t minutes = tenths / 600 % 60;
    QString text;
    if (hours != 0)
        text += QStringLiteral("%1h ").arg(hours);
    if (minutes != 0)
        text += QStringLiteral("%1m ").arg(minutes);
    return text + QString::asprintf("%.1fs", double(tenths % 600) * 0.1);
}

std::optional<int> mediaMarkerX(int width, int64_t position, int64_t duration)
{
    const int64_t track = int64_t(width) - kTrackMargin;
    if (track <= kMinTrack || duration <= 0)
        return std::nullopt;
    const int64_t clamped = std::clamp<int64_t>(position, 0, duration);
    // track * clamped stays inside 64 bits for any track of a screen and
    // durations below some thousand years.
    return int(track * clamped / duration + kTrackStart);
}

std::optional<int64_t> mediaSeekPosition(int width, int x, int64_t duration)
{
    const int64_t track = int64_t(width) - kTrackMargin;
    if (track <= kMinTrack || duration <= 0 || x < kClickStart || x > width - 10)
        return std::nullopt;
    return std::min(duration, duration / track * (x - kClickStart));
}

int mediaTimeTextX(int markerX, int textWidth, int width)
{
    return std::max(0, std::min(markerX + 50, width - textWidth));
}

} // namespace vistello
