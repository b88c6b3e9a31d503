// The generated sample folder, read back by tools that share no code with
// the generator: exiftool and exiv2 for the EXIF data, djpeg for decoding,
// Qt's own EXIF-aware reader for the orientation of the drawing.
#include "app/SampleTools.h"
#include "app/samples/SampleSet.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTransform>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

using namespace vistello::samples;
using namespace vistello::test::sampletools;
using vistello::test::TempDir;

namespace {

class SampleSetFolder : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir_ = std::make_unique<TempDir>();
        QString error;
        ok_ = makeSamples(dir_->path() + "set", &error, &written_);
        error_ = error.toStdString();
    }
    static void TearDownTestSuite() { dir_.reset(); }

    void SetUp() override { ASSERT_TRUE(ok_) << error_; }
    static QString file(const QString& name) { return dir_->path() + "set/" + name; }
    static QStringList jpegPaths()
    {
        QStringList paths;
        for (const SamplePictureRecipe& recipe : SampleSet::pictures())
            paths << file(recipe.fileName);
        return paths;
    }
    static QSize storedSize(const SamplePictureRecipe& recipe)
    {
        return swapsAxes(recipe.orientation) ? recipe.displaySize.transposed() : recipe.displaySize;
    }

    static inline std::unique_ptr<TempDir> dir_;
    static inline bool ok_ = false;
    static inline std::string error_;
    static inline QStringList written_;
};

// The display transform of each EXIF orientation, written out here on its
// own so that the check does not lean on the generator's table.
QImage shownUpright(const QImage& stored, int orientation)
{
    switch (orientation) {
    case 2: return stored.mirrored(true, false);
    case 3: return stored.transformed(QTransform().rotate(180));
    case 4: return stored.mirrored(false, true);
    case 5: return stored.transformed(QTransform().rotate(90)).mirrored(true, false);
    case 6: return stored.transformed(QTransform().rotate(90));
    case 7: return stored.transformed(QTransform().rotate(90)).mirrored(false, true);
    case 8: return stored.transformed(QTransform().rotate(270));
    default: return stored;
    }
}

QColor at(const QImage& image, double fx, double fy)
{
    return image.pixelColor(int(fx * image.width()), int(fy * image.height()));
}

// Whether the picture shows the scene upright: sky at the top left, ground
// along the bottom, the sun at the top right and the "F" stem at the left.
bool looksUpright(const QImage& image, std::string* why)
{
    const QColor sky = at(image, 0.10, 0.10), sun = at(image, 0.80, 0.25), stem = at(image, 0.26, 0.62);
    const QColor groundLeft = at(image, 0.10, 0.92), groundRight = at(image, 0.90, 0.92);
    const auto blue = [](QColor c) { return c.blue() > c.red() + 40 && c.blue() > c.green(); };
    const auto green = [](QColor c) { return c.green() > c.red() + 40 && c.green() > c.blue() + 40; };
    const auto yellow = [](QColor c) { return c.red() > 200 && c.green() > 170 && c.blue() < 120; };
    const auto red = [](QColor c) { return c.red() > 130 && c.green() < 90 && c.blue() < 90; };
    *why = "sky " + sky.name().toStdString() + ", sun " + sun.name().toStdString() + ", stem " +
           stem.name().toStdString() + ", ground " + groundLeft.name().toStdString() + " " +
           groundRight.name().toStdString();
    return blue(sky) && yellow(sun) && red(stem) && green(groundLeft) && green(groundRight);
}

QJsonObject byFileName(const QJsonArray& all, const QString& name)
{
    for (const QJsonValue& v : all)
        if (v.toObject().value("System:FileName").toString() == name)
            return v.toObject();
    return {};
}

double quotient(URational r) { return double(r.numerator) / r.denominator; }

// exiftool writes some numbers as JSON strings.
double number(const QJsonObject& tags, const char* key) { return tags.value(key).toVariant().toDouble(); }

} // namespace

