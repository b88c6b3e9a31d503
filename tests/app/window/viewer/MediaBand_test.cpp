// The media player's band and states: time text, marker, seeking, layout,
// and the mediaPlaying flag the auto show waits on.
#include "app/window/viewer/MediaBand.h"
#include "app/window/viewer/MediaPlayerState.h"

#include <gtest/gtest.h>

namespace vistello {
namespace {

struct TimeCase {
    int64_t position; // 100-ns units
    const char* text;
};

constexpr TimeCase kTimes[] = {
    {37'450'000'000, "1h 2m 25.0s"},
    {12'340'000, "1.2s"},
    {0, "0.0s"},
    {600'000'000, "1m 0.0s"},
    {36'000'000'000, "1h 0.0s"},
    {36'010'000'000, "1h 1.0s"},
};

TEST(MediaBand, TimeText)
{
    for (const TimeCase& c : kTimes)
        EXPECT_EQ(mediaTimeText(c.position), QString::fromLatin1(c.text)) << c.position;
}

struct MarkerCase {
    int width;
    int64_t position, duration;
    std::optional<int> x;
};

const MarkerCase kMarkers[] = {
    {860, 0, 100, 40},
    {860, 100, 100, 840},
    {860, 50, 100, 440},
    // An hour and a half of video: 800 * position exceeds 32 bits.
    {860, 27'000'000'000, 54'000'000'000, 440},
    {80, 1, 2, std::nullopt}, // track 20 wide: no marker
    {860, 5, 0, std::nullopt},
};

TEST(MediaBand, MarkerPositionIn64Bits)
{
    for (const MarkerCase& c : kMarkers)
        EXPECT_EQ(mediaMarkerX(c.width, c.position, c.duration), c.x) << c.width << " " << c.position;
}

struct SeekCase {
    int width, x;
    int64_t duration;
    std::optional<int64_t> position;
};

const SeekCase kSeeks[] = {
    {860, 50, 54'000'000'000, 0},
    {860, 450, 54'000'000'000, 54'000'000'000 / 800 * 400},
    {860, 49, 1000, std::nullopt}, // on the buttons
    {860, 851, 1000, std::nullopt},
    {80, 60, 1000, std::nullopt},
};

TEST(MediaBand, ClickSeeksAlongTheTrack)
{
    for (const SeekCase& c : kSeeks)
        EXPECT_EQ(mediaSeekPosition(c.width, c.x, c.duration), c.position) << c.x;
}

TEST(MediaBand, AFullHdVideoInAPlayerWithItsBand)
{
    const MediaLayout layout = mediaLayout({800, 600, 1920, 1080, false, false, false});
    EXPECT_TRUE(layout.bandShown);
    EXPECT_EQ(layout.video, QRect(0, 65, 800, 450));
    EXPECT_EQ(layout.band, QRect(0, 580, 800, 20));
    EXPECT_EQ(layout.play, QRect(1, 581, 18, 18));
    EXPECT_EQ(layout.stop, QRect(21, 581, 18, 18));
    EXPECT_TRUE(layout.cornerButton.isEmpty());
}

TEST(MediaBand, SmallVideoKeepsItsSizeUnlessPictureOnly)
{
    EXPECT_EQ(mediaLayout({800, 600, 320, 240, false, false, false}).video, QRect(240, 170, 320, 240));
    const MediaLayout full = mediaLayout({800, 600, 320, 240, true, false, false});
    EXPECT_FALSE(full.bandShown);
    EXPECT_EQ(full.video, QRect(0, 0, 800, 600));
    const MediaLayout show = mediaLayout({800, 600, 320, 240, true, true, true});
    EXPECT_FALSE(show.bandShown);
    EXPECT_TRUE(show.cornerStopsAutoShow);
    EXPECT_EQ(show.cornerButton, QRect(778, 3, 18, 18));
    EXPECT_TRUE(mediaLayout({800, 600, 0, 0, false, false, false}).video.isEmpty()); // sound only
}

TEST(MediaPlayerState, EndGoesBackToTheStartAndPlayRunsAgain)
{
    MediaPlayerState player;
    player.open();
    EXPECT_TRUE(player.mediaPlaying());
    player.loaded(20'000'000, true);
    player.positionChanged(20'000'000);
    player.ended();
    EXPECT_FALSE(player.mediaPlaying());
    EXPECT_EQ(player.position(), 0);
    EXPECT_EQ(player.play(), -1); // already at the start
    EXPECT_TRUE(player.mediaPlaying());
    player.stop();
    EXPECT_FALSE(player.mediaPlaying());
}

TEST(MediaPlayerState, PlayAtTheEndSeeksToTheStart)
{
    MediaPlayerState player;
    player.open();
    player.loaded(1000, true);
    player.stop();
    player.positionChanged(1000);
    EXPECT_EQ(player.play(), 0);
}

// An error while opening or playing clears the flag, or auto show would
// wait for ever.
TEST(MediaPlayerState, AnErrorClearsMediaPlaying)
{
    MediaPlayerState opening;
    opening.open();
    opening.failed();
    EXPECT_FALSE(opening.mediaPlaying());
    MediaPlayerState running;
    running.open();
    running.loaded(1000, false);
    running.failed();
    EXPECT_FALSE(running.mediaPlaying());
    EXPECT_EQ(running.play(), -1);
    EXPECT_FALSE(running.mediaPlaying());
}

} // namespace
} // namespace vistello
