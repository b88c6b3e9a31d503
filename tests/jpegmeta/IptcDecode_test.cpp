// The IPTC datasets and APP12 lines decoded from hand-built blocks: the
// grouping rules, the bounds of a dataset, which record counts, the text
// encoding, and the APP12 section and time rules; the CLI's section output.
#include "jpegmeta/MetaFixtures.h"
#include "jpegmeta/iptc/App12Text.h"
#include "jpegmeta/iptc/IptcRecord.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <QDate>
#include <QLocale>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>

using namespace vistello;

namespace {

QByteArray dataset(int record, int number, const QByteArray& data)
{
    QByteArray b;
    b.append(char(0x1C)).append(char(record)).append(char(number));
    b.append(char(data.size() >> 8)).append(char(data.size() & 0xFF));
    return b + data;
}

QByteArray app(int number, const QByteArray& data) { return dataset(2, number, data); }

MetaTextRows rowsOf(const QByteArray& payload) { return iptcRows(parseIptc(payload)); }

} // namespace

TEST(IptcDecode, KeywordsAreOneRowEachUnderTheirHeading)
{
    const MetaTextRows rows = rowsOf(app(25, "Green") + app(25, "Dude"));
    const MetaTextRows expected {{"Keywords:", ""}, {"", "Green"}, {"", "Dude"}};
    EXPECT_EQ(rows, expected);
}

TEST(IptcDecode, GroupsComeInTheirOrderWithPresentFieldsOnly)
{
    const MetaTextRows rows = rowsOf(app(90, "Seattle") + app(116, "(c) Nobody") + app(110, "Agency") +
                                     app(20, "FIN") + app(15, "I") + app(100, "USA") + app(101, "United States"));
    const MetaTextRows expected {{"Copyright:", ""},  {"  Copyright notice", "(c) Nobody"},
                                 {"Credits:", ""},    {"  Credits", "Agency"},
                                 {"Origin:", ""},     {"  City", "Seattle"},
                                 {"  Country", "United States"},
                                 {"Categories:", ""}, {"  Category", "I"},
                                 {"Supplemental categories:", ""}, {"", "FIN"}};
    EXPECT_EQ(rows, expected);
}

TEST(IptcDecode, DateCreatedIsALongDate)
{
    const IptcRecord r = parseIptc(app(55, "20040713"));
    EXPECT_EQ(r.text(55), QLocale::system().toString(QDate(2004, 7, 13), QLocale::LongFormat));
}

TEST(IptcDecode, OverlongDatasetIsSkippedAndScanningResumesInsideIt)
{
    // The caption claims 200 bytes; inside it stands a complete city dataset.
    QByteArray caption = app(120, QByteArray(10, 'x') + app(90, "Inner"));
    caption[4] = char(200);
    const IptcRecord r = parseIptc(caption);
    EXPECT_FALSE(r.has(120));
    EXPECT_EQ(r.text(90), "Inner");
}

TEST(IptcDecode, DatasetEndingAtTheLastByteIsRead)
{
    EXPECT_EQ(parseIptc(QByteArray("pad") + app(5, "Name")).text(5), "Name");
}

TEST(IptcDecode, EmptyOrShortBlockGivesNoRows)
{
    EXPECT_TRUE(rowsOf({}).empty());
    EXPECT_TRUE(rowsOf(QByteArray("\x1c\x02", 2)).empty());
}

// A tag marker in the last four bytes starts a header that does not fit;
// the block is allocated to its exact size so that a read past it is seen.
TEST(IptcDecode, HeaderPastTheBlockEndIsNotRead)
{
    const QByteArray whole = app(5, "Name") + QByteArray("\x1c\x02\x05", 3);
    for (int cut = 1; cut <= 4; ++cut) {
        const qsizetype size = app(5, "Name").size() + cut;
        std::unique_ptr<char[]> exact(new char[size_t(size)]);
        std::memcpy(exact.get(), (whole + QByteArray(2, 'x')).constData(), size_t(size));
        const IptcRecord r = parseIptc(QByteArray::fromRawData(exact.get(), size));
        EXPECT_EQ(r.text(5), "Name") << cut;
    }
}

