// vistello-cli redeye as a user runs it, judged by other tools: cjpeg makes
// the picture, djpeg decodes the result, identify and exiv2 read its
// sampling and segments, and damaged or protected pictures must stay
// byte-identical.
#include "app/SampleTools.h"
#include "core/settings/SettingsStore.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <cstdlib>
#include <lcms2.h>
#include <set>

namespace vistello {
namespace {

using test::TempDir;
using test::sampletools::runTool;

constexpr int kSide = 200;
constexpr int kCentre = 100;
constexpr int kRadius = 30;
const QStringList kEyeRect{"--rect", "70,70,130,130"};

// A 200 x 200 mid-grey PPM with a red disc in the middle.
QByteArray eyePpm()
{
    QByteArray ppm = QByteArrayLiteral("P6\n200 200\n255\n");
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            const bool disc = (x - kCentre) * (x - kCentre) + (y - kCentre) * (y - kCentre) <= kRadius * kRadius;
            ppm.append(char(disc ? 210 : 128)).append(char(disc ? 25 : 128)).append(char(disc ? 30 : 128));
        }
    return ppm;
}

// The picture as a camera might leave it: 2 x 2 chroma, a comment, EXIF.
QString eyePicture(const TempDir& dir, const QString& name = QStringLiteral("eye.jpg"))
{
    const QString ppm = dir.write(QStringLiteral("eye.ppm"), eyePpm());
    const QString plain = dir.file(QStringLiteral("plain.jpg"));
    EXPECT_EQ(runTool(QStringLiteral("cjpeg"), {"-quality", "85", "-sample", "2x2", "-outfile", plain, ppm}).exitCode, 0);
    const QString path = dir.file(name);
    QFile::remove(path);
    const test::ProcessRun com = runTool(QStringLiteral("wrjpgcom"), {"-comment", "red eye", plain});
    EXPECT_EQ(com.exitCode, 0);
    dir.write(name, com.out);
    EXPECT_EQ(runTool(QStringLiteral("exiftool"), {"-q", "-overwrite_original", "-Make=Vistello", "-Model=Eye", path})
                  .exitCode,
              0);
    return path;
}

QString settingsFile(const TempDir& dir, bool copyOriginal)
{
    SettingsStore store(dir.path());
    store.setBool(QStringLiteral("CopyOriginal"), copyOriginal);
    return dir.write(QStringLiteral("settings.xml"), store.serialize());
}

struct Ppm {
    int width = 0;
    int height = 0;
    QByteArray pixels;

