// The JPEG handler against djpeg on the same files, and its behaviour on
// damaged, hostile and stopped input.
#include "app/SampleTools.h"
#include "app/samples/SamplePicture.h"
#include "imaging/DecodeFixtures.h"
#include "imaging/decode/DecodeMessage.h"
#include "imaging/decode/JpegHandler.h"
#include "imaging/decode/PictureLoader.h"
#include "jpegmeta/segments/HeaderWalk.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <thread>

using namespace vistello;
using namespace vistello::test;
using namespace vistello::test::decode;
using sampletools::runTool;

namespace {

PixelBuffer decodeAt(const QByteArray& jpeg, int num, int den, bool fast = false)
{
    JpegHandler handler;
    handler.fastDecode = fast;
    return handler.decodeMemory(reinterpret_cast<const uint8_t*>(jpeg.constData()), size_t(jpeg.size()), 0, 0, num,
                                den, false);
}

QImage djpeg(const QString& path, int num, const QStringList& extra = {})
{
    const auto run = runTool(QStringLiteral("djpeg"),
                             QStringList{QStringLiteral("-scale"), QStringLiteral("%1/8").arg(num)} + extra
                                 + QStringList{QStringLiteral("-pnm"), path});
    return run.exitCode == 0 ? readPnm(run.out) : QImage();
}

struct DjpegCase {
    const char* name;
    samples::ChromaSampling sampling;
    bool progressive;
    bool fast;
};

class HandlerMatchesDjpeg : public testing::TestWithParam<DjpegCase> {};

TEST_P(HandlerMatchesDjpeg, ByteForByteAtEveryScale)
{
    SKIP_WITHOUT_TOOL("djpeg");
    const DjpegCase& c = GetParam();
    samples::JpegWriteOptions options;
    options.sampling = c.sampling;
    options.progressive = c.progressive;
    QImage picture = scene(333, 250); // odd sizes: partial MCUs at the edges
    if (c.sampling == samples::ChromaSampling::Grey)
        picture = picture.convertToFormat(QImage::Format_Grayscale8);
    const QByteArray jpeg = encode(picture, options);
    ASSERT_FALSE(jpeg.isEmpty());
    TempDir dir;
    const QString path = dir.write(QStringLiteral("p.jpg"), jpeg);
    // djpeg -nosmooth turns fancy upsampling off; block smoothing has no switch,
    // and baseline files have nothing to smooth.
    const QStringList extra = c.fast ? QStringList{QStringLiteral("-dct"), QStringLiteral("fast"), QStringLiteral("-nosmooth")}
                                     : QStringList{};
    for (int n = 1; n <= 16; ++n) {
        const QImage expected = djpeg(path, n, extra);
        ASSERT_FALSE(expected.isNull()) << "djpeg at " << n << "/8";
        const QImage got = toImage(decodeAt(jpeg, n, 8, c.fast));
        const PixelDiff d = compare(got, expected);
        ASSERT_TRUE(d.sameSize) << n << "/8: " << got.width() << "x" << got.height();
        EXPECT_EQ(d.maxDiff, 0) << n << "/8";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, HandlerMatchesDjpeg,
    testing::Values(DjpegCase{"Yuv420", samples::ChromaSampling::Yuv420, false, false},
                    DjpegCase{"Yuv422", samples::ChromaSampling::Yuv422, false, false},
                    DjpegCase{"Yuv444", samples::ChromaSampling::Yuv444, false, false},
                    DjpegCase{"Grey", samples::ChromaSampling::Grey, false, false},
                    DjpegCase{"Progressive420", samples::ChromaSampling::Yuv420, true, false},
                    DjpegCase{"Fast420", samples::ChromaSampling::Yuv420, false, true},
                    DjpegCase{"Fast422", samples::ChromaSampling::Yuv422, false, true}),
    [](const testing::TestParamInfo<DjpegCase>& p) { return std::string(p.param.name); });

TEST(JpegHandler, WorkedExampleDecodesAtThreeEighthsThenFitsTo800x533)
{
    ensureBuiltIns();
    TempDir dir;
    const QString path = dir.write(QStringLiteral("big.jpg"), encode(scene(3000, 2000)));
    PictureRequest request;
    request.path = path;
    request.boxWidth = 800;
    request.boxHeight = 600;
    const std::optional<HandlerOutput> raw = decodeWithHandler(request);
    ASSERT_TRUE(raw);
    EXPECT_EQ(raw->pixels.width, 1125);
    EXPECT_EQ(raw->pixels.height, 750);
    EXPECT_EQ(raw->fileWidth, 3000);
    EXPECT_EQ(raw->mcuWidth, 16);
    const std::optional<CachedPicture> picture = loadPicture(request);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->image.size(), QSize(800, 533));
}

TEST(JpegHandler, GreyPicturesGiveThreeEqualChannels)
{
    const QImage grey = scene(64, 48).convertToFormat(QImage::Format_Grayscale8);
    samples::JpegWriteOptions options;
    options.sampling = samples::ChromaSampling::Grey;
    const PixelBuffer out = decodeAt(encode(grey, options), 1, 1);
    ASSERT_FALSE(out.empty());
    for (size_t i = 0; i < out.byteCount(); i += 3) {
        ASSERT_EQ(out.data[i], out.data[i + 1]);
        ASSERT_EQ(out.data[i], out.data[i + 2]);
    }
}

TEST(JpegHandler, TruncatedFileShowsTheWrittenPart)
{
    TempDir dir;
    const QByteArray whole = encode(scene(320, 240));
    const QString full = dir.write(QStringLiteral("full.jpg"), whole);
    const QString cut = dir.write(QStringLiteral("cut.jpg"), whole.left(whole.size() * 6 / 10));
    JpegHandler a;
    JpegHandler b;
    const QImage reference = toImage(a.decodeFile(full, 0, 0, 1, 1, false));
    const QImage partial = toImage(b.decodeFile(cut, 0, 0, 1, 1, false));
    ASSERT_EQ(partial.size(), reference.size());
    // The top rows were written whole.
    EXPECT_EQ(compare(partial.copy(0, 0, 320, 48), reference.copy(0, 0, 320, 48)).maxDiff, 0);
    EXPECT_GT(compare(partial, reference).maxDiff, 0);
}

TEST(JpegHandler, DamagedMainImageShowsTheEmbeddedThumbnail)
{
    ensureBuiltIns();
    samples::SamplePictureRecipe recipe;
    recipe.displaySize = QSize(640, 480);
    QByteArray bytes = samples::buildSamplePicture(recipe);
    MemoryByteSource source(bytes);
    const std::optional<int64_t> headerEnd = findHeaderEnd(source);
    ASSERT_TRUE(headerEnd);
    const qsizetype sof = bytes.indexOf(QByteArray("\xFF\xC0", 2), qsizetype(*headerEnd));
    ASSERT_GT(sof, 0);
    bytes[sof + 4] = 12; // 12-bit precision: the library refuses the main image
    TempDir dir;
    PictureRequest request;
    request.path = dir.write(QStringLiteral("damaged.jpg"), bytes);
    const std::optional<CachedPicture> picture = loadPicture(request);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->image.size(), QSize(160, 120));
}

