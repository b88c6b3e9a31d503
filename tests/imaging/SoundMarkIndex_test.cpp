// Companion sounds looked up for every lane at once: the same answers as the
// single lookup, a folder without sound files answered without listing it.
#include "imaging/thumbnails/SoundMarkIndex.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace vistello {
namespace {

TEST(SoundMarkIndex, FindsTheCompanionInAnyCaseAndNewFilesAfterForgetting)
{
    test::TempDir dir;
    const QString picture = dir.write(QStringLiteral("IMG_0001.JPG"), "jpeg");
    const QString other = dir.write(QStringLiteral("IMG_0002.JPG"), "jpeg");
    SoundMarkIndex index;
    EXPECT_FALSE(index.hasCompanionSound(picture)) << "no sound file in the folder";
    dir.write(QStringLiteral("SND_0001.WAV"), "riff");
    EXPECT_FALSE(index.hasCompanionSound(picture)) << "listings are kept until forgotten";
    index.forgetListings();
    EXPECT_TRUE(index.hasCompanionSound(picture));
    EXPECT_FALSE(index.hasCompanionSound(other));
}

} // namespace
} // namespace vistello