    const uchar* at(int x, int y) const
    {
        return reinterpret_cast<const uchar*>(pixels.constData()) + (std::size_t(y) * width + x) * 3;
    }
};

Ppm djpeg(const QString& path)
{
    const test::ProcessRun run = runTool(QStringLiteral("djpeg"), {"-pnm", path});
    Ppm ppm;
    const QList<QByteArray> head = run.out.left(32).split('\n');
    if (run.exitCode != 0 || head.size() < 4 || head[0] != "P6")
        return ppm;
    const QList<QByteArray> size = head[1].split(' ');
    ppm.width = size.value(0).toInt();
    ppm.height = size.value(1).toInt();
    const qsizetype start = head[0].size() + head[1].size() + head[2].size() + 3;
    ppm.pixels = run.out.mid(start);
    return ppm;
}

QByteArray sha256(const QString& path)
{
    return QCryptographicHash::hash(test::readAll(path), QCryptographicHash::Sha256);
}

// The kinds of segment exiv2 lists ("SOI", "APP1", "COM", "DQT", ...).
std::set<QString> segmentKinds(const QString& path)
{
    std::set<QString> kinds;
    const QString text = QString::fromUtf8(runTool(QStringLiteral("exiv2"), {"-pS", path}).out);
    for (const QString& line : text.split(u'\n')) {
        const QStringList fields = line.split(u'|');
        bool address = false;
        fields.value(0).trimmed().toLongLong(&address);
        const QStringList marker = fields.value(1).split(u' ', Qt::SkipEmptyParts);
        if (address && marker.size() == 2)
            kinds.insert(marker[1]);
    }
    return kinds;
}

QString sampling(const QString& path)
{
    return QString::fromUtf8(runTool(QStringLiteral("identify"), {"-format", "%[jpeg:sampling-factor]", path}).out);
}

#define SKIP_WITHOUT_TOOLS()             \
    SKIP_WITHOUT_CLI();                  \
    SKIP_WITHOUT_TOOL("cjpeg");          \
    SKIP_WITHOUT_TOOL("djpeg");          \
    SKIP_WITHOUT_TOOL("wrjpgcom");       \
    SKIP_WITHOUT_TOOL("exiftool")

TEST(RedEyeCli, TestsTheEyeAndAGreyCorner)
{
    SKIP_WITHOUT_TOOLS();
    TempDir dir;
    const QString path = eyePicture(dir);
    const QByteArray before = sha256(path);
    const auto eye = test::runCli(QStringList{"redeye", "--test"} + kEyeRect + QStringList{path});
    EXPECT_EQ(eye.exitCode, 0) << eye.err.toStdString();
    EXPECT_TRUE(eye.out.startsWith(QStringLiteral("70,70,130,130\tred\t"))) << eye.out.toStdString();
    EXPECT_TRUE(eye.out.trimmed().endsWith(QStringLiteral("/3600"))) << eye.out.toStdString();

    const auto corner = test::runCli({"redeye", "--test", "--rect", "0,0,40,40", path});
    EXPECT_EQ(corner.exitCode, 1);
    EXPECT_EQ(corner.out, QStringLiteral("0,0,40,40\tnot red\t0/1600\n"));
    EXPECT_EQ(sha256(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList({"Copy*"}, QDir::Files).size(), 0);
}

TEST(RedEyeCli, CopyTurnsTheEyeGreyAndKeepsTheRest)
{
    SKIP_WITHOUT_TOOLS();
    SKIP_WITHOUT_TOOL("identify");
    SKIP_WITHOUT_TOOL("exiv2");
    TempDir dir;
    const QString path = eyePicture(dir);
    const QByteArray before = sha256(path);
    const auto run = test::runCli(QStringList{"redeye", "-x", settingsFile(dir, true), "--copy", "--intensity", "40"} +
                                  kEyeRect + QStringList{path});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString copy = dir.file(QStringLiteral("Copy of eye.jpg"));
    EXPECT_TRUE(run.out.endsWith(copy + QLatin1Char('\n'))) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("\nchanged "))) << run.out.toStdString();
    EXPECT_EQ(sha256(path), before);

    const Ppm original = djpeg(path);
    const Ppm corrected = djpeg(copy);
    ASSERT_EQ(corrected.width, kSide);
    ASSERT_EQ(corrected.height, kSide);
    const uchar* centre = corrected.at(kCentre, kCentre);
    const int low = std::min({centre[0], centre[1], centre[2]});
    const int high = std::max({centre[0], centre[1], centre[2]});
    EXPECT_LE(high - low, 8) << int(centre[0]) << "," << int(centre[1]) << "," << int(centre[2]);
    // Away from the ellipse's blocks only the recompression shows.
    int worst = 0;
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            if (x >= 70 - 16 && x < 130 + 16 && y >= 70 - 16 && y < 130 + 16)
                continue;
            for (int k = 0; k < 3; ++k)
                worst = std::max(worst, std::abs(int(original.at(x, y)[k]) - int(corrected.at(x, y)[k])));
        }
    EXPECT_LE(worst, 3);
    const double ratio = double(QFileInfo(copy).size()) / double(QFileInfo(path).size());
    EXPECT_GT(ratio, 0.9);
    EXPECT_LT(ratio, 1.1);
    EXPECT_EQ(sampling(copy), sampling(path));
    EXPECT_EQ(segmentKinds(copy), segmentKinds(path));
    EXPECT_TRUE(segmentKinds(copy).count(QStringLiteral("COM")));
    EXPECT_TRUE(segmentKinds(copy).count(QStringLiteral("APP1")));
}

