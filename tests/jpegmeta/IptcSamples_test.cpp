// The IPTC and APP12 rows of the shared sample files against exiftool's
// reference dumps: every application-record dataset exiftool reports is
// shown with its value (dates as dates, lists item by item), nothing else
// is, and the Olympus APP12 lines carry exiftool's PictureInfo values.
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

} // namespace

TEST(IptcSamples, RowsEqualExiftoolValues)
{
    const QStringList files = iptcSamples();
    if (files.size() < 6)
        SKIP_OR_FAIL("the shared IPTC samples are missing");
    int compared = 0;
    for (const QString& path : files) {
        SCOPED_TRACE(path.toStdString());
        const QJsonObject ref = reference(path, ".exiftool.json");
        ASSERT_FALSE(ref.isEmpty()) << "no reference dump";
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
            ASSERT_TRUE(date.isValid());
            expected[55] = QLocale::system().toString(date, QLocale::LongFormat);
        }
        for (const auto& [number, value] : expected) {
            EXPECT_EQ(r.text(number).toStdString(), value.toStdString()) << "dataset " << number;
            ++compared;
        }
        EXPECT_EQ(r.texts.size(), expected.size()) << "datasets exiftool does not report";
        EXPECT_EQ(r.keywords, ref.contains("IPTC:Keywords") ? textsOf(ref.value("IPTC:Keywords")) : QStringList());
        compared += int(r.keywords.size());
        const QStringList supplemental = ref.contains("IPTC:SupplementalCategories")
                                             ? textsOf(ref.value("IPTC:SupplementalCategories"))
                                             : QStringList();
        EXPECT_EQ(r.supplementalCategories, supplemental);
        compared += int(supplemental.size());
    }
    EXPECT_GE(compared, 38);
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
