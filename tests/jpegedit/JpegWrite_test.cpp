// Writing decoded pictures as JPEG: the option string, the thumbnail of a
// new file, and what a rewritten file keeps, judged by djpeg and exiftool.
#include "app/samples/SamplePicture.h"
#include "imaging/DecodeFixtures.h"
#include "jpegedit/TransformFixtures.h"
#include "jpegedit/jpegwrite/JfxxThumbnail.h"
#include "jpegedit/jpegwrite/WriteJpeg.h"
#include "jpegmeta/extras/EmbeddedThumbnail.h"
#include "imaging/decode/JpegDecoder.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstring>
#include <gtest/gtest.h>

namespace vistello {
namespace {

using test::TempDir;
using test::sampletools::headerMarkers;
using test::sampletools::runTool;

PixelBuffer pixelsOf(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    PixelBuffer buffer;
    buffer.width = rgb.width();
    buffer.height = rgb.height();
    buffer.data = std::make_unique<uint8_t[]>(buffer.byteCount());
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(buffer.data.get() + buffer.rowBytes() * size_t(y), rgb.constScanLine(y), buffer.rowBytes());
    return buffer;
}

// The APPn and COM markers of the header, in order.
QByteArray segmentMarkers(const QByteArray& jpeg)
{
    QByteArray kept;
    for (const char m : headerMarkers(jpeg))
        if (uint8_t(m) >= 0xE0)
            kept.append(m);
    return kept;
}

struct OptionCase {
    const char* text;
    JpegQualities expected;
};

TEST(JpegOptions, ReadAsTwoNumbersWithDefaults)
{
    const OptionCase cases[] = {
        {"75", {75, 90}}, {"75,40", {75, 40}}, {"", {90, 90}},      {"abc", {90, 90}},
        {"60,x", {60, 90}}, {"150,-3", {100, 0}}, {" 50, 20", {50, 20}}, {"99999999999999999,7", {100, 7}},
    };
    for (const OptionCase& c : cases)
        EXPECT_EQ(parseJpegOptions(QString::fromLatin1(c.text)), c.expected) << c.text;
    EXPECT_EQ(formatJpegOptions({75, 40}), QStringLiteral("75,40"));
    EXPECT_EQ(resolveJpegQualities(30, -1, u"75,40"), (JpegQualities{30, 40}));
}

TEST(JfxxThumbnail, FitsTheLimitingSideIntoTheBox)
{
    const struct {
        QSize picture, thumbnail;
    } cases[] = {
        {{2048, 1536}, {160, 120}}, {{300, 200}, {}}, {{1600, 900}, {160, 90}},
        {{900, 1600}, {67, 120}},   {{320, 10}, {160, 5}}, {{319, 239}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(jfxxThumbnailSize(c.picture.width(), c.picture.height()), c.thumbnail) << c.picture.width();
}

TEST(WriteJpeg, NewFileGetsJfifAndJfxxThumbnailWhenLargeEnough)
{
    TempDir dir;
    for (const QSize size : {QSize(400, 300), QSize(300, 200)}) {
        const PixelBuffer pixels = pixelsOf(test::transform::testPattern(size.width(), size.height()));
        PictureWriteRequest request;
        request.path = dir.file(QStringLiteral("new%1.jpg").arg(size.width()));
        request.pixels = &pixels;
        ASSERT_TRUE(writeJpeg(request, QString()));
        const QByteArray file = test::readAll(request.path);
        const bool thumbnail = size.width() >= 320;
        EXPECT_EQ(headerMarkers(file).left(thumbnail ? 2 : 1), thumbnail ? QByteArray("\xE0\xE0") : QByteArray("\xE0"));
        JpegHeaderInfo header;
        ASSERT_TRUE(readJpegHeader(request.path, header));
        EXPECT_EQ(header.mcuWidth, 8); // every component 1 x 1
        if (thumbnail) {
            const QByteArray jfxx = findEmbeddedThumbnail(request.path).bytes;
            ASSERT_TRUE(readJpegHeader(reinterpret_cast<const uint8_t*>(jfxx.constData()), size_t(jfxx.size()), header));
            EXPECT_EQ(QSize(header.imageWidth, header.imageHeight), QSize(160, 120));
        }
        if (test::sampletools::toolAvailable(QStringLiteral("djpeg")))
            EXPECT_FALSE(test::transform::decodeWithDjpeg(request.path).isEmpty());
    }
}

// A camera picture with the segments a rewrite must keep, and the Adobe
// segment of an RGB-coded file (transform 0) that it must not.
QByteArray cameraPicture()
{
    samples::SamplePictureRecipe recipe;
    recipe.displaySize = QSize(320, 240);
    recipe.comment = "kept comment";
    recipe.extraMarkers = {{0xED, QByteArray("Photoshop 3.0\0", 14)},
                         {0xEE, QByteArray("Adobe\0\x64\0\0\0\0\0", 12)}};
    return samples::buildSamplePicture(recipe);
}

TEST(WriteJpeg, RewriteKeepsSegmentsFixesExifSizeAndDatesTheFile)
{
    TempDir dir;
    const QByteArray source = cameraPicture();
    const QString path = dir.write(QStringLiteral("cam.jpg"), source);
    QImage solid(200, 100, QImage::Format_RGB888);
    solid.fill(QColor(200, 120, 40));
    const PixelBuffer pixels = pixelsOf(solid);
    PictureWriteRequest request;
    request.path = path;
    request.pixels = &pixels;
    request.newFile = false;
    QString error;
    ASSERT_TRUE(writeJpeg(request, QStringLiteral("80"), &error)) << error.toStdString();

    EXPECT_EQ(segmentMarkers(source), QByteArray("\xE1\xFE\xED\xEE"));
    EXPECT_EQ(segmentMarkers(test::readAll(path)), QByteArray("\xE1\xFE\xED"));
    EXPECT_EQ(QFileInfo(path).lastModified(), QDateTime::fromString(QStringLiteral("2023:06:14 10:15:00"), QStringLiteral("yyyy:MM:dd HH:mm:ss")));
    if (test::sampletools::toolAvailable(QStringLiteral("exiftool"))) {
        const auto run = runTool(QStringLiteral("exiftool"), {"-n", "-s3", "-ExifImageWidth", "-ExifImageHeight", path});
        EXPECT_EQ(run.out, QByteArray("200\n100\n"));
    }
    // Regression: with the source's Adobe segment (RGB coding) copied, any
    // reader took the YCbCr data for RGB and the colours came out wrong.
    if (test::sampletools::toolAvailable(QStringLiteral("djpeg"))) {
        const QImage decoded = test::decode::readPnm(test::transform::decodeWithDjpeg(path));
        ASSERT_FALSE(decoded.isNull());
        const QColor centre = decoded.pixelColor(100, 50);
        EXPECT_NEAR(centre.red(), 200, 3);
        EXPECT_NEAR(centre.green(), 120, 3);
        EXPECT_NEAR(centre.blue(), 40, 3);
    }
}

TEST(WriteJpeg, RewriteKeepsTheOldSamplingOnlyWhenAsked)
{
    TempDir dir;
    const PixelBuffer pixels = pixelsOf(test::transform::testPattern(64, 48));
    for (const bool fullChroma : {false, true}) {
        const QString path = dir.write(QStringLiteral("s%1.jpg").arg(fullChroma), test::transform::encodeLayout(test::transform::Layout::Yuv420, 64, 48));
        PictureWriteRequest request;
        request.path = path;
        request.pixels = &pixels;
        request.newFile = false;
        request.fullChroma = fullChroma;
        ASSERT_TRUE(writeJpeg(request, QString()));
        JpegHeaderInfo header;
        ASSERT_TRUE(readJpegHeader(path, header));
        EXPECT_EQ(header.mcuWidth, fullChroma ? 8 : 16);
    }
}

TEST(WriteJpeg, WriteProtectedOrUnreadableTargetStaysAsItWas)
{
    TempDir dir;
    const PixelBuffer pixels = pixelsOf(test::transform::testPattern(32, 32));
    const QByteArray source = cameraPicture();
    const QString protectedPath = dir.write(QStringLiteral("ro.jpg"), source);
    QFile::setPermissions(protectedPath, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    const QString notJpeg = dir.write(QStringLiteral("text.jpg"), "not a picture");
    for (const QString& path : {protectedPath, notJpeg}) {
        const QByteArray before = test::readAll(path);
        PictureWriteRequest request;
        request.path = path;
        request.pixels = &pixels;
        request.newFile = false;
        QString error;
        EXPECT_FALSE(writeJpeg(request, QString(), &error)) << path.toStdString();
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(test::readAll(path), before);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2); // no temporary file left
}

} // namespace
} // namespace vistello