TEST(RedEyeCli, InPlaceKeepsTheBackupAndTheDate)
{
    SKIP_WITHOUT_TOOLS();
    TempDir dir;
    const QString path = eyePicture(dir);
    const QByteArray before = test::readAll(path);
    const QDateTime date = QFileInfo(path).lastModified();
    const auto run = test::runCli(QStringList{"redeye", "-x", settingsFile(dir, true), "--no-copy"} + kEyeRect +
                                  QStringList{path});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.endsWith(path + QLatin1Char('\n')));
    EXPECT_EQ(test::readAll(path + QStringLiteral(".original")), before);
    EXPECT_NE(test::readAll(path), before);
    EXPECT_EQ(QFileInfo(path).lastModified(), date);
}

// An RGB profile with linear curves: decoding through it lifts mid grey a lot.
QByteArray linearProfile()
{
    cmsCIExyY white;
    cmsWhitePointFromTemp(&white, 6504);
    const cmsCIExyYTRIPLE primaries{{0.64, 0.33, 1}, {0.30, 0.60, 1}, {0.15, 0.06, 1}};
    cmsToneCurve* linear = cmsBuildGamma(nullptr, 1.0);
    cmsToneCurve* curves[3] = {linear, linear, linear};
    cmsHPROFILE profile = cmsCreateRGBProfile(&white, &primaries, curves);
    cmsFreeToneCurve(linear);
    cmsUInt32Number size = 0;
    cmsSaveProfileToMem(profile, nullptr, &size);
    QByteArray bytes(qsizetype(size), '\0');
    cmsSaveProfileToMem(profile, bytes.data(), &size);
    cmsCloseProfile(profile);
    return bytes;
}

// The correction and the save work in the file's own colours: a colour
// profile is for showing the picture, never baked into the saved pixels.
TEST(RedEyeCli, SavesInTheFilesOwnColours)
{
    SKIP_WITHOUT_TOOLS();
    TempDir dir;
    const QString path = eyePicture(dir);
    const QString icc = dir.write(QStringLiteral("linear.icc"), linearProfile());
    ASSERT_EQ(runTool(QStringLiteral("exiftool"), {"-q", "-overwrite_original", "-ICC_Profile<=" + icc, path}).exitCode,
              0);
    const auto run = test::runCli(QStringList{"redeye", "-x", settingsFile(dir, false), "--copy"} + kEyeRect +
                                  QStringList{path});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const Ppm original = djpeg(path);
    const Ppm corrected = djpeg(dir.file(QStringLiteral("Copy of eye.jpg")));
    ASSERT_EQ(corrected.width, kSide);
    for (int k = 0; k < 3; ++k)
        EXPECT_LE(std::abs(int(original.at(5, 5)[k]) - int(corrected.at(5, 5)[k])), 3)
            << int(original.at(5, 5)[k]) << " became " << int(corrected.at(5, 5)[k]);
}

// Cuts the file right after the header of its first scan.
QByteArray truncatedAfterScanHeader(const QByteArray& jpeg)
{
    const qsizetype sos = jpeg.indexOf(QByteArrayLiteral("\xFF\xDA"));
    if (sos < 0)
        return {};
    const int length = (uchar(jpeg[sos + 2]) << 8) | uchar(jpeg[sos + 3]);
    return jpeg.left(sos + 2 + length);
}

void expectRefusedAndUnchanged(const TempDir& dir, const QString& path, const char* why)
{
    const QByteArray before = sha256(path);
    for (const char* copyOption : {"--copy", "--no-copy"}) {
        const auto run = test::runCli(QStringList{"redeye", "-x", settingsFile(dir, false), copyOption} + kEyeRect +
                                      QStringList{path});
        EXPECT_EQ(run.exitCode, 1) << why << " " << run.out.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << why << " " << run.out.toStdString();
        EXPECT_EQ(sha256(path), before) << why;
        EXPECT_EQ(QDir(dir.path()).entryList({"Copy*"}, QDir::Files).size(), 0) << why;
    }
}