// Agency files carry envelope (1) and pre-object (7) records; 7:10 must not
// replace the urgency of 2:10, and neither adds rows.
TEST(IptcDecode, OnlyTheApplicationRecordIsTaken)
{
    const QByteArray block = dataset(1, 5, "OUSBS") + app(10, "4") + dataset(7, 10, QByteArray(1, '\0')) +
                             dataset(8, 120, "binary") + dataset(1, 90, "x");
    const MetaTextRows expected {{"Origin:", ""}, {"  Urgency", "4"}};
    EXPECT_EQ(rowsOf(block), expected);
}

TEST(IptcDecode, Utf8EnvelopeMakesTextsUtf8)
{
    const QByteArray copyright = QStringLiteral("\u00a9 2010 Agenzia \u00e0").toUtf8();
    const IptcRecord utf8 = parseIptc(dataset(1, 90, "\x1b%G") + app(116, copyright));
    EXPECT_EQ(utf8.text(116), QStringLiteral("\u00a9 2010 Agenzia \u00e0"));
    // Without the envelope the same bytes are Latin-1.
    EXPECT_EQ(parseIptc(app(116, copyright)).text(116), QString::fromLatin1(copyright));
    EXPECT_EQ(parseIptc(app(116, "\xa9 2010")).text(116), QStringLiteral("\u00a9 2010"));
}

TEST(App12Decode, SectionsIndentTheLinesAfterThem)
{
    const MetaTextRows rows = app12Rows(QByteArray("a=1\r\n[picture info]\r\nb = 2 \r\n\r\n"));
    const MetaTextRows expected {{"a", "1"}, {"[picture info]", ""}, {"  b ", "2"}};
    EXPECT_EQ(rows, expected);
}

TEST(App12Decode, ControlBytesAreDroppedAndEmptyLinesSkipped)
{
    const QStringList lines = app12Lines(QByteArray("OLY\0MPUS\r\r\n\tx=1\x01", 16));
    EXPECT_EQ(lines, QStringList({"OLYMPUS", "x=1"}));
}

TEST(App12Decode, TimedateSecondsAreAUtcText)
{
    // 2004-01-01 00:00:00 UTC, as the C library's fixed form writes it.
    EXPECT_EQ(app12Row("TimeDate=1072915200").value, "Thu Jan  1 00:00:00 2004");
    EXPECT_EQ(app12Row("  timedate = 909698819").value, "Thu Oct 29 22:06:59 1998");
    EXPECT_EQ(app12Row("timedate=0x10").value, "0x10");
    EXPECT_EQ(app12Row("timedate=+5").value, "+5");
    EXPECT_EQ(app12Row("novalue").name, "novalue");
}

TEST(IptcDecode, CliPrintsOneSection)
{
    SKIP_WITHOUT_CLI();
    test::TempDir dir;
    const QByteArray iptc = QByteArray("Photoshop 3.0\0008BIM\x04\x04\0\0", 20) + app(90, "Seattle");
    const QString path = dir.write("p.jpg", test::jpegWith({test::segment(0xED, iptc),
                                                          test::segment(0xEC, "[pic]\rTimeDate=0\r")}));
    const test::CliRun run = test::runCli({"info", "--section", "iptc", path});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "Origin:: \r\n  City : Seattle\r\n");
    const test::CliRun app12 = test::runCli({"info", "--section", "app12", path});
    EXPECT_EQ(app12.out, "[pic]     : \r\n  TimeDate: Thu Jan  1 00:00:00 1970\r\n");
    EXPECT_NE(test::runCli({"info", "--section", "exif", path}).exitCode, 0);
}
