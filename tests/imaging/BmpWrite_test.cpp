// The BMP writer: header fields, row order and fill, and ImageMagick's BMP3
// output of the same pixels as the oracle.
#include "app/SampleTools.h"
#include "imaging/decode/BmpHandler.h"
#include "support/TempDir.h"

#include <QFile>
#include <cstring>
#include <gtest/gtest.h>

namespace vistello {
namespace {

using test::TempDir;

PixelBuffer pattern(int width, int height)
{
    PixelBuffer p;
    p.width = width;
    p.height = height;
    p.data = std::make_unique<uint8_t[]>(p.byteCount());
    for (size_t i = 0; i < p.byteCount(); ++i)
        p.data[i] = uint8_t(i * 37 + 11);
    return p;
}

uint32_t le32(const QByteArray& b, int at)
{
    return uint8_t(b[at]) | uint8_t(b[at + 1]) << 8 | uint8_t(b[at + 2]) << 16 | uint32_t(uint8_t(b[at + 3])) << 24;
}

TEST(BmpWrite, RowsBottomUpInBgrFilledToFourBytes)
{
    const struct {
        int width, height, rowBytes;
    } cases[] = {{1, 1, 4}, {3, 2, 12}, {4, 2, 12}, {5, 3, 16}};
    for (const auto& c : cases) {
        const PixelBuffer p = pattern(c.width, c.height);
        const QByteArray file = encodeBmp(p).value_or(QByteArray());
        ASSERT_EQ(file.size(), 54 + c.rowBytes * c.height) << c.width;
        EXPECT_EQ(file.left(2), QByteArray("BM"));
        EXPECT_EQ(le32(file, 2), uint32_t(file.size()));
        EXPECT_EQ(le32(file, 10), 54u);
        EXPECT_EQ(le32(file, 14), 40u);
        EXPECT_EQ(le32(file, 18), uint32_t(c.width));
        EXPECT_EQ(le32(file, 22), uint32_t(c.height));
        EXPECT_EQ(le32(file, 26), 1u | 24u << 16);
        EXPECT_EQ(file.mid(30, 24), QByteArray(24, '\0'));
        // The first stored row is the picture's last; its first pixel reversed.
        const uint8_t* last = p.data.get() + p.rowBytes() * size_t(c.height - 1);
        EXPECT_EQ(uint8_t(file[54]), last[2]);
        EXPECT_EQ(uint8_t(file[56]), last[0]);
        EXPECT_EQ(file.mid(54 + c.width * 3, c.rowBytes - c.width * 3), QByteArray(c.rowBytes - c.width * 3, '\0'));
    }
    EXPECT_FALSE(encodeBmp(PixelBuffer{}));
}

// ImageMagick also fills in the pixel data size, which this format leaves 0
// (allowed for uncompressed files); that field and the resolution differ.
TEST(BmpWrite, EqualsImageMagickBmp3ButImageSizeAndResolution)
{
    SKIP_WITHOUT_TOOL("convert");
    TempDir dir;
    const PixelBuffer p = pattern(7, 5);
    QByteArray ppm = "P6\n7 5\n255\n";
    ppm.append(reinterpret_cast<const char*>(p.data.get()), qsizetype(p.byteCount()));
    const QString input = dir.write(QStringLiteral("in.ppm"), ppm);
    const QString reference = dir.file(QStringLiteral("ref.bmp"));
    ASSERT_EQ(test::sampletools::runTool(QStringLiteral("convert"), {input, QStringLiteral("BMP3:") + reference}).exitCode, 0);

    BmpHandler handler;
    PictureWriteRequest request;
    request.path = dir.file(QStringLiteral("out.bmp"));
    request.pixels = &p;
    ASSERT_TRUE(handler.writePicture(request)) << handler.message.toStdString();
    QByteArray ours = test::readAll(request.path);
    QByteArray theirs = test::readAll(reference);
    ASSERT_EQ(ours.size(), theirs.size());
    constexpr int kImageSize = 34; // then horizontal and vertical pixels per metre
    ours.replace(kImageSize, 12, QByteArray(12, '\0'));
    theirs.replace(kImageSize, 12, QByteArray(12, '\0'));
    EXPECT_EQ(ours, theirs);
}

} // namespace
} // namespace vistello
