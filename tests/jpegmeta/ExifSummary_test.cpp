// The EXIF summary, the picture date and the two thumbnail locators.
#include "jpegmeta/MetaFixtures.h"
#include "jpegmeta/exif/ExifDateTime.h"
#include "jpegmeta/exif/ExifSummary.h"
#include "jpegmeta/exif/PictureDate.h"
#include "jpegmeta/exif/ThumbnailLocator.h"
#include "support/TempDir.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace vistello;
using vistello::test::TiffBytes;

namespace {

ExifSummary summaryOf(const TiffBytes& t)
{
    const QByteArray payload = t.app1Payload();
    return readExifSummary(TiffBlock(payload, 6));
}

// IFD0 -> EXIF sub-IFD holding one entry whose data is at 200.
TiffBytes withExifEntry(bool little, uint16_t tag, uint16_t type, uint32_t count, const QByteArray& data)
{
    TiffBytes t(little);
    t.directory(8, 1);
    t.entry(8, 0, 0x8769, 4, 1, 100);
    t.directory(100, 1);
    t.entry(100, 0, tag, type, count, 200);
    t.putRaw(200, data);
    return t;
}

QByteArray rational(bool little, int32_t n, int32_t d)
{
    TiffBytes t(little, 8);
    t.put32(0, uint32_t(n));
    t.put32(4, uint32_t(d));
    return t.bytes;
}

struct DateCase {
    QByteArray text;
    uint32_t count;
    const char* expected; // empty: no date
};

class SummaryDate : public ::testing::TestWithParam<DateCase> {};

TEST_P(SummaryDate, DateTimeOriginal)
{
    const DateCase& c = GetParam();
    const ExifSummary s = summaryOf(withExifEntry(true, 0x9003, 2, c.count, c.text));
    EXPECT_EQ(s.dateTakenText, QString::fromLatin1(c.expected));
    EXPECT_EQ(s.dateTaken.isValid(), *c.expected != 0);
    EXPECT_EQ(s.dateTakenLocalised.isEmpty(), *c.expected == 0);
}

INSTANTIATE_TEST_SUITE_P(ExifSummary, SummaryDate,
    ::testing::Values(DateCase{QByteArray("2004:02:29 13:05:09\0", 20), 20, "2004-02-29 13:05:09"},
                      DateCase{QByteArray("0000:00:00 00:00:00\0", 20), 20, ""},
                      DateCase{QByteArray("2004:02:29 13:05:09\0", 20), 19, ""},
                      DateCase{QByteArray("2003:02:29 13:05:09\0", 20), 20, ""},
                      DateCase{QByteArray("    :  :     :  :  \0", 20), 20, ""}));

struct CommentCase {
    const char* name;
    QByteArray bytes;
    QString expected;
};

class SummaryUserComment : public ::testing::TestWithParam<CommentCase> {};

TEST_P(SummaryUserComment, DecodedByItsCode)
{
    const CommentCase& c = GetParam();
    EXPECT_EQ(summaryOf(withExifEntry(false, 0x9286, 7, uint32_t(c.bytes.size()), c.bytes)).userComment, c.expected);
}

INSTANTIATE_TEST_SUITE_P(ExifSummary, SummaryUserComment,
    ::testing::Values(
        CommentCase{"Ascii", QByteArray("ASCII\0\0\0Hello\0\0\0\0\0", 18), QStringLiteral("Hello")},
        CommentCase{"Jis", QByteArray("JIS\0\0\0\0\0\x93\xfa\x96\x7b", 12), QString::fromUtf8("日本")},
        CommentCase{"UnicodeBlockOrder", QByteArray("UNICODE\0\0H\0i", 12), QStringLiteral("Hi")},
        CommentCase{"UnicodeWithMark", QByteArray("UNICODE\0\xFF\xFEH\0i\0", 14), QStringLiteral("Hi")},
        CommentCase{"EmptyCode", QByteArray("\0\0\0\0\0\0\0\0 x\x01y ", 13), QStringLiteral("xy")},
        CommentCase{"OnlyZeros", QByteArray(40, '\0'), QString()}),
    [](const auto& p) { return std::string(p.param.name); });

struct ApexCase {
    int32_t numerator;
    int32_t denominator;
    int32_t shutter;
};

class SummaryShutter : public ::testing::TestWithParam<ApexCase> {};

TEST_P(SummaryShutter, FromApex)
{
    const ApexCase& c = GetParam();
    const ExifSummary s = summaryOf(withExifEntry(true, 0x9201, 10, 1, rational(true, c.numerator, c.denominator)));
    EXPECT_EQ(s.shutterFromApex, c.shutter);
}

INSTANTIATE_TEST_SUITE_P(ExifSummary, SummaryShutter,
    ::testing::Values(ApexCase{8, 1, 256}, ApexCase{0, 1, -10}, ApexCase{-1, 1, -20}, ApexCase{5, 0, 0},
                      ApexCase{2000000000, 1, 2147483647}, ApexCase{-2000000000, 1, -2147483647 - 1}));

TEST(ExifSummary, FNumberKeptOnlyBetween0And50)
{
    EXPECT_EQ(summaryOf(withExifEntry(true, 0x829D, 5, 1, rational(true, 0, 0))).fNumber, 0);
    EXPECT_EQ(summaryOf(withExifEntry(true, 0x829D, 5, 1, rational(true, 56, 1))).fNumber, 0);
    EXPECT_DOUBLE_EQ(summaryOf(withExifEntry(false, 0x829D, 5, 1, rational(false, 28, 10))).fNumber, 2.8);
    EXPECT_NEAR(summaryOf(withExifEntry(true, 0x9202, 5, 1, rational(true, 4, 1))).apertureFromApex, 4.0, 1e-5);
    EXPECT_DOUBLE_EQ(summaryOf(withExifEntry(true, 0x829A, 5, 1, rational(true, 1, 250))).exposureTime, 0.004);
}

TEST(ExifSummary, ModelAndOrientation)
{
    TiffBytes t(false);
    t.directory(8, 2, 100);
    t.entry(8, 0, 0x0110, 2, 7, 60);
    t.putRaw(60, QByteArray("VX\t200\0", 7));
    t.shortEntry(8, 1, 0x0112, 3);
    t.directory(100, 2);
    t.shortEntry(100, 0, 0x0112, 6); // the thumbnail's orientation must not win
    t.rawEntry(100, 1, 0x0110, 7, 3, QByteArray("\x01Z\x1F\0", 4));
    const ExifSummary s = summaryOf(t);
    EXPECT_EQ(s.orientation, 3);
    EXPECT_EQ(s.model, QStringLiteral("1Z ")) << "the last Model wins; inline UNDEFINED digits";

    TiffBytes cycle(true);
    cycle.directory(8, 1, 8);
    cycle.entry(8, 0, 0x8769, 4, 1, 8);
    EXPECT_EQ(summaryOf(cycle).orientation, 0);
}

TEST(PictureDate, FirstDateTimeOriginalDecides)
{
    TiffBytes t(true);
    t.directory(8, 2);
    t.entry(8, 0, 0x9003, 2, 19, 100); // unusable, but the first one met
    t.entry(8, 1, 0x8769, 4, 1, 200);
    t.directory(200, 1);
    t.entry(200, 0, 0x9003, 2, 20, 300);
    t.putRaw(300, QByteArray("2010:01:02 03:04:05\0", 20));
    const QByteArray first = t.app1Payload();
    EXPECT_FALSE(readExifPictureDate(TiffBlock(first, 6)));

    t.entry(8, 0, 0x0001, 2, 19, 100);
    const QByteArray second = t.app1Payload();
    const std::optional<QDateTime> date = readExifPictureDate(TiffBlock(second, 6));
    ASSERT_TRUE(date);
    EXPECT_EQ(*date, QDateTime(QDate(2010, 1, 2), QTime(3, 4, 5)));
}

TEST(PictureDate, ClockTimeSkippedByDaylightSavingStaysADate)
{
    const QByteArray tz = qgetenv("TZ");
    qputenv("TZ", "Europe/Berlin");
    const std::optional<QDateTime> date = parseExifDateTime(reinterpret_cast<const uint8_t*>("2021:03:28 02:30:00"));
    tz.isNull() ? qunsetenv("TZ") : qputenv("TZ", tz);
    ASSERT_TRUE(date);
    EXPECT_EQ(date->date(), QDate(2021, 3, 28));
}

TEST(PictureDate, FallsBackToTheFileTime)
{
    test::TempDir dir;
    TiffBytes t(true);
    t.directory(8, 1);
    t.shortEntry(8, 0, 0x0112, 1);
    const QString path = dir.write(QStringLiteral("a.jpg"), test::jpegWith({t.app1Segment()}));
    const QDateTime old(QDate(2001, 5, 6), QTime(7, 8, 9));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(old, QFileDevice::FileModificationTime));
    f.close();
    EXPECT_EQ(readPictureDate(path), old);
    EXPECT_FALSE(readPictureDate(dir.file(QStringLiteral("missing.jpg"))).isValid());
}