TEST_F(SampleSetFolder, WritesTheListedFilesWithinBudget)
{
    QStringList names;
    qint64 total = 0;
    for (const QString& path : written_) {
        names << QFileInfo(path).fileName();
        total += QFileInfo(path).size();
    }
    EXPECT_EQ(names, SampleSet::fileNames());
    EXPECT_EQ(QDir(file("")).entryList(QDir::Files).size(), names.size());
    EXPECT_LT(total, 15 * 1024 * 1024);
    EXPECT_TRUE(names.contains("IMG_0001.jpg") && names.contains("IMG_0001.wav"));
    for (int code = 1; code <= 8; ++code)
        EXPECT_TRUE(names.contains(QStringLiteral("orientation_%1.jpg").arg(code)));
}

TEST_F(SampleSetFolder, GeneratingAgainGivesTheSameBytes)
{
    TempDir again;
    ASSERT_TRUE(makeSamples(again.path(), nullptr));
    for (const QString& name : SampleSet::fileNames())
        EXPECT_EQ(vistello::test::readAll(again.file(name)), vistello::test::readAll(file(name))) << name.toStdString();
}

TEST_F(SampleSetFolder, EveryPictureDecodesAtItsStoredSize)
{
    SKIP_WITHOUT_TOOL("djpeg");
    for (const SamplePictureRecipe& recipe : SampleSet::pictures()) {
        SCOPED_TRACE(recipe.fileName.toStdString());
        const ToolRun run = runTool("djpeg", {"-pnm", file(recipe.fileName)});
        ASSERT_EQ(run.exitCode, 0);
        EXPECT_TRUE(run.err.isEmpty()) << run.err.constData();
        const QSize size = storedSize(recipe);
        const QByteArray header = QStringLiteral("%1\n%2 %3\n255\n")
                                      .arg(recipe.sampling == ChromaSampling::Grey ? "P5" : "P6")
                                      .arg(size.width())
                                      .arg(size.height())
                                      .toLatin1();
        EXPECT_TRUE(run.out.startsWith(header)) << run.out.left(20).constData();
    }
}

TEST_F(SampleSetFolder, ExiftoolFindsWellFormedStructure)
{
    SKIP_WITHOUT_TOOL("exiftool");
    const ToolRun run = runTool("exiftool", QStringList{"-validate", "-warning", "-error", "-a", "-T",
                                                        "-FileName"} + jpegPaths());
    ASSERT_EQ(run.exitCode, 0);
    const QStringList lines = QString::fromUtf8(run.out).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size(), int(SampleSet::pictures().size()));
    for (const QString& line : lines)
        EXPECT_TRUE(line.startsWith("OK\t")) << line.toStdString();
}

