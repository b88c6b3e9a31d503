// EXIF upkeep after transforms: sizes, orientation and thumbnails, judged by
// exiftool and by jpegtran applied to the old thumbnail.
#include "app/samples/SamplePicture.h"
#include "jpegedit/TransformFixtures.h"
#include "jpegedit/exifupkeep/ExifFieldUpdate.h"
#include "jpegedit/transform/ThumbnailUpdate.h"
#include "jpegedit/transform/ExifOrientation.h"
#include "jpegedit/transform/TransformInMemory.h"
#include "jpegedit/transform/TransformJpegFile.h"
#include "jpegmeta/MetaFixtures.h"
#include "jpegmeta/segments/JpegMarkers.h"
#include "jpegmeta/segments/SavedMarkerReader.h"
#include "support/TempDir.h"

#include <QSet>
#include <gtest/gtest.h>

namespace vistello {
namespace {

using test::TempDir;
using namespace test::transform;
using test::sampletools::runTool;

QStringList exifValues(const QString& path, const QStringList& tags)
{
    QStringList args{"-n", "-s", "-s", "-s", "-f"};
    for (const QString& t : tags)
        args << QLatin1Char('-') + t;
    const auto run = runTool(QStringLiteral("exiftool"), args << path);
    return QString::fromUtf8(run.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QByteArray thumbnailOf(const QString& path)
{
    return runTool(QStringLiteral("exiftool"), {"-b", "-ThumbnailImage", path}).out;
}

QSet<QString> validationWarnings(const QString& path)
{
    const auto run = runTool(QStringLiteral("exiftool"), {"-validate", "-warning", "-a", "-s", path});
    QSet<QString> lines;
    for (const QString& line : QString::fromUtf8(run.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        if (!line.startsWith(QStringLiteral("Validate")))
            lines.insert(line);
    return lines;
}

const char* jpegtranOp(TransformOp op)
{
    switch (op) {
    case TransformOp::FlipH: return "-flip horizontal";
    case TransformOp::FlipV: return "-flip vertical";
    case TransformOp::Transpose: return "-transpose";
    case TransformOp::Transverse: return "-transverse";
    case TransformOp::Rotate90: return "-rotate 90";
    case TransformOp::Rotate180: return "-rotate 180";
    case TransformOp::Rotate270: return "-rotate 270";
    case TransformOp::None: break;
    }
    return "";
}

// The header segments other than EXIF, in order.
std::vector<std::pair<uint8_t, QByteArray>> otherSegments(const QString& path)
{
    std::vector<std::pair<uint8_t, QByteArray>> list;
    const auto markers = SavedMarkerList::read(path);
    if (!markers)
        return list;
    for (const SavedMarker& m : markers->markers())
        if (!jpeg::isExif(m.marker, reinterpret_cast<const uint8_t*>(m.data.constData()), m.data.size()))
            list.emplace_back(m.marker, m.data);
    return list;
}

class AutoRotate : public ::testing::TestWithParam<int> {};

// Auto-rotation of every orientation: upright pixels as jpegtran makes them,
// orientation 1, sizes swapped for the quarter turns, the thumbnail turned the
// same way, other segments unchanged and no new validation warnings.
TEST_P(AutoRotate, keepsTheExifTrue)
{
    SKIP_WITHOUT_TOOL("exiftool");
    SKIP_WITHOUT_TOOL("jpegtran");
    SKIP_WITHOUT_TOOL("djpeg");
    const int code = GetParam();
    samples::SamplePictureRecipe recipe;
    recipe.displaySize = QSize(200, 150);
    recipe.orientation = samples::Orientation(code);
    recipe.comment = "a comment";
    recipe.extraMarkers.push_back({0xEC, QByteArray("Ducky and friends")});
    TempDir dir;
    const QString path = dir.write(QStringLiteral("IMG_0001.jpg"), samples::buildSamplePicture(recipe));
    const QString before = dir.write(QStringLiteral("before.jpg"), test::readAll(path));
    const QStringList sizeBefore = exifValues(before, {"ExifImageWidth", "ExifImageHeight"});
    const QByteArray oldThumbnail = thumbnailOf(before);
    ASSERT_FALSE(oldThumbnail.isEmpty());

    ASSERT_TRUE(autoRotate(path, true).ok());

    const TransformOp op = uprightOp(ExifOrientation(code));
    const QString jpegtranArgs = QString::fromLatin1(jpegtranOp(op));
    const QByteArray expected = runJpegtran(QStringList{"-copy", "none", "-trim"} + jpegtranArgs.split(QLatin1Char(' ')), before);
    EXPECT_TRUE(decodeWithDjpeg(path) == decodeWithDjpeg(dir.write(QStringLiteral("e.jpg"), expected)));

    const QSize outSize = jpegSize(test::readAll(path));
    const QStringList after = exifValues(path, {"Orientation", "ExifImageWidth", "ExifImageHeight"});
    ASSERT_EQ(after.size(), 3);
    EXPECT_EQ(after[0], QStringLiteral("1"));
    EXPECT_EQ(after[1].toInt(), outSize.width());
    EXPECT_EQ(after[2].toInt(), outSize.height());
    if (swapsSides(op)) { // the sides swapped (a quarter turn may trim one of them)
        EXPECT_LE(outSize.width(), sizeBefore.value(1).toInt());
    }

    const QString oldThumbPath = dir.write(QStringLiteral("oldthumb.jpg"), oldThumbnail);
    const QByteArray expectedThumb =
        runJpegtran(QStringList{"-copy", "none", "-trim"} + jpegtranArgs.split(QLatin1Char(' ')), oldThumbPath);
    const QString newThumbPath = dir.write(QStringLiteral("newthumb.jpg"), thumbnailOf(path));
    EXPECT_TRUE(decodeWithDjpeg(newThumbPath) == decodeWithDjpeg(dir.write(QStringLiteral("et.jpg"), expectedThumb)));

    EXPECT_EQ(otherSegments(path), otherSegments(before));
    const QSet<QString> newWarnings = validationWarnings(path) - validationWarnings(before);
    EXPECT_TRUE(newWarnings.isEmpty()) << newWarnings.values().join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(ExifUpkeep, AutoRotate, ::testing::Range(2, 9));

TEST(ExifUpkeep, rotateRightSwapsDimensionsAndKeepsOrientation)
{
    SKIP_WITHOUT_TOOL("exiftool");
    samples::SamplePictureRecipe recipe;
    recipe.displaySize = QSize(320, 240);
    recipe.orientation = samples::Orientation::Rotate180;
    TempDir dir;
    const QString path = dir.write(QStringLiteral("IMG_0002.jpg"), samples::buildSamplePicture(recipe));
    TransformRequest request;
    request.op = TransformOp::Rotate90;
    ASSERT_TRUE(transformJpegInPlace(path, request).ok());
    EXPECT_EQ(exifValues(path, {"Orientation", "ExifImageWidth", "ExifImageHeight"}),
              (QStringList{"3", "240", "320"}));
}

TEST(ExifUpkeep, withoutAdjustingTheThumbnailStaysAsItWas)
{
    SKIP_WITHOUT_TOOL("exiftool");
    TempDir dir;
    const QString path = dir.write(QStringLiteral("IMG_0003.jpg"), samples::buildSamplePicture({}));
    const QByteArray thumbnail = thumbnailOf(path);
    TransformRequest request;
    request.op = TransformOp::Rotate270;
    ASSERT_TRUE(transformJpegInPlace(path, request).ok());
    EXPECT_EQ(thumbnailOf(path), thumbnail);
}

// Field updates on hand-made blocks in both byte orders.
class FieldUpdate : public ::testing::TestWithParam<bool> {};

TEST_P(FieldUpdate, rewritesDimensionsAsLongAndResetsOrientation)
{
    const bool little = GetParam();
    test::TiffBytes t(little, 256);
    t.directory(8, 2);
    t.shortEntry(8, 0, 0x0112, 6);
    t.entry(8, 1, 0x8769, 4, 1, 40);
    t.directory(40, 3);
    t.shortEntry(40, 0, 0xA002, 640);
    t.shortEntry(40, 1, 0xA003, 480);
    t.entry(40, 2, 0xA005, 4, 1, 100);
    t.directory(100, 2);
    t.shortEntry(100, 0, 0x1001, 640);
    t.shortEntry(100, 1, 0x1002, 480);
    QByteArray payload = t.app1Payload();
    ASSERT_TRUE(updateExifFields(reinterpret_cast<uint8_t*>(payload.data()), payload.size(),
                                 ExifFieldChanges{true, 480, 640, true}));
    test::TiffBytes expected(little, 256);
    expected.directory(8, 2);
    expected.shortEntry(8, 0, 0x0112, 1);
    expected.entry(8, 1, 0x8769, 4, 1, 40);
    expected.directory(40, 3);
    expected.entry(40, 0, 0xA002, 4, 1, 480);
    expected.entry(40, 1, 0xA003, 4, 1, 640);
    expected.entry(40, 2, 0xA005, 4, 1, 100);
    expected.directory(100, 2);
    expected.entry(100, 0, 0x1001, 4, 1, 480);
    expected.entry(100, 1, 0x1002, 4, 1, 640);
    EXPECT_EQ(payload, expected.app1Payload());
}

TEST_P(FieldUpdate, refusesDirectoryOffsetsAbove16Bits)
{
    test::TiffBytes t(GetParam(), 256, 65544);
    t.directory(8, 1);
    t.shortEntry(8, 0, 0x0112, 6);
    QByteArray payload = t.app1Payload();
    const QByteArray before = payload;
    EXPECT_FALSE(updateExifFields(reinterpret_cast<uint8_t*>(payload.data()), payload.size(),
                                  ExifFieldChanges{true, 1, 1, true}));
    EXPECT_EQ(payload, before);
}

INSTANTIATE_TEST_SUITE_P(ExifUpkeep, FieldUpdate, ::testing::Bool());

// An arithmetic-coded thumbnail grows when it is rewritten with Huffman
// coding; one that then no longer fits its segment keeps its old bytes.
TEST(ExifUpkeep, thumbnailThatNoLongerFitsIsKept)
{
    TransformRequest request;
    request.op = TransformOp::Transpose; // never trims, so nothing gets smaller
    const int room = int(jpeg::kMaxPayload) - 6; // JFXX prefix
    QByteArray thumbnail;
    size_t grownLength = 0;
    for (int w = 160; w < 2000 && thumbnail.isEmpty(); w += 4) {
        const QByteArray candidate = encodeLayout(Layout::Arithmetic, w, w * 3 / 4, 100, true);
        if (candidate.size() > room - 256) // room for the EXIF directories too
            break;
        QByteArray grown(2 * candidate.size(), '\0');
        if (transformJpegInMemory(MainPictureInfo{}, reinterpret_cast<const uint8_t*>(candidate.constData()),
                                  size_t(candidate.size()), reinterpret_cast<uint8_t*>(grown.data()),
                                  size_t(grown.size()), request, &grownLength) &&
            int(grownLength) > room)
            thumbnail = candidate;
    }
    if (thumbnail.isEmpty())
        GTEST_SKIP() << "no thumbnail size grows past the segment limit";

    SavedMarker jfxx{0xE0, 0, QByteArray("JFXX\0\x10", 6) + thumbnail};
    const QByteArray jfxxBefore = jfxx.data;
    EXPECT_FALSE(updateJfxxThumbnail(jfxx, MainPictureInfo{2400, 1800, 2, 2}, request));
    EXPECT_EQ(jfxx.data, jfxxBefore);

    samples::ExifBuilder exif(samples::TiffByteOrder::LittleEndian);
    exif.setThumbnail(thumbnail);
    SavedMarker app1{0xE1, 0, exif.buildApp1Payload()};
    ASSERT_LE(app1.data.size(), jpeg::kMaxPayload);
    const QByteArray app1Before = app1.data;
    EXPECT_FALSE(updateExifThumbnail(app1, MainPictureInfo{2400, 1800, 2, 2}, request));
    EXPECT_EQ(app1.data, app1Before);
}

// An EXIF thumbnail inside the maker note's data: rewritten in its own
// space, the segment keeps its size, leftover bytes stay initialised.
TEST(ExifUpkeep, thumbnailOverlappingTheMakerNoteIsRewrittenInPlace)
{
    SKIP_WITHOUT_TOOL("djpeg");
    const QByteArray thumbnail = encodeLayout(Layout::Yuv420, 48, 32);
    const int thumbAt = 200;
    test::TiffBytes t(true, thumbAt + thumbnail.size() + 64);
    t.directory(8, 1, 60);
    t.entry(8, 0, 0x8769, 4, 1, 30);
    t.directory(30, 1);
    t.entry(30, 0, 0x927C, 7, uint32_t(thumbnail.size() + 100), 150); // maker note covers the thumbnail
    t.directory(60, 3);
    t.shortEntry(60, 0, 0x0103, 6);
    t.entry(60, 1, 0x0201, 4, 1, thumbAt);
    t.entry(60, 2, 0x0202, 4, 1, uint32_t(thumbnail.size()));
    t.putRaw(thumbAt, thumbnail);
    SavedMarker segment{0xE1, 0, t.app1Payload()};
    const QByteArray before = segment.data;
    TransformRequest request;
    request.op = TransformOp::Rotate90;
    const MainPictureInfo main{480, 320, 2, 2};
    EXPECT_FALSE(updateExifThumbnail(segment, main, request)); // the locator refuses overlaps
    ASSERT_TRUE(updateThumbnailInside(segment, main, request));
    EXPECT_EQ(segment.data.size(), before.size());
    const int start = 6 + thumbAt;
    EXPECT_EQ(segment.data.left(start), before.left(start));
    const int end = start + thumbnail.size();
    EXPECT_EQ(segment.data.mid(end), before.mid(end));
    TempDir dir;
    const QString rotated = dir.write(QStringLiteral("t.jpg"), segment.data.mid(start, thumbnail.size()));
    const QByteArray pixels = decodeWithDjpeg(rotated);
    EXPECT_TRUE(pixels.startsWith("P6\n32 48\n")) << pixels.left(12).toStdString(); // 48 x 32 turned
}

} // namespace
} // namespace vistello
