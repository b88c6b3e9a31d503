// The formatted values of the real camera files in the shared sample folder,
// read back as numbers and compared with exiftool's numeric dump, and
// "vistello-cli info" on every sample (broken ones included). Skips when the
// folder is absent.
#include "app/SampleTools.h"
#include "jpegmeta/MetaFixtures.h"
#include "jpegmeta/exif/ExifData.h"
#include "jpegmeta/segments/HeaderCollector.h"
#include "jpegmeta/tags/EntryText.h"
#include "support/TempDir.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <cmath>
#include <gtest/gtest.h>
#include <optional>

using namespace vistello;
using namespace vistello::test::sampletools;

namespace {


QJsonObject referenceOf(const QString& path)
{
    const QString json = test::sharedSamplesDir() + QStringLiteral("reference/") + QFileInfo(path).fileName() +
                         QStringLiteral(".exiftool.json");
    const QJsonArray array = QJsonDocument::fromJson(test::readAll(json)).array();
    return array.isEmpty() ? QJsonObject() : array.first().toObject();
}

const ExifEntry* findIn(const std::vector<ExifEntry>& entries, IfdKind kind, uint16_t tag)
{
    for (const ExifEntry& e : entries) {
        if (e.kind == kind && e.tag == tag)
            return &e;
        if (const ExifEntry* hit = findIn(e.children, kind, tag))
            return hit;
    }
    return nullptr;
}

const ExifEntry* findEntry(const ExifData& tree, IfdKind kind, uint16_t tag)
{
    for (const Ifd& ifd : tree.ifds())
        if (const ExifEntry* hit = findIn(ifd.entries, kind, tag))
            return hit;
    return nullptr;
}

std::optional<double> numberIn(const QString& text, const QString& pattern)
{
    const auto m = QRegularExpression(pattern).match(text);
    return m.hasMatch() ? std::optional<double>(m.captured(1).toDouble()) : std::nullopt;
}

// Degrees from "D° M' S\"", "D° M.M' S.S\"" or "D° M.MM'".
std::optional<double> degreesIn(const QString& text)
{
    static const QRegularExpression dms(QStringLiteral("^([\\d.]+)\u00B0 ([\\d.]+)'(?: ([\\d.]+)\")?$"));
    const auto m = dms.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    return m.captured(1).toDouble() + m.captured(2).toDouble() / 60 + m.captured(3).toDouble() / 3600;
}

struct NumericCheck {
    const char* key; // exiftool group:name
    IfdKind kind;
    uint16_t tag;
    // Our text read back as the number exiftool prints, and the rounding the format allows.
    std::optional<double> (*parse)(const QString&);
    double tolerance;
};

const NumericCheck kChecks[] = {
    {"IFD0:Orientation", IfdKind::Ifd0, 0x0112, [](const QString& t) { return numberIn(t, QStringLiteral("^(\\d+)$")); }, 0},
    {"ExifIFD:ExposureTime", IfdKind::ExifIfd, 0x829A,
     [](const QString& t) -> std::optional<double> {
         if (auto ms = numberIn(t, QStringLiteral("^([\\d.]+) ms$")))
             return *ms / 1000;
         return numberIn(t, QStringLiteral("^([\\d.]+) s$"));
     },
     0.05},
    {"ExifIFD:FNumber", IfdKind::ExifIfd, 0x829D, [](const QString& t) { return numberIn(t, QStringLiteral("^F([\\d.]+)$")); },
     0.05},
    {"ExifIFD:FocalLength", IfdKind::ExifIfd, 0x920A,
     [](const QString& t) { return numberIn(t, QStringLiteral("^([\\d.]+) mm$")); }, 0.05},
    {"ExifIFD:ISO", IfdKind::ExifIfd, 0x8827, [](const QString& t) { return numberIn(t, QStringLiteral("^(\\d+)$")); }, 0},
    {"GPS:GPSLatitude", IfdKind::GpsIfd, 0x0002, degreesIn, 0.05 / 60},
    {"GPS:GPSLongitude", IfdKind::GpsIfd, 0x0004, degreesIn, 0.05 / 60},
    {"GPS:GPSAltitude", IfdKind::GpsIfd, 0x0006, [](const QString& t) { return numberIn(t, QStringLiteral("^([\\d.]+) m$")); },
     0.005},
};

ExifData treeOf(const QString& path)
{
    const HeaderData header = collectHeaderData(path, CollectFromFile{});
    ExifData data;
    data.parse(header.exifBytes, header.exifBase);
    return data;
}

TEST(InfoSamples, FormattedValuesAgreeWithExiftool)
{
    const QStringList files = sharedSamplePictures();
    if (files.isEmpty())
        SKIP_OR_FAIL("the shared camera samples are not available");
    int compared = 0;
    for (const QString& path : files) {
        const QJsonObject reference = referenceOf(path);
        if (reference.isEmpty())
            continue;
        const ExifData tree = treeOf(path);
        for (const NumericCheck& check : kChecks) {
            const QJsonValue theirs = reference.value(QLatin1String(check.key));
            const ExifEntry* entry = findEntry(tree, check.kind, check.tag);
            if (!theirs.isDouble() || !entry)
                continue;
            const QString text = entryText(tree, *entry);
            const std::optional<double> ours = check.parse(text);
            ASSERT_TRUE(ours.has_value()) << path.toStdString() << " " << check.key << ": " << text.toStdString();
            // exiftool prints exposure times as they are, our text rounds to a tenth of the unit shown.
            const double tolerance = check.tag == 0x829A && text.endsWith(QLatin1String(" ms")) ? 0.00005 : check.tolerance;
            EXPECT_NEAR(*ours, std::fabs(theirs.toDouble()), tolerance + 1e-9)
                << path.toStdString() << " " << check.key << ": " << text.toStdString();
            ++compared;
        }
        const QJsonValue date = reference.value(QLatin1String("ExifIFD:DateTimeOriginal"));
        if (const ExifEntry* entry = findEntry(tree, IfdKind::ExifIfd, 0x9003); entry && date.isString()) {
            EXPECT_EQ(entryText(tree, *entry).trimmed(), date.toString().trimmed()) << path.toStdString();
            ++compared;
        }
    }
    EXPECT_GT(compared, 200);
}

TEST(InfoSamples, CliInfoEndsOnEverySample)
{
    const QStringList files = sharedSamplePictures();
    if (files.isEmpty())
        SKIP_OR_FAIL("the shared camera samples are not available");
    for (const QString& path : files) {
        for (const QStringList& args : {QStringList{QStringLiteral("info"), path},
                                        QStringList{QStringLiteral("info"), QStringLiteral("--summary"), path}}) {
            const test::CliRun run = test::runCli(args);
            EXPECT_EQ(run.exitCode, 0) << args.join(QLatin1Char(' ')).toStdString() << "\n" << run.err.toStdString();
            EXPECT_FALSE(run.out.isEmpty()) << path.toStdString();
        }
    }
}

} // namespace