TEST(RedEyeCli, TruncatedPictureIsRefusedAndLeftAlone)
{
    SKIP_WITHOUT_TOOLS();
    TempDir dir;
    const QString path = eyePicture(dir);
    dir.write(QStringLiteral("eye.jpg"), truncatedAfterScanHeader(test::readAll(path)));
    expectRefusedAndUnchanged(dir, path, "truncated");
}

// A damaged main image must never be replaced by its EXIF thumbnail.
TEST(RedEyeCli, DamagedMainImageIsNotTakenFromItsThumbnail)
{
    SKIP_WITHOUT_TOOLS();
    TempDir dir;
    const QString thumb = eyePicture(dir, QStringLiteral("thumb.jpg"));
    ASSERT_EQ(runTool(QStringLiteral("exiftool"), {"-q", "-all=", "-overwrite_original", thumb}).exitCode, 0);
    const QString path = eyePicture(dir);
    ASSERT_EQ(runTool(QStringLiteral("exiftool"), {"-q", "-overwrite_original", "-ThumbnailImage<=" + thumb, path})
                  .exitCode,
              0);
    const QByteArray whole = test::readAll(path);
    dir.write(QStringLiteral("eye.jpg"), truncatedAfterScanHeader(whole));
    expectRefusedAndUnchanged(dir, path, "truncated with thumbnail");

    // The frame header broken: the thumbnail's is the first one left.
    QByteArray noFrame = whole;
    const qsizetype sof = noFrame.lastIndexOf(QByteArrayLiteral("\xFF\xC0"));
    ASSERT_GT(sof, 0);
    noFrame[sof + 1] = char(0xC8); // JPG: reserved, never a frame
    dir.write(QStringLiteral("eye.jpg"), noFrame);
    expectRefusedAndUnchanged(dir, path, "frame header broken");
}

TEST(RedEyeCli, PictureBeyondTheDecoderLimitsIsRefusedWithAMessage)
{
    SKIP_WITHOUT_TOOLS();
    TempDir dir;
    const QString path = eyePicture(dir);
    QByteArray huge = test::readAll(path);
    const qsizetype sof = huge.lastIndexOf(QByteArrayLiteral("\xFF\xC0"));
    ASSERT_GT(sof, 0);
    // Height and width 30000: 2.7 GB of pixels.
    huge[sof + 5] = char(0x75);
    huge[sof + 6] = char(0x30);
    huge[sof + 7] = char(0x75);
    huge[sof + 8] = char(0x30);
    dir.write(QStringLiteral("eye.jpg"), huge);
    const auto run = test::runCli(QStringList{"redeye", "--test"} + kEyeRect + QStringList{path});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("too large"))) << run.err.toStdString();
    expectRefusedAndUnchanged(dir, path, "too large");
}

TEST(RedEyeCli, FailedWriteIsReportedAndChangesNothing)
{
    SKIP_WITHOUT_TOOLS();
    TempDir dir;
    const QString path = eyePicture(dir);
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    const QByteArray before = sha256(path);
    const auto run = test::runCli(QStringList{"redeye", "-x", settingsFile(dir, false), "--no-copy"} + kEyeRect +
                                  QStringList{path});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("could not be created"))) << run.err.toStdString();
    EXPECT_EQ(sha256(path), before);
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

TEST(RedEyeCli, UsageErrors)
{
    SKIP_WITHOUT_CLI();
    EXPECT_EQ(test::runCli({"redeye", "x.jpg"}).exitCode, 2);
    EXPECT_EQ(test::runCli({"redeye", "--rect", "5,5,5,9", "x.jpg"}).exitCode, 2);
    EXPECT_EQ(test::runCli({"redeye", "--rect", "1,2,3", "x.jpg"}).exitCode, 2);
    EXPECT_EQ(test::runCli({"redeye", "--rect", "0,0,9,9", "--intensity", "51", "x.jpg"}).exitCode, 2);
    EXPECT_EQ(test::runCli({"redeye", "--rect", "0,0,9,9", "--copy", "--no-copy", "x.jpg"}).exitCode, 2);
}

} // namespace
} // namespace vistello
