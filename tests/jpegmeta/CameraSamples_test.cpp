// The parsers on the real camera files of the shared sample folder, checked
// against exiftool and exiv2 (run live) and against the stored exiftool
// dumps. Skips when the folder or a tool is absent.
#include "app/SampleTools.h"
#include "jpegmeta/MetaFixtures.h"
#include "jpegmeta/exif/ExifData.h"
#include "jpegmeta/exif/ExifSummary.h"
#include "jpegmeta/exif/PictureDate.h"
#include "jpegmeta/exif/ThumbnailLocator.h"
#include "jpegmeta/extras/EmbeddedThumbnail.h"
#include "jpegmeta/segments/HeaderCollector.h"
#include "jpegmeta/segments/HeaderWalk.h"
#include "jpegmeta/segments/IccProfile.h"
#include "jpegmeta/segments/JpegFile.h"
#include "jpegmeta/segments/SavedMarkerReader.h"
#include "support/TempDir.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QtEndian>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <tuple>
#include <utility>

using namespace vistello;
using namespace vistello::test::sampletools;
using vistello::test::readAll;

namespace {


#define SKIP_WITHOUT_SAMPLES(files)                                   \
    if ((files).isEmpty())                                            \
    SKIP_OR_FAIL("the shared camera samples are not available")

ExifData treeOf(const QString& path)
{
    const HeaderData header = collectHeaderData(path, CollectFromFile{});
    ExifData data;
    data.parse(header.exifBytes, header.exifBase);
    return data;
}

using EntryKey = std::tuple<int, int, int, uint32_t>; // kind, tag, type, count

void collect(const std::vector<ExifEntry>& entries, std::multiset<EntryKey>& out)
{
    for (const ExifEntry& e : entries) {
        out.insert({int(e.kind), e.tag, e.type, e.count});
        collect(e.children, out);
    }
}

// Directory entries of "exiftool -v3" output, per file: "+ [IFD0 directory"
// opens a directory, "- Tag 0x010e (32 bytes, string[32])" is an entry.
std::map<QString, std::vector<EntryKey>> exiftoolEntries(const QStringList& files)
{
    static const std::map<QString, int> kinds = {{QStringLiteral("IFD0"), 2}, {QStringLiteral("ExifIFD"), 3},
                                                  {QStringLiteral("GPS"), 4}, {QStringLiteral("IFD1"), 5},
                                                  {QStringLiteral("InteropIFD"), 6}};
    static const std::map<QString, int> formats = {
        {QStringLiteral("int8u"), 1}, {QStringLiteral("string"), 2}, {QStringLiteral("int16u"), 3},
        {QStringLiteral("int32u"), 4}, {QStringLiteral("rational64u"), 5}, {QStringLiteral("int8s"), 6},
        {QStringLiteral("undef"), 7}, {QStringLiteral("int16s"), 8}, {QStringLiteral("int32s"), 9},
        {QStringLiteral("rational64s"), 10}};
    static const QRegularExpression dirLine(QStringLiteral("^\\+ \\[(\\S+) directory"));
    static const QRegularExpression tagLine(QStringLiteral("^\\s*- Tag 0x([0-9a-f]{4}) \\(\\d+ bytes, (\\w+)\\[(\\d+)\\]"));

    std::map<QString, std::vector<EntryKey>> result;
    const ToolRun run = runTool(QStringLiteral("exiftool"), QStringList{QStringLiteral("-v3")} + files);
    QString current = files.size() == 1 ? files.front() : QString();
    std::map<int, QString> dirs;
    for (const QString& line : QString::fromUtf8(run.out).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("======== "))) {
            current = line.mid(9);
            dirs.clear();
            continue;
        }
        if (!line.startsWith(QLatin1String("  ")))
            continue;
        QString rest = line.mid(2);
        int depth = 0;
        while (rest.startsWith(QLatin1String("| "))) {
            rest = rest.mid(2);
            ++depth;
        }
        if (const auto m = dirLine.match(rest); m.hasMatch()) {
            dirs[depth] = m.captured(1);
            continue;
        }
        const auto m = tagLine.match(rest);
        if (!m.hasMatch() || depth == 0 || !kinds.count(dirs[depth - 1]))
            continue;
        const auto format = formats.find(m.captured(2));
        const int type = format == formats.end() ? 1 : format->second; // float and double read as BYTE
        result[current].push_back({kinds.at(dirs[depth - 1]), m.captured(1).toInt(nullptr, 16), type,
                                   m.captured(3).toUInt()});
    }
    return result;
}