TEST_F(SampleSetFolder, ExiftoolReadsTheCameraData)
{
    SKIP_WITHOUT_TOOL("exiftool");
    const ToolRun run = runTool("exiftool", QStringList{"-j", "-n", "-G1", "-a"} + jpegPaths());
    ASSERT_EQ(run.exitCode, 0);
    const QJsonArray all = QJsonDocument::fromJson(run.out).array();
    for (const SamplePictureRecipe& recipe : SampleSet::pictures()) {
        SCOPED_TRACE(recipe.fileName.toStdString());
        const QJsonObject t = byFileName(all, recipe.fileName);
        ASSERT_FALSE(t.isEmpty());
        const QSize stored = storedSize(recipe);
        EXPECT_EQ(t["File:ExifByteOrder"].toString(), recipe.byteOrder == TiffByteOrder::LittleEndian ? "II" : "MM");
        EXPECT_EQ(t["IFD0:Make"].toString(), QString(recipe.make));
        EXPECT_EQ(t["IFD0:Model"].toString(), QString(recipe.model));
        EXPECT_EQ(t["IFD0:Orientation"].toInt(), int(recipe.orientation));
        EXPECT_EQ(number(t, "IFD0:XResolution"), 72.0);
        EXPECT_EQ(number(t, "IFD0:YResolution"), 72.0);
        EXPECT_EQ(t["IFD0:ResolutionUnit"].toInt(), 2);
        EXPECT_EQ(t["IFD0:ModifyDate"].toString(), QString(recipe.dateTaken));
        EXPECT_EQ(t["ExifIFD:DateTimeOriginal"].toString(), QString(recipe.dateTaken));
        EXPECT_EQ(t["ExifIFD:CreateDate"].toString(), QString(recipe.dateTaken));
        EXPECT_NEAR(number(t, "ExifIFD:ExposureTime"), quotient(recipe.exposureTime), 1e-9);
        EXPECT_NEAR(number(t, "ExifIFD:FNumber"), quotient(recipe.fNumber), 1e-9);
        // exiftool turns the APEX values back into seconds and an f-number.
        EXPECT_NEAR(number(t, "ExifIFD:ShutterSpeedValue") / quotient(recipe.exposureTime), 1.0, 1e-5);
        EXPECT_NEAR(number(t, "ExifIFD:ApertureValue"), quotient(recipe.fNumber), 1e-3);
        EXPECT_EQ(t["ExifIFD:ExifImageWidth"].toInt(), stored.width());
        EXPECT_EQ(t["ExifIFD:ExifImageHeight"].toInt(), stored.height());
        EXPECT_EQ(t["File:ImageWidth"].toInt(), stored.width());
        EXPECT_EQ(t["File:ImageHeight"].toInt(), stored.height());
        EXPECT_EQ(t["InteropIFD:InteropIndex"].toString(), "R98");
        EXPECT_EQ(t["IFD1:Compression"].toInt(), 6);
        EXPECT_GT(t["IFD1:ThumbnailLength"].toInt(), 500);
        EXPECT_EQ(t["ExifIFD:UserComment"].toString(), QString(recipe.userComment));
        EXPECT_EQ(t["File:Comment"].toString(), QString(recipe.comment));
        EXPECT_EQ(t["File:EncodingProcess"].toInt(), recipe.progressive ? 2 : 0);
        const char* sub = recipe.sampling == ChromaSampling::Yuv420   ? "2 2"
                          : recipe.sampling == ChromaSampling::Yuv422 ? "2 1"
                          : recipe.sampling == ChromaSampling::Yuv444 ? "1 1"
                                                                    : "";
        EXPECT_EQ(t["File:YCbCrSubSampling"].toString(), sub);
        EXPECT_FALSE(t.contains("File:JFIFVersion")); // camera files start with APP1
        if (recipe.gps) {
            EXPECT_EQ(t["GPS:GPSVersionID"].toString(), "2 3 0 0");
            EXPECT_NEAR(number(t, "Composite:GPSLatitude"), recipe.gps->latitude, 1e-5);
            EXPECT_NEAR(number(t, "Composite:GPSLongitude"), recipe.gps->longitude, 1e-5);
            EXPECT_NEAR(number(t, "Composite:GPSAltitude"), recipe.gps->altitude, 0.05);
            EXPECT_EQ(t["GPS:GPSDateStamp"].toString(), QString(recipe.dateTaken.left(10)));
            EXPECT_EQ(t["GPS:GPSTimeStamp"].toString(), QString(recipe.dateTaken.mid(11)));
        } else {
            EXPECT_FALSE(t.contains("GPS:GPSVersionID"));
        }
    }
}

