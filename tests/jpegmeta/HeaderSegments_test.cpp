// The header walk, the collectors, ICC assembly and the thumbnail search on
// hand-built header runs.
#include "jpegmeta/MetaFixtures.h"
#include "jpegmeta/extras/EmbeddedThumbnail.h"
#include "jpegmeta/segments/HeaderCollector.h"
#include "jpegmeta/segments/HeaderWalk.h"
#include "jpegmeta/segments/IccProfile.h"
#include "jpegmeta/segments/JpegFile.h"

#include <gtest/gtest.h>

using namespace vistello;
using vistello::test::jpegWith;
using vistello::test::segment;
using vistello::test::segmentHead;

namespace {

const QByteArray kSoi("\xFF\xD8", 2);
const QByteArray kDqt = segment(0xDB, QByteArray(65, '\x01'));

struct WalkCase {
    const char* name;
    QByteArray file;
    std::optional<int64_t> headerEnd;
    int64_t segments;
    bool lengthsValid;
};

class HeaderWalk : public ::testing::TestWithParam<WalkCase> {};

TEST_P(HeaderWalk, EndsWhereTheRunEnds)
{
    const WalkCase& c = GetParam();
    MemoryByteSource source(c.file);
    const HeaderWalkResult walk = walkHeaderRun(source);
    EXPECT_EQ(walk.headerEnd, c.headerEnd);
    EXPECT_EQ(walk.segmentCount, c.segments);
    EXPECT_EQ(walk.lengthsValid, c.lengthsValid);
}

INSTANTIATE_TEST_SUITE_P(Segments, HeaderWalk, ::testing::Values(
    WalkCase{"Empty", {}, std::nullopt, 0, true},
    WalkCase{"SoiOnly", kSoi, std::nullopt, 0, true},
    WalkCase{"DqtAfterSoi", kSoi + kDqt, 2, 0, true},
    WalkCase{"AppThenDqt", kSoi + segment(0xE0, "JFIF") + segment(0xFE, "x") + kDqt, 15, 2, true},
    WalkCase{"GarbageSoiIsNotChecked", QByteArray("ab") + segment(0xE1, "x") + kDqt, 7, 1, true},
    WalkCase{"LengthPastTheEnd", kSoi + segmentHead(0xE1, 5000) + "abc", std::nullopt, 1, true},
    WalkCase{"HeadCutOff", kSoi + QByteArray("\xFF\xE1\x00", 3), std::nullopt, 0, true},
    WalkCase{"RunToTheEnd", kSoi + segment(0xE2, "abc"), std::nullopt, 1, true},
    WalkCase{"NotAMarker", kSoi + segment(0xE0, "a") + "\x12\x34", 7, 1, true},
    WalkCase{"LengthZero", kSoi + segmentHead(0xE0, 0) + kDqt, 4, 1, false},
    WalkCase{"LengthOne", kSoi + segmentHead(0xE0, 1) + "\xFF\xDB" + kDqt.mid(2), 5, 1, false},
    WalkCase{"FillBytes", kSoi + "\xFF\xFF\xFF" + segment(0xE1, "x") + "\xFF\xFF" + kDqt, 10, 1, true},
    WalkCase{"FillToTheEnd", kSoi + QByteArray(9000, '\xFF'), std::nullopt, 0, true}),
    [](const auto& p) { return std::string(p.param.name); });

// Counts the bytes a reader takes from a source.
class CountingSource final : public ByteSource {
public:
    explicit CountingSource(const QByteArray& bytes) : inner_(bytes) {}
    int64_t size() const override { return inner_.size(); }
    QByteArray read(int64_t offset, int64_t n) override
    {
        const QByteArray got = inner_.read(offset, n);
        bytesRead += got.size();
        return got;
    }
    int64_t bytesRead = 0;

private:
    MemoryByteSource inner_;
};

TEST(Segments, LargePictureHeaderIsReadWithoutTheRest)
{
    test::TiffBytes t(true);
    t.directory(8, 1);
    t.shortEntry(8, 0, 0x0112, 6);
    QByteArray file = jpegWith({segment(0xE0, "JFIF"), t.app1Segment(), segment(0xFE, "note")});
    file += QByteArray(20 * 1024 * 1024, '\x55');
    CountingSource source(file);
    const HeaderData data = collectHeaderData(source, CollectFromFile{true, true, true, true});
    EXPECT_TRUE(data.hasExif());
    EXPECT_EQ(data.comment, QByteArray("note"));
    EXPECT_LT(source.bytesRead, 64 * 1024);
}

TEST(Segments, WholeSegmentRuns)
{
    EXPECT_TRUE(isWholeSegmentRun({}));
    EXPECT_TRUE(isWholeSegmentRun(segment(0xE1, "abc") + segment(0xFE, "")));
    EXPECT_FALSE(isWholeSegmentRun(segment(0xE1, "abc") + "x"));
    EXPECT_FALSE(isWholeSegmentRun(segment(0xE1, "abc").chopped(1)));
    EXPECT_FALSE(isWholeSegmentRun(segment(0xE1, "abc") + kDqt));
    EXPECT_FALSE(isWholeSegmentRun(segmentHead(0xE0, 0) + segmentHead(0xE0, 2)));
    EXPECT_FALSE(isWholeSegmentRun(kSoi + segment(0xE1, "abc")));
}

TEST(Segments, JpegFileListsSegmentsWithPayloads)
{
    MemoryByteSource source(jpegWith({segment(0xE0, "JFIF"), segment(0xED, "iptc")}));
    JpegFile file;
    ASSERT_TRUE(file.read(source, true));
    ASSERT_EQ(file.segments().size(), 2u);
    EXPECT_EQ(file.segments()[1].offset, 10);
    EXPECT_EQ(file.segments()[1].marker, 0xED);
    EXPECT_EQ(file.segments()[1].length, 6);
    EXPECT_EQ(file.segments()[1].payload, QByteArray("iptc"));
    EXPECT_EQ(file.headerEnd(), 18);
    EXPECT_FALSE(JpegFile().read(QStringLiteral("/nonexistent/x.jpg")));
}

const QByteArray kAudio = QByteArray("x\0", 2) + QByteArray("A\0u\0d\0i\0o\0 \0S\0t\0r\0e\0a\0m\0", 24);

TEST(HeaderCollector, FromFile)
{
    const QByteArray exif = QByteArray("Exif\0\0MM\0\x2A\0\0\0\x08", 14);
    const QByteArray file = jpegWith({segment(0xE1, "http://ns.adobe.com/xap/1.0/\0<x/>"), segment(0xE1, exif),
                                      segment(0xEC, ""), segment(0xEC, "camera"), segment(0xFE, "first"),
                                      segment(0xFE, "second"), segment(0xED, ""), segment(0xED, "late"),
                                      segment(0xE2, kAudio)});
    MemoryByteSource source(file);
    const HeaderData all = collectHeaderData(source, CollectFromFile{true, true, true, true});
    EXPECT_EQ(all.exifBase, 10);
    EXPECT_EQ(all.exifBytes, segment(0xE1, exif)) << "the EXIF block, not the XMP packet before it";
    EXPECT_EQ(all.app12, QByteArray("camera")) << "an APP12 too short to keep does not count";
    EXPECT_EQ(all.comment, QByteArray("first"));
    EXPECT_TRUE(all.iptcSeen);
    EXPECT_TRUE(all.iptc.isEmpty()) << "the first APP13 counts even when it is too short";
    EXPECT_TRUE(all.hasAudio);

    const HeaderData exifOnly = collectHeaderData(source, CollectFromFile{});
    EXPECT_EQ(exifOnly.exifBytes, segment(0xE1, exif));
    EXPECT_TRUE(exifOnly.comment.isEmpty());
}

TEST(HeaderCollector, ExifSegmentMustLieWithinTheFile)
{
    // A segment two bytes short of its length: the old check let it through.
    QByteArray file = kSoi + segment(0xE1, QByteArray("Exif\0\0II*\0\x08\0\0\0", 14));
    MemoryByteSource whole(file);
    EXPECT_EQ(collectHeaderData(whole, {}).exifBytes.size(), 18);
    MemoryByteSource cut(file.chopped(2));
    EXPECT_FALSE(collectHeaderData(cut, {}).hasExif());
    EXPECT_FALSE(collectHeaderData(QStringLiteral("/nonexistent/x.jpg"), {}).hasExif());
}

std::vector<SavedMarkerView> viewsOf(const std::vector<std::pair<uint8_t, QByteArray>>& list)
{
    std::vector<SavedMarkerView> views;
    for (const auto& [marker, data] : list)
        views.push_back({marker, uint32_t(data.size()), reinterpret_cast<const uint8_t*>(data.constData()),
                         uint32_t(data.size())});
    return views;
}

QByteArray iccChunk(int sequence, int count, const QByteArray& data)
{
    return QByteArray("ICC_PROFILE\0", 12) + char(sequence) + char(count) + data;
}

TEST(HeaderCollector, FromSavedMarkers)
{
    const std::vector<std::pair<uint8_t, QByteArray>> list = {
        {0xFE, "c1"}, {0xE1, QByteArray("Exif\0\0II", 8)}, {0xED, "iptc"}, {0xE2, iccChunk(1, 1, "p")},
        {0xE2, kAudio}, {0xFE, "c2"}};
    const std::vector<SavedMarkerView> views = viewsOf(list);
    const HeaderData data = collectHeaderData(views, CollectFromMarkers{true, true, true});
    EXPECT_EQ(data.exifBase, 6);
    EXPECT_EQ(data.exifBytes, QByteArray("Exif\0\0II", 8));
    EXPECT_EQ(data.iptc, QByteArray("iptc"));
    EXPECT_TRUE(data.hasIcc);
    EXPECT_TRUE(data.hasAudio);
    EXPECT_EQ(data.comment, QByteArray("c1"));
    const HeaderData bare = collectHeaderData(views, CollectFromMarkers{});
    EXPECT_FALSE(bare.hasIcc);
    EXPECT_TRUE(bare.iptc.isEmpty());
}

struct IccCase {
    const char* name;
    std::vector<std::pair<uint8_t, QByteArray>> markers;
    std::optional<QByteArray> profile;
};

class IccAssembly : public ::testing::TestWithParam<IccCase> {};

TEST_P(IccAssembly, ChunksInSequence)
{
    const std::vector<SavedMarkerView> views = viewsOf(GetParam().markers);
    EXPECT_EQ(assembleIccProfile(views), GetParam().profile);
}

INSTANTIATE_TEST_SUITE_P(Segments, IccAssembly, ::testing::Values(
    IccCase{"None", {{0xE2, "other"}}, std::nullopt},
    IccCase{"OneAndThreeOfThree", {{0xE2, iccChunk(1, 3, "a")}, {0xE2, iccChunk(3, 3, "c")}}, std::nullopt},
    IccCase{"OutOfOrder", {{0xE2, iccChunk(2, 2, "second")}, {0xE1, "x"}, {0xE2, iccChunk(1, 2, "first")}},
            QByteArray("firstsecond")},
    IccCase{"Repeated", {{0xE2, iccChunk(1, 2, "a")}, {0xE2, iccChunk(1, 2, "a")}}, std::nullopt},
    IccCase{"CountsDiffer", {{0xE2, iccChunk(1, 2, "a")}, {0xE2, iccChunk(2, 3, "b")}}, std::nullopt},
    IccCase{"SequenceZero", {{0xE2, iccChunk(0, 1, "a")}}, std::nullopt},
    IccCase{"NoData", {{0xE2, iccChunk(1, 1, "")}}, std::nullopt},
    IccCase{"NotApp2", {{0xE1, iccChunk(1, 1, "a")}}, std::nullopt}),
    [](const auto& p) { return std::string(p.param.name); });

QByteArray tinyJpeg(char fill) { return QByteArray("\xFF\xD8\xFF\xDB", 4) + QByteArray(6, fill) + "\xFF\xD9"; }

EmbeddedThumbnail thumbnailOf(const QByteArray& file)
{
    MemoryByteSource source(file);
    return findEmbeddedThumbnail(source);
}

TEST(EmbeddedThumbnail, JfxxWithJpegCodeOnly)
{
    const QByteArray thumb = tinyJpeg('j');
    EXPECT_EQ(thumbnailOf(jpegWith({segment(0xE0, QByteArray("JFXX\0\x10", 6) + thumb)})).bytes, thumb);
    for (char code : {'\x11', '\x13'})
        EXPECT_TRUE(thumbnailOf(jpegWith({segment(0xE0, QByteArray("JFXX\0", 5) + code + thumb.mid(2))})).bytes.isEmpty());
}

TEST(EmbeddedThumbnail, ExifIfd1ThumbnailGetsItsEoi)
{
    const QByteArray thumb = tinyJpeg('e').chopped(2);
    test::TiffBytes t(false, 100 + thumb.size());
    t.directory(8, 0, 20);
    t.directory(20, 3);
    t.shortEntry(20, 0, 0x0103, 6);
    t.entry(20, 1, 0x0201, 4, 1, 100);
    t.entry(20, 2, 0x0202, 4, 1, uint32_t(thumb.size()));
    t.putRaw(100, thumb);
    EXPECT_EQ(thumbnailOf(jpegWith({t.app1Segment()})).bytes, thumb + "\xFF\xD9");

    t.entry(20, 2, 0x0202, 4, 1, uint32_t(thumb.size() + 1)); // one byte past the block
    EXPECT_TRUE(thumbnailOf(jpegWith({t.app1Segment()})).bytes.isEmpty());
}

TEST(EmbeddedThumbnail, SearchInsideSegments)
{
    const QByteArray thumb = tinyJpeg('s');
    EXPECT_EQ(thumbnailOf(jpegWith({segment(0xE3, "xx" + thumb + "tail")})).bytes, thumb);
    // Not at payload position 0, and the start must fit four bytes inside the payload.
    EXPECT_TRUE(thumbnailOf(jpegWith({segment(0xE3, thumb)})).bytes.isEmpty());
    EXPECT_TRUE(thumbnailOf(jpegWith({segment(0xE3, QByteArray("x\xFF\xD8\xFF", 4))})).bytes.isEmpty());
    EXPECT_TRUE(thumbnailOf(jpegWith({segment(0xE3, QByteArray("x\xFF\xD8\xFF\xDB", 5))})).bytes.isEmpty());
    EXPECT_TRUE(findJpegInPayload(QByteArray("x\xFF\xD8\xFF\xDB\xFF", 6)).isEmpty()) << "no end";
    const EmbeddedThumbnail withSound = thumbnailOf(jpegWith({segment(0xE2, kAudio)}));
    EXPECT_TRUE(withSound.hasAudio);
    EXPECT_TRUE(withSound.bytes.isEmpty());
}

} // namespace