TEST(CameraSamples, TreeHasEveryEntryExiftoolReports)
{
    const QStringList files = sharedSamplePictures();
    SKIP_WITHOUT_SAMPLES(files);
    SKIP_WITHOUT_TOOL("exiftool");
    const auto expected = exiftoolEntries(files);
    int compared = 0;
    for (const QString& path : files) {
        const auto it = expected.find(path);
        if (it == expected.end())
            continue;
        std::multiset<EntryKey> ours;
        const ExifData tree = treeOf(path);
        for (const Ifd& ifd : tree.ifds())
            collect(ifd.entries, ours);
        for (const EntryKey& key : it->second) {
            const auto hit = ours.find(key);
            EXPECT_NE(hit, ours.end()) << path.toStdString() << " kind " << std::get<0>(key) << " tag "
                                       << std::hex << std::get<1>(key) << std::dec << " type " << std::get<2>(key)
                                       << " count " << std::get<3>(key);
            if (hit != ours.end())
                ours.erase(hit);
            ++compared;
        }
    }
    EXPECT_GT(compared, 1000);
}

TEST(CameraSamples, SegmentsEqualExiv2)
{
    const QStringList files = sharedSamplePictures();
    SKIP_WITHOUT_SAMPLES(files);
    SKIP_WITHOUT_TOOL("exiv2");
    static const QRegularExpression row(QStringLiteral("^\\s*(\\d+) \\| 0xff([0-9a-f]{2}) \\S+\\s*(?:\\|\\s*(\\d+))?"));
    for (const QString& path : files) {
        // exiv2's list up to the first segment that is not APPn or COM (SOI skipped).
        QStringList theirs;
        const ToolRun run = runTool(QStringLiteral("exiv2"), {QStringLiteral("-pS"), path});
        bool first = true;
        for (const QString& line : QString::fromUtf8(run.out).split(QLatin1Char('\n'))) {
            const auto m = row.match(line);
            if (!m.hasMatch())
                continue;
            if (std::exchange(first, false))
                continue;
            const int marker = m.captured(2).toInt(nullptr, 16);
            if ((marker & 0xF0) != 0xE0 && marker != 0xFE)
                break;
            theirs << QStringLiteral("%1 %2 %3").arg(m.captured(1)).arg(marker, 2, 16).arg(m.captured(3));
        }
        QStringList ours;
        JpegFile file;
        ASSERT_TRUE(file.read(path));
        for (const JpegSegment& s : file.segments())
            ours << QStringLiteral("%1 %2 %3").arg(s.offset).arg(s.marker, 2, 16).arg(s.length);
        if (file.fileSize() > 2 && !run.out.isEmpty()) {
            EXPECT_EQ(ours, theirs) << path.toStdString();
        }
    }
}

TEST(CameraSamples, IccProfilesEqualExiftool)
{
    const QStringList files = sharedSamplePictures();
    SKIP_WITHOUT_SAMPLES(files);
    SKIP_WITHOUT_TOOL("exiftool");
    test::TempDir out;
    runTool(QStringLiteral("exiftool"), QStringList{QStringLiteral("-b"), QStringLiteral("-ICC_Profile"),
                                                    QStringLiteral("-w"), out.path() + QStringLiteral("%f.icc")} + files);
    int profiles = 0;
    for (const QString& path : files) {
        const QByteArray theirs = readAll(out.file(QFileInfo(path).completeBaseName() + QStringLiteral(".icc")));
        const std::optional<SavedMarkerList> markers = SavedMarkerList::read(path);
        const std::vector<SavedMarkerView> views = markers ? markers->views() : std::vector<SavedMarkerView>();
        const std::optional<QByteArray> ours = assembleIccProfile(views);
        if (path.contains(QLatin1String("duplicate-sequence-numbers"))) {
            EXPECT_FALSE(ours) << "two chunks numbered alike make no profile";
            continue;
        }
        EXPECT_EQ(ours.value_or(QByteArray()), theirs) << path.toStdString();
        profiles += ours ? 1 : 0;
    }
    EXPECT_GE(profiles, 4);
}