// The value types a reader must cope with, in both byte orders.
TEST_F(SampleSetFolder, Exiv2SeesTheCameraTypes)
{
    SKIP_WITHOUT_TOOL("exiv2");
    for (const SamplePictureRecipe& recipe : SampleSet::pictures()) {
        SCOPED_TRACE(recipe.fileName.toStdString());
        const ToolRun run = runTool("exiv2", {"-pv", file(recipe.fileName)});
        ASSERT_EQ(run.exitCode, 0) << run.err.constData();
        const QString text = QString::fromUtf8(run.out);
        const auto has = [&text](const QString& pattern) {
            return QRegularExpression(pattern, QRegularExpression::MultilineOption).match(text).hasMatch();
        };
        EXPECT_TRUE(has("^0x9201 Photo +ShutterSpeedValue +SRational +1 "));
        EXPECT_TRUE(has("^0x9202 Photo +ApertureValue +Rational +1 "));
        EXPECT_TRUE(has("^0x829a Photo +ExposureTime +Rational +1 "));
        EXPECT_TRUE(has("^0x0112 Image +Orientation +Short +1 +" + QString::number(int(recipe.orientation)) + "$"));
        const QString dimType = recipe.dimensionsAsLong ? "Long" : "Short";
        EXPECT_TRUE(has("^0xa002 Photo +PixelXDimension +" + dimType + " +1 +" +
                        QString::number(storedSize(recipe).width()) + "$"));
        if (!recipe.userComment.isEmpty()) {
            EXPECT_TRUE(has("^0x9286 Photo +UserComment +Undefined +" + QString::number(recipe.userComment.size() + 8) +
                            " +charset=Ascii " + QRegularExpression::escape(QString(recipe.userComment)) + "$"));
        }
        if (recipe.gps) {
            EXPECT_TRUE(has("^0x0000 GPSInfo +GPSVersionID +Byte +4 +2 3 0 0$"));
            EXPECT_TRUE(has("^0x0005 GPSInfo +GPSAltitudeRef +Byte +1 +" +
                            QString::number(recipe.gps->altitude < 0 ? 1 : 0) + "$"));
            EXPECT_TRUE(has("^0x0002 GPSInfo +GPSLatitude +Rational +3 "));
        }
        EXPECT_TRUE(has("^0x0201 Thumbnail +JPEGInterchangeFormat +Long +1 "));
    }
}

// The thumbnail is a JPEG of the stored pixels: same orientation, so that
// the one orientation tag serves both.
TEST_F(SampleSetFolder, ThumbnailIsAnExtractableJpegOfTheStoredPixels)
{
    SKIP_WITHOUT_TOOL("exiftool");
    TempDir out;
    const ToolRun run = runTool("exiftool", QStringList{"-b", "-ThumbnailImage", "-w", out.path() + "%f.thumb"} +
                                                jpegPaths());
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    for (const SamplePictureRecipe& recipe : SampleSet::pictures()) {
        SCOPED_TRACE(recipe.fileName.toStdString());
        const QByteArray bytes = vistello::test::readAll(out.file(QFileInfo(recipe.fileName).completeBaseName() + ".thumb"));
        ASSERT_TRUE(bytes.startsWith("\xFF\xD8\xFF"));
        QImage thumb;
        ASSERT_TRUE(thumb.loadFromData(bytes, "JPEG"));
        const QSize stored = storedSize(recipe);
        EXPECT_EQ(std::max(thumb.width(), thumb.height()), 160);
        EXPECT_EQ(thumb.width() > thumb.height(), stored.width() > stored.height());
        EXPECT_NEAR(double(thumb.width()) / thumb.height(), double(stored.width()) / stored.height(), 0.05);
        if (recipe.sampling != ChromaSampling::Grey && recipe.displaySize == QSize(640, 480)) {
            std::string why;
            EXPECT_TRUE(looksUpright(shownUpright(thumb.convertToFormat(QImage::Format_RGB888),
                                                  int(recipe.orientation)), &why)) << why;
        }
    }
}