// IFD1's thumbnail lies inside the maker note's data.
TEST(ThumbnailLocator, OverlapWithTheMakerNoteHidesTheThumbnailFromTheRewriter)
{
    TiffBytes t(true, 600);
    t.directory(8, 1, 100);
    t.entry(8, 0, 0x927C, 7, 300, 200); // note data 200..500
    t.directory(100, 3);
    t.shortEntry(100, 0, 0x0103, 6);
    t.entry(100, 1, 0x0201, 4, 1, 400);
    t.entry(100, 2, 0x0202, 4, 1, 50);
    t.putRaw(400, QByteArray("\xFF\xD8\xFF\xDB", 4));

    const QByteArray payload = t.app1Payload();
    const TiffBlock block(payload, 6);
    const SimpleThumbnailLocation simple = locateThumbnailSimple(block);
    EXPECT_EQ(simple.compression, 6);
    EXPECT_EQ(simple.offset, 406);
    EXPECT_EQ(simple.length, 50);
    const ThumbnailLocation checked = locateThumbnail(block);
    EXPECT_FALSE(checked.valid());
    EXPECT_EQ(checked.offset, 0);
    EXPECT_EQ(checked.maxEnd, 500);
}

TEST(ThumbnailLocator, ThumbnailBehindAllOtherData)
{
    for (bool little : {true, false}) {
        TiffBytes t(little, 600);
        t.directory(8, 1, 100);
        t.entry(8, 0, 0x010F, 2, 50, 200);
        t.directory(100, 3);
        t.shortEntry(100, 0, 0x0103, 6);
        t.entry(100, 1, 0x0201, 4, 1, 400);
        t.entry(100, 2, 0x0202, 4, 1, 200);
        t.putRaw(400, QByteArray("\xFF\xD8\xFF\xDB", 4));
        const QByteArray payload = t.app1Payload();
        const ThumbnailLocation at = locateThumbnail(TiffBlock(payload, 6));
        ASSERT_TRUE(at.valid());
        EXPECT_EQ(at.offset, 406);
        EXPECT_EQ(at.bytes, t.bytes.mid(400, 200));
        EXPECT_EQ(at.lengthFieldPosition, 6 + 100 + 2 + 24 + 8);
        EXPECT_EQ(at.maxEnd, 250);

        t.entry(100, 2, 0x0202, 4, 1, 201); // one byte past the block
        const QByteArray pastEnd = t.app1Payload();
        EXPECT_FALSE(locateThumbnail(TiffBlock(pastEnd, 6)).valid());
        t.entry(100, 2, 0x0202, 4, 1, 0xFFFFFFFF);
        t.entry(100, 1, 0x0201, 4, 1, 0xFFFFFFF0);
        const QByteArray huge = t.app1Payload();
        EXPECT_FALSE(locateThumbnail(TiffBlock(huge, 6)).valid());
    }
}

} // namespace