TEST(JpegHandler, ZeroBoxKeepsTheFileSize)
{
    ensureBuiltIns();
    TempDir dir;
    PictureRequest request;
    request.path = dir.write(QStringLiteral("p.jpg"), encode(scene(500, 300)));
    const std::optional<CachedPicture> picture = loadPicture(request);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->image.size(), QSize(500, 300));
}

TEST(JpegHandler, HugeDeclaredSizeFailsCleanly)
{
    QByteArray jpeg = encode(scene(64, 48));
    const qsizetype sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(sof, 0);
    // 65000 × 65000 × 3 bytes does not fit 32 bits nor the buffer cap.
    jpeg[sof + 5] = char(0xFD);
    jpeg[sof + 6] = char(0xE8);
    jpeg[sof + 7] = char(0xFD);
    jpeg[sof + 8] = char(0xE8);
    JpegHandler handler;
    EXPECT_TRUE(handler.decodeMemory(reinterpret_cast<const uint8_t*>(jpeg.constData()), size_t(jpeg.size()), 0, 0,
                                     1, 1, false).empty());
    EXPECT_EQ(handler.outputWidth, 0);
    EXPECT_FALSE(handler.valid);
}

TEST(JpegHandler, ScanFloodIsRefused)
{
    samples::JpegWriteOptions options;
    options.progressive = true; // the library's default script has 10 scans
    const QByteArray jpeg = encode(scene(64, 48), options);
    JpegHandler handler;
    JpegDecodeLimits limits;
    limits.maxScans = 5;
    handler.setDecodeLimits(limits);
    const auto* data = reinterpret_cast<const uint8_t*>(jpeg.constData());
    EXPECT_TRUE(handler.decodeMemory(data, size_t(jpeg.size()), 0, 0, 1, 1, false).empty());
    EXPECT_EQ(lastDecodeMessage(), QStringLiteral("Too many scans in the picture"));
    handler.setDecodeLimits(JpegDecodeLimits{});
    EXPECT_FALSE(handler.decodeMemory(data, size_t(jpeg.size()), 0, 0, 1, 1, false).empty());
}

TEST(JpegHandler, RaisedStopFlagAbortsTheDecode)
{
    const QByteArray jpeg = encode(scene(200, 100));
    std::atomic<bool> stop{true};
    JpegHandler handler;
    handler.setStopFlag(&stop);
    EXPECT_TRUE(handler.decodeMemory(reinterpret_cast<const uint8_t*>(jpeg.constData()), size_t(jpeg.size()), 0, 0,
                                     1, 1, false).empty());
    EXPECT_EQ(lastDecodeMessage(), QStringLiteral("Decoding stopped"));
}

TEST(JpegHandler, EachThreadKeepsItsOwnMessage)
{
    const QByteArray junk("\xFF\xD8\xFF\xC0\x00\x03garbage", 12);
    JpegHandler handler;
    handler.decodeMemory(reinterpret_cast<const uint8_t*>(junk.constData()), size_t(junk.size()), 0, 0, 1, 1, false);
    const QString mine = lastDecodeMessage();
    ASSERT_FALSE(mine.isEmpty());
    std::thread other([] { setLastDecodeMessage("from another thread"); });
    other.join();
    EXPECT_EQ(lastDecodeMessage(), mine);
}

TEST(JpegHandler, ReadHeaderGivesSizesAndBlocks)
{
    TempDir dir;
    samples::JpegWriteOptions options;
    options.sampling = samples::ChromaSampling::Yuv422;
    const QString path = dir.write(QStringLiteral("h.jpg"), encode(scene(100, 60), options));
    JpegHandler handler;
    handler.readHeader(path);
    EXPECT_TRUE(handler.valid);
    EXPECT_EQ(handler.imageWidth, 100);
    EXPECT_EQ(handler.imageHeight, 60);
    EXPECT_EQ(handler.mcuWidth, 16);
    EXPECT_EQ(handler.mcuHeight, 8);
    handler.readHeader(dir.write(QStringLiteral("not.jpg"), QByteArray("hello")));
    EXPECT_FALSE(handler.valid);
}

} // namespace