TEST(CameraSamples, ThumbnailsEqualExiftool)
{
    const QStringList files = sharedSamplePictures();
    SKIP_WITHOUT_SAMPLES(files);
    SKIP_WITHOUT_TOOL("exiftool");
    test::TempDir out;
    runTool(QStringLiteral("exiftool"), QStringList{QStringLiteral("-b"), QStringLiteral("-ThumbnailImage"),
                                                    QStringLiteral("-w"), out.path() + QStringLiteral("%f.exif")} + files);
    runTool(QStringLiteral("exiftool"), QStringList{QStringLiteral("-b"), QStringLiteral("-JFXX:ThumbnailImage"),
                                                    QStringLiteral("-w"), out.path() + QStringLiteral("%f.jfxx")} + files);
    int thumbnails = 0;
    for (const QString& path : files) {
        const QString base = out.file(QFileInfo(path).completeBaseName());
        const QByteArray jfxx = readAll(base + QStringLiteral(".jfxx"));
        const QByteArray exif = readAll(base + QStringLiteral(".exif"));
        const QByteArray ours = findEmbeddedThumbnail(path).bytes;
        if (!jfxx.isEmpty()) {
            EXPECT_EQ(ours, jfxx) << path.toStdString();
        } else if (!exif.isEmpty() && exif.startsWith("\xFF\xD8")) {
            EXPECT_EQ(ours, exif.endsWith("\xFF\xD9") ? exif : exif + "\xFF\xD9") << path.toStdString();
        } else {
            continue;
        }
        ++thumbnails;
    }
    EXPECT_GE(thumbnails, 20);
}

QJsonObject referenceDump(const QString& path)
{
    const QString name = test::sharedSamplesDir() + QStringLiteral("reference/") + QFileInfo(path).fileName() +
                         QStringLiteral(".exiftool.json");
    const QJsonArray array = QJsonDocument::fromJson(readAll(name)).array();
    return array.isEmpty() ? QJsonObject() : array.first().toObject();
}

TEST(CameraSamples, SummaryAgreesWithTheStoredDumps)
{
    const QStringList files = sharedSamplePictures();
    SKIP_WITHOUT_SAMPLES(files);
    int dates = 0;
    for (const QString& path : files) {
        const QJsonObject dump = referenceDump(path);
        const HeaderData header = collectHeaderData(path, CollectFromFile{});
        if (dump.isEmpty() || !header.hasExif())
            continue;
        const ExifSummary s = readExifSummary(exifBlockOf(header));
        const std::string name = path.toStdString();
        if (dump.contains(QStringLiteral("IFD0:Orientation"))) {
            EXPECT_EQ(s.orientation, dump[QStringLiteral("IFD0:Orientation")].toInt()) << name;
        }
        if (dump.contains(QStringLiteral("IFD0:Model"))) {
            EXPECT_EQ(s.model.trimmed(), dump[QStringLiteral("IFD0:Model")].toVariant().toString().trimmed()) << name;
        }
        if (const double f = dump[QStringLiteral("ExifIFD:FNumber")].toDouble(); f > 0 && f < 50) {
            EXPECT_NEAR(s.fNumber, f, 0.01) << name;
        }
        if (const double t = dump[QStringLiteral("ExifIFD:ExposureTime")].toDouble(); t > 0) {
            EXPECT_NEAR(s.exposureTime, t, t * 1e-6) << name;
        }
        const QString taken = dump[QStringLiteral("ExifIFD:DateTimeOriginal")].toString();
        static const QRegularExpression valid(QStringLiteral("^(\\d{4}):(\\d\\d):(\\d\\d) (\\d\\d):(\\d\\d):(\\d\\d)$"));
        ExifData tree;
        tree.parse(header.exifBytes, header.exifBase);
        const ExifEntry* original = tree.findTag(0x9003);
        // Only the 20-byte form is read (one file of the set stores 21 bytes).
        if (const auto m = valid.match(taken);
            m.hasMatch() && m.captured(1) != QLatin1String("0000") && original && original->count == 20) {
            QString expected = taken;
            expected.replace(4, 1, QLatin1Char('-')).replace(7, 1, QLatin1Char('-'));
            EXPECT_EQ(s.dateTakenText, expected) << name;
            EXPECT_EQ(readPictureDate(path).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), expected) << name;
            ++dates;
        }
    }
    EXPECT_GE(dates, 30);
}

