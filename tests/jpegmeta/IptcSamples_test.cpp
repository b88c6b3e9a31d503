// The IPTC and APP12 rows of the shared sample files against exiftool's
// reference dumps: every application-record dataset exiftool reports is
// shown with its value (dates as dates, lists item by item), nothing else
// is, and the Olympus APP12 lines carry exiftool's PictureInfo values.
#include "app/SampleTools.h"
#include "jpegmeta/MetaFixtures.h"
#include "jpegmeta/iptc/App12Text.h"
#include "jpegmeta/iptc/IptcRecord.h"
#include "jpegmeta/segments/HeaderCollector.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <gtest/gtest.h>
#include <map>

using namespace vistello;

namespace {

QJsonObject reference(const QString& path, const char* kind)
{
    const QString json = test::sharedSamplesDir() + QStringLiteral("reference/") + QFileInfo(path).fileName() +
                         QLatin1String(kind);
    const QJsonArray array = QJsonDocument::fromJson(test::readAll(json)).array();
    return array.isEmpty() ? QJsonObject() : array.first().toObject();
}

HeaderData headerOf(const QString& path)
{
    CollectFromFile want;
    want.wantIptc = true;
    want.wantApp12 = true;
    return collectHeaderData(path, want);
}

QStringList textsOf(const QJsonValue& v)
{
    QStringList items;
    for (const QJsonValue& item : v.isArray() ? v.toArray() : QJsonArray {v})
        items.append(item.toVariant().toString());
    return items;
}

const std::map<int, const char*> kExiftoolNames {
    {5, "IPTC:ObjectName"},         {10, "IPTC:Urgency"},         {15, "IPTC:Category"},
    {40, "IPTC:SpecialInstructions"}, {55, "IPTC:DateCreated"},    {80, "IPTC:By-line"},
    {85, "IPTC:By-lineTitle"},      {90, "IPTC:City"},            {95, "IPTC:Province-State"},
    {103, "IPTC:OriginalTransmissionReference"}, {105, "IPTC:Headline"}, {110, "IPTC:Credit"},
    {115, "IPTC:Source"},           {116, "IPTC:CopyrightNotice"}, {120, "IPTC:Caption-Abstract"},
    {122, "IPTC:Writer-Editor"}};

QStringList iptcSamples()
{
    const QString dir = test::sharedSamplesDir();
    if (dir.isEmpty())
        return {};
    QStringList files;
    for (const QFileInfo& f : QDir(dir + QStringLiteral("iptc")).entryInfoList(QDir::Files, QDir::Name))
        files.append(f.absoluteFilePath());
    files.append(dir + QStringLiteral("app12/exiv2_smiley1.jpg"));
    return files;
}


// Compares the decoded record of a file with exiftool's IPTC values
// (numeric output, group-prefixed names); returns how many values matched.
int compareWithExiftool(const QString& path, const QJsonObject& ref)
{
    const IptcRecord r = parseIptc(headerOf(path).iptc);
    std::map<int, QString> expected;
    for (const auto& [number, name] : kExiftoolNames)
        if (ref.contains(QLatin1String(name)))
            expected[number] = textsOf(ref.value(QLatin1String(name))).join(QLatin1Char('\n'));
    // Code and name of the country share one row; the name comes later.
    for (const char* name : {"IPTC:Country-PrimaryLocationCode", "IPTC:Country-PrimaryLocationName"})
        if (ref.contains(QLatin1String(name)))
            expected[101] = ref.value(QLatin1String(name)).toVariant().toString();
    if (expected.count(55)) {
        const QDate date = QDate::fromString(expected[55], QStringLiteral("yyyy:MM:dd"));
        EXPECT_TRUE(date.isValid());
        expected[55] = QLocale::system().toString(date, QLocale::LongFormat);
    }
    int compared = 0;
    for (const auto& [number, value] : expected) {
        EXPECT_EQ(r.text(number).toStdString(), value.toStdString()) << "dataset " << number;
        compared += r.text(number) == value;
    }
    EXPECT_EQ(r.texts.size(), expected.size()) << "datasets exiftool does not report";
    const QStringList keywords = ref.contains("IPTC:Keywords") ? textsOf(ref.value("IPTC:Keywords")) : QStringList();
    EXPECT_EQ(r.keywords, keywords);
    const QStringList supplemental = ref.contains("IPTC:SupplementalCategories")
                                         ? textsOf(ref.value("IPTC:SupplementalCategories"))
                                         : QStringList();
    EXPECT_EQ(r.supplementalCategories, supplemental);
    if (r.keywords == keywords && r.supplementalCategories == supplemental)
        compared += int(keywords.size() + supplemental.size());
    return compared;
}

QJsonObject exiftoolIptc(const QString& path)
{
    const auto run = test::sampletools::runTool("exiftool", {"-j", "-n", "-G", "-IPTC:all", path});
    const QJsonArray array = QJsonDocument::fromJson(run.out).array();
    return array.isEmpty() ? QJsonObject() : array.first().toObject();
}

QByteArray dataset(int record, int number, const QByteArray& data)
{
    QByteArray b;
    b.append(char(0x1C)).append(char(record)).append(char(number));
    b.append(char(data.size() >> 8)).append(char(data.size() & 0xFF));
    return b + data;
}

// An APP13 payload as press software writes it: one IPTC resource.
QByteArray photoshopIptc(const QByteArray& iptc)
{
    QByteArray b("Photoshop 3.0", 14);
    b += QByteArray("8BIM\x04\x04\0\0", 8);
    const qsizetype n = iptc.size();
    b.append(char(n >> 24)).append(char(n >> 16)).append(char(n >> 8)).append(char(n));
    b += iptc;
    if (n % 2)
        b.append('\0');
    return b;
}

} // namespace