// Each colour picture looks upright only once its orientation is applied:
// by Qt's EXIF-aware reader, and by the transform table of this test.
TEST_F(SampleSetFolder, DrawingIsUprightOnlyWhenTheOrientationIsApplied)
{
    if (!QImageReader::supportedImageFormats().contains("jpeg"))
        SKIP_OR_FAIL("Qt has no JPEG reader here");
    for (const SamplePictureRecipe& recipe : SampleSet::pictures()) {
        if (recipe.sampling == ChromaSampling::Grey)
            continue;
        SCOPED_TRACE(recipe.fileName.toStdString());
        const int code = int(recipe.orientation);
        QImageReader raw(file(recipe.fileName));
        raw.setAutoTransform(false);
        const QImage stored = raw.read().convertToFormat(QImage::Format_RGB888);
        ASSERT_FALSE(stored.isNull());
        QImageReader oriented(file(recipe.fileName));
        oriented.setAutoTransform(true);
        const QImage shown = oriented.read().convertToFormat(QImage::Format_RGB888);

        std::string why;
        EXPECT_TRUE(looksUpright(shown, &why)) << "Qt's reader: " << why;
        EXPECT_EQ(shown.size(), recipe.displaySize);
        EXPECT_TRUE(looksUpright(shownUpright(stored, code), &why)) << "table: " << why;
        EXPECT_EQ(looksUpright(stored, &why), code == 1) << "as stored: " << why;
    }
}

TEST_F(SampleSetFolder, CommentSegmentIsReadable)
{
    SKIP_WITHOUT_TOOL("rdjpgcom");
    for (const SamplePictureRecipe& recipe : SampleSet::pictures()) {
        const ToolRun run = runTool("rdjpgcom", {file(recipe.fileName)});
        EXPECT_EQ(run.out.trimmed(), recipe.comment) << recipe.fileName.toStdString();
    }
}

// The list names pictures of the folder by relative name, some with a
// comment after the first comma, in UTF-8 with byte-order mark and CR LF.
TEST_F(SampleSetFolder, PictureListNamesPicturesOfTheFolder)
{
    const QByteArray bytes = vistello::test::readAll(file(SampleSet::listFileName()));
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const QString text = QString::fromUtf8(bytes.mid(3));
    ASSERT_TRUE(text.endsWith("\r\n"));
    const QStringList lines = text.chopped(2).split("\r\n");
    EXPECT_GE(lines.size(), 3);
    int withComment = 0;
    for (const QString& line : lines) {
        const QString name = line.section(',', 0, 0);
        EXPECT_FALSE(name.contains('/')) << line.toStdString();
        EXPECT_TRUE(QFileInfo::exists(file(name))) << line.toStdString();
        withComment += line.contains(',') ? 1 : 0;
    }
    EXPECT_GE(withComment, 2);
    EXPECT_LT(withComment, lines.size());
    EXPECT_TRUE(text.contains(QStringLiteral("Caf\u00e9")));
}

TEST_F(SampleSetFolder, SoundMemoIsPlainPcmWave)
{
    const QByteArray wav = vistello::test::readAll(file(SampleSet::soundFileName()));
    ASSERT_EQ(wav.size(), 44 + 8000); // half a second of 8 kHz 16-bit mono
    EXPECT_TRUE(wav.startsWith("RIFF") && wav.mid(8, 8) == "WAVEfmt ");
    if (!toolAvailable("file"))
        SKIP_OR_FAIL("file is not installed");
    const ToolRun run = runTool("file", {"-b", file(SampleSet::soundFileName())});
    EXPECT_TRUE(run.out.contains("WAVE audio, Microsoft PCM, 16 bit, mono 8000 Hz")) << run.out.constData();
}

TEST(SampleSet, ReportsAFolderThatCannotBeMade)
{
    TempDir dir;
    const QString blocker = dir.write("plain-file", "x");
    QString error;
    QStringList written;
    EXPECT_FALSE(makeSamples(blocker + "/inside", &error, &written));
    EXPECT_TRUE(error.contains(blocker)) << error.toStdString();
    EXPECT_TRUE(written.isEmpty());
    EXPECT_FALSE(makeSamples(QString(), &error));
}