// Every reader on every sample, the broken ones included: no crash, no hang
// (the sanitizer build checks every read).
TEST(CameraSamples, EveryReaderSurvivesEveryFile)
{
    const QStringList files = sharedSamplePictures();
    SKIP_WITHOUT_SAMPLES(files);
    for (const QString& path : files) {
        const std::string name = path.toStdString();
        JpegFile file;
        file.read(path, true);
        const HeaderData header = collectHeaderData(path, CollectFromFile{true, true, true, true});
        ExifData tree;
        tree.parse(header.exifBytes, header.exifBase);
        // The tree and the summary read IFD0's orientation on their own paths.
        const ExifSummary summary = readExifSummary(exifBlockOf(header));
        if (summary.orientation != 0)
            EXPECT_EQ(tree.orientation(), summary.orientation) << name;
        (void)readPictureDate(path);
        // The two thumbnail locators agree wherever the overlap check lets one through.
        const ThumbnailLocation located = locateThumbnail(exifBlockOf(header));
        if (located.valid()) {
            const SimpleThumbnailLocation simple = locateThumbnailSimple(exifBlockOf(header));
            EXPECT_EQ(simple.offset, located.offset) << name;
            EXPECT_EQ(simple.length, located.length) << name;
        }
        (void)findEmbeddedThumbnail(path);
        if (const std::optional<SavedMarkerList> markers = SavedMarkerList::read(path)) {
            const std::vector<SavedMarkerView> views = markers->views();
            // An ICC profile starts with its own size, which the chunks must hold.
            if (const std::optional<QByteArray> icc = assembleIccProfile(views); icc && icc->size() >= 4)
                EXPECT_GE(qsizetype(qFromBigEndian<quint32>(icc->constData())), 128) << name;
            (void)collectHeaderData(views, CollectFromMarkers{true, true, true});
        }
    }
}

// Blocks written by exiftool itself in both byte orders.
class ExiftoolFixtures : public ::testing::TestWithParam<const char*> {};

TEST_P(ExiftoolFixtures, ReadBackAsWritten)
{
    SKIP_WITHOUT_TOOL("exiftool");
    test::TempDir dir;
    const QString thumb = dir.write(QStringLiteral("thumb.jpg"), test::plainJpeg());
    const QString path = dir.write(QStringLiteral("p.jpg"), test::plainJpeg());
    const ToolRun write = runTool(QStringLiteral("exiftool"),
        {QStringLiteral("-q"), QStringLiteral("-overwrite_original"),
         QStringLiteral("-ExifByteOrder=") + QLatin1String(GetParam()), QStringLiteral("-Make=Canon"),
         QStringLiteral("-Model=PowerShot S1"), QStringLiteral("-Orientation#=6"),
         QStringLiteral("-DateTimeOriginal=2004:02:29 13:05:09"), QStringLiteral("-FNumber=2.8"),
         QStringLiteral("-ExposureTime=1/250"), QStringLiteral("-ShutterSpeedValue=1/256"),
         QStringLiteral("-UserComment=Harbour"), QStringLiteral("-GPSLatitude=51.5"),
         QStringLiteral("-GPSLatitudeRef=N"), QStringLiteral("-InteropIndex=R98"),
         QStringLiteral("-ThumbnailImage<=") + thumb, path});
    ASSERT_EQ(write.exitCode, 0) << write.err.constData();

    const HeaderData header = collectHeaderData(path, CollectFromFile{});
    ASSERT_TRUE(header.hasExif());
    EXPECT_EQ(exifBlockOf(header).littleEndian(), QByteArray(GetParam()) == "II");
    const ExifSummary s = readExifSummary(exifBlockOf(header));
    EXPECT_EQ(s.model, QStringLiteral("PowerShot S1 "));
    EXPECT_EQ(s.orientation, 6);
    EXPECT_EQ(s.dateTakenText, QStringLiteral("2004-02-29 13:05:09"));
    EXPECT_NEAR(s.fNumber, 2.8, 1e-9);
    EXPECT_NEAR(s.exposureTime, 0.004, 1e-9);
    EXPECT_EQ(s.shutterFromApex, 256);
    EXPECT_EQ(s.userComment, QStringLiteral("Harbour"));

    const auto expected = exiftoolEntries({path});
    ASSERT_EQ(expected.size(), 1u);
    std::multiset<EntryKey> ours;
    const ExifData tree = treeOf(path);
    for (const Ifd& ifd : tree.ifds())
        collect(ifd.entries, ours);
    for (const EntryKey& key : expected.begin()->second)
        EXPECT_EQ(ours.count(key), 1u) << "tag " << std::hex << std::get<1>(key);
    EXPECT_EQ(ours.size(), expected.begin()->second.size());
    EXPECT_EQ(tree.orientation(), 6);
    EXPECT_EQ(findEmbeddedThumbnail(path).bytes, test::plainJpeg());
    EXPECT_EQ(locateThumbnail(exifBlockOf(header)).bytes, test::plainJpeg());
}

INSTANTIATE_TEST_SUITE_P(CameraSamples, ExiftoolFixtures, ::testing::Values("II", "MM"));

} // namespace
