// Strict decoding, for operations that rewrite or judge a picture: a damaged
// main image is a failure with the library's text, never its thumbnail or
// a picture with a grey fill.
#include "app/samples/SamplePicture.h"
#include "imaging/decode/JpegHandler.h"
#include "support/TempDir.h"

#include <cstring>
#include <gtest/gtest.h>

namespace vistello {
namespace {

using test::TempDir;

QByteArray cameraPicture()
{
    samples::SamplePictureRecipe recipe;
    recipe.displaySize = QSize(320, 240);
    return samples::buildSamplePicture(recipe);
}

// The main image's frame header claims 12-bit samples, which this library
// cannot read; the EXIF thumbnail before it stays intact.
QByteArray withBrokenMainFrame(QByteArray jpeg)
{
    const qsizetype sof = jpeg.lastIndexOf("\xFF\xC0");
    jpeg[sof + 4] = 12;
    return jpeg;
}

struct Damage {
    const char* name;
    QByteArray bytes;
    QSize lenientSize; // what the viewer still shows
};

TEST(StrictDecode, DamagedMainImageFailsWithTheLibraryText)
{
    const QByteArray good = cameraPicture();
    const Damage cases[] = {
        {"truncated to 60 %", good.left(good.size() * 6 / 10), QSize(320, 240)},
        {"broken main frame", withBrokenMainFrame(good), QSize(160, 120)},
        {"garbage before the picture", QByteArray("xx") + good, QSize(320, 240)},
    };
    TempDir dir;
    for (const Damage& c : cases) {
        const QString path = dir.write(QStringLiteral("p.jpg"), c.bytes);
        JpegHandler lenient;
        const PixelBuffer shown = lenient.decodeFile(path, 0, 0, 1, 1, false);
        EXPECT_EQ(QSize(shown.width, shown.height), c.lenientSize) << c.name;

        JpegHandler strict;
        strict.strictDecode = true;
        EXPECT_TRUE(strict.decodeFile(path, 0, 0, 1, 1, false).empty()) << c.name;
        EXPECT_FALSE(strict.valid) << c.name;
        EXPECT_FALSE(strict.message.isEmpty()) << c.name;
    }
}

TEST(StrictDecode, IntactPictureDecodesAsUsual)
{
    TempDir dir;
    const QString path = dir.write(QStringLiteral("p.jpg"), cameraPicture());
    JpegHandler lenient;
    JpegHandler strict;
    strict.strictDecode = true;
    const PixelBuffer a = lenient.decodeFile(path, 0, 0, 1, 1, false);
    const PixelBuffer b = strict.decodeFile(path, 0, 0, 1, 1, false);
    ASSERT_FALSE(b.empty()) << strict.message.toStdString();
    ASSERT_EQ(a.byteCount(), b.byteCount());
    EXPECT_EQ(std::memcmp(a.data.get(), b.data.get(), a.byteCount()), 0);
}

} // namespace
} // namespace vistello
