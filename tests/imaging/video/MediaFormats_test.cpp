// The media formats in the file-type table: their handlers, also when the
// table registers them late, and the note picture's size.
#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/BuiltInFormats.h"
#include "imaging/decode/FormatHandler.h"

#include <gtest/gtest.h>

namespace vistello {
namespace {

// Media formats wait until a media name is met; the decoders handed in
// before must still reach them.
TEST(MediaFormats, DeferredMediaFormatsGetTheirHandlers)
{
    PictureFileTypes types;
    registerBuiltInFormatsDeferringMedia(types, [] { return true; }, nullptr);
    std::unique_ptr<FormatHandler> video = createFormatHandler(types, u"holiday.MOV");
    ASSERT_TRUE(video);
    EXPECT_EQ(video->formatName(), QStringLiteral("AVI"));
    std::unique_ptr<FormatHandler> sound = createFormatHandler(types, u"tune.mp3");
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->formatName(), QStringLiteral("MP3"));
    EXPECT_TRUE(types.isMediaFile(u"tune.mp3"));
    EXPECT_FALSE(types.isMediaFile(u"a.jpg"));
}

TEST(MediaFormats, WithoutPlaybackNoMediaFormats)
{
    PictureFileTypes types;
    registerBuiltInFormatsDeferringMedia(types, [] { return false; }, nullptr);
    EXPECT_FALSE(createFormatHandler(types, u"holiday.avi"));
    EXPECT_FALSE(types.isPictureFile(u"holiday.avi"));
}

TEST(MediaFormats, TheNotePictureIsReportedAs120By80)
{
    PictureFileTypes types;
    registerBuiltInFormats(types, true, nullptr);
    std::unique_ptr<FormatHandler> sound = createFormatHandler(types, u"tune.mp3");
    ASSERT_TRUE(sound);
    const PixelBuffer notes = sound->decodeFile(QStringLiteral("/nonexistent/tune.mp3"), 0, 0, 1, 1, false);
    EXPECT_EQ(notes.width, 120);
    EXPECT_EQ(notes.height, 80);
    EXPECT_EQ(sound->imageWidth, 120);
    EXPECT_EQ(sound->imageHeight, 80);
}

} // namespace
} // namespace vistello