TEST(IptcSamples, RowsEqualExiftoolReferenceDumps)
{
    const QStringList files = iptcSamples();
    if (files.size() < 6)
        SKIP_OR_FAIL("the shared IPTC samples are missing");
    int compared = 0;
    for (const QString& path : files) {
        SCOPED_TRACE(path.toStdString());
        const QJsonObject ref = reference(path, ".exiftool.json");
        ASSERT_FALSE(ref.isEmpty()) << "no reference dump";
        compared += compareWithExiftool(path, ref);
    }
    EXPECT_GE(compared, 38);
}

TEST(IptcSamples, RowsEqualExiftoolRunNow)
{
    SKIP_WITHOUT_TOOL("exiftool");
    const QStringList files = iptcSamples();
    if (files.size() < 6)
        SKIP_OR_FAIL("the shared IPTC samples are missing");
    int compared = 0;
    for (const QString& path : files) {
        SCOPED_TRACE(path.toStdString());
        compared += compareWithExiftool(path, exiftoolIptc(path));
    }
    EXPECT_GE(compared, 38);
}

// An agency-style block: a UTF-8 envelope, application datasets with
// non-ASCII text, and a record-7 dataset with the urgency's number.
TEST(IptcSamples, GeneratedAgencyBlockEqualsExiftool)
{
    SKIP_WITHOUT_TOOL("exiftool");
    test::TempDir dir;
    const QByteArray iptc = dataset(1, 0, QByteArray("\0\x04", 2)) + dataset(1, 90, "\x1b%G") +
                            dataset(2, 0, QByteArray("\0\x04", 2)) + dataset(2, 10, "5") +
                            dataset(2, 90, QStringLiteral("Z\u00fcrich").toUtf8()) +
                            dataset(2, 116, QStringLiteral("\u00a9 Agentur").toUtf8()) +
                            dataset(2, 25, "eins") + dataset(2, 25, QStringLiteral("zw\u00f6lf").toUtf8()) +
                            dataset(2, 55, "20100104") + dataset(7, 10, QByteArray(1, '\0'));
    const QString path = dir.write("agency.jpg", test::jpegWith({test::segment(0xED, photoshopIptc(iptc))}));
    const QJsonObject ref = exiftoolIptc(path);
    ASSERT_EQ(ref.value("IPTC:City").toString(), QStringLiteral("Z\u00fcrich"));
    EXPECT_EQ(compareWithExiftool(path, ref), 6);
}

TEST(IptcSamples, OlympusApp12RowsEqualPictureInfo)
{
    const QString path = test::sharedSamplesDir() + QStringLiteral("app12/exifsamples_olympus-d320l.jpg");
    if (!QFileInfo(path).isFile())
        SKIP_OR_FAIL("the Olympus APP12 sample is missing");
    const QJsonObject ref = reference(path, ".exiftool-ids.json");
    ASSERT_FALSE(ref.isEmpty());
    std::map<QString, QString> rows;
    for (const MetaTextRow& row : app12Rows(headerOf(path).app12))
        rows[row.name.trimmed()] = row.value;

    int compared = 0;
    for (auto it = ref.begin(); it != ref.end(); ++it) {
        if (!it.key().startsWith(QLatin1String("PictureInfo:")))
            continue;
        const QJsonObject entry = it.value().toObject();
        const QString id = entry.value("id").toString();
        const QJsonValue val = entry.value("val");
        SCOPED_TRACE(id.toStdString());
        ASSERT_TRUE(rows.count(id));
        const QString ours = rows[id];
        if (id == QLatin1String("TimeDate")) {
            const QDateTime shown = QDateTime::fromString(ours.simplified(), QStringLiteral("ddd MMM d HH:mm:ss yyyy"));
            EXPECT_EQ(shown.toString(QStringLiteral("yyyy:MM:dd HH:mm:ss")), val.toString());
        } else if (id == QLatin1String("Shutter")) { // microseconds, exiftool gives seconds
            EXPECT_DOUBLE_EQ(ours.toDouble() / 1e6, val.toDouble());
        } else if (id == QLatin1String("FNumber")) { // "F2.8"
            EXPECT_DOUBLE_EQ(ours.mid(1).toDouble(), val.toDouble());
        } else {
            EXPECT_EQ(ours.toStdString(), val.toVariant().toString().toStdString());
        }
        ++compared;
    }
    EXPECT_EQ(compared, 22);
}

// A Photoshop block split over two consecutive APP13 segments, the cut
// inside a caption: exiftool joins them, and so must the rows.
TEST(IptcSamples, BlockOverTwoSegmentsEqualsExiftool)
{
    SKIP_WITHOUT_TOOL("exiftool");
    test::TempDir dir;
    const QByteArray iptc = dataset(2, 0, QByteArray("\0\x04", 2)) + dataset(2, 120, QByteArray(300, 'c')) +
                            dataset(2, 90, "Tokyo") + dataset(2, 25, "split");
    const QByteArray block = photoshopIptc(iptc);
    const qsizetype cut = 200;
    const QByteArray second = QByteArray("Photoshop 3.0", 14) + block.mid(cut);
    const QString path = dir.write("split.jpg", test::jpegWith({test::segment(0xED, block.left(cut)),
                                                              test::segment(0xED, second)}));
    const QJsonObject ref = exiftoolIptc(path);
    ASSERT_EQ(ref.value("IPTC:City").toString(), QStringLiteral("Tokyo"));
    EXPECT_EQ(compareWithExiftool(path, ref), 3);
}
