// The picture summary, the information text and the picture-data text, on
// pictures generated in the test and on summaries given directly.
#include "app/samples/SamplePicture.h"
#include "jpegmeta/MetaFixtures.h"
#include "jpegmeta/exif/ExifDateText.h"
#include "jpegmeta/info/PictureDataText.h"
#include "jpegmeta/info/PictureInfoText.h"
#include "support/TempDir.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cstdint>
#include <gtest/gtest.h>

using namespace vistello;
using namespace vistello::samples;
using vistello::test::TempDir;

namespace {

struct ShutterCase {
    double exposureTime;
    int32_t fromApex;
    int32_t shutter;
    const char* line;
};

class ShutterLines : public ::testing::TestWithParam<ShutterCase> {};

TEST_P(ShutterLines, FollowTheExposureTime)
{
    const ShutterCase& c = GetParam();
    PictureSummary s;
    s.shutter = shutterFromExposure(c.exposureTime, c.fromApex);
    EXPECT_EQ(s.shutter, c.shutter);
    const QString text = pictureInfoText(s, QStringLiteral("a.jpg"), false, QStringLiteral("M"), 10);
    EXPECT_TRUE(text.contains(QString::fromUtf8(c.line))) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(PictureInfo, ShutterLines,
                         ::testing::Values(ShutterCase{1.0 / 200, 0, 200, "\nShutter speed:\t1/200 s\n"},
                                           ShutterCase{0.25, 0, 4, "\nShutter speed:\t1/4 s\n"},
                                           ShutterCase{0.5, 0, -5, "\nShutter speed:\t0.5 s\n"},
                                           ShutterCase{2, 0, -20, "\nShutter speed:\t2.0 s\n"},
                                           ShutterCase{0, 256, 256, "\nShutter speed:\t1/256 s\n"},
                                           ShutterCase{0, -10, -10, "\nShutter speed:\t1.0 s\n"},
                                           ShutterCase{1e-300, 0, INT32_MAX, "\nShutter speed:\t1/2147483647 s\n"},
                                           ShutterCase{1e300, 0, INT32_MIN, "\nShutter speed:\t214748364.8 s\n"}));

TEST(PictureInfo, LinesInOrderWithTabs)
{
    PictureSummary s;
    s.width = 640;
    s.height = 480;
    s.shutter = 125;
    s.aperture = 5.6;
    s.dateLong = QStringLiteral("Wednesday at noon");
    EXPECT_EQ(pictureInfoText(s, QStringLiteral("IMG_1.jpg"), true, QStringLiteral("1/2/23 10:00"), 2048),
              QStringLiteral("Picture name:\tIMG_1.jpg (Write protected)\n"
                             "Picture size:\t640x480 pixel\n"
                             "Shutter speed:\t1/125 s\n"
                             "Aperture:\tF5.6\n"
                             "File size:\t3 KB (2048 Bytes)\n"
                             "Modified on:\t1/2/23 10:00\n"
                             "Created on:\tWednesday at noon"));
}

TEST(PictureInfo, TextIsCutTo1023Characters)
{
    PictureSummary s;
    s.dateLong = QString(2000, QLatin1Char('x'));
    EXPECT_EQ(pictureInfoText(s, QStringLiteral("a.jpg"), false, QString(), 1).size(), 1023);
}

// Files that are no pictures at all: name and file lines only, sizes rounded up to kilobytes.
TEST(PictureInfo, FileSizesOfTinyFiles)
{
    TempDir dir;
    for (const auto& [size, kb] : {std::pair{0, 0}, std::pair{1, 1}, std::pair{1024, 2}}) {
        const QString path = dir.write(QStringLiteral("f%1.jpg").arg(size), QByteArray(size, 'x'));
        const QString modified = modifiedDateText(path);
        EXPECT_FALSE(modified.isEmpty());
        EXPECT_EQ(pictureInfoText(path, modified, size),
                  QStringLiteral("Picture name:\tf%1.jpg\nFile size:\t%2 KB (%1 Bytes)\nModified on:\t%3")
                      .arg(size)
                      .arg(kb)
                      .arg(modified));
        const PictureSummary summary = readPictureSummary(path);
        EXPECT_FALSE(summary.valid);
        EXPECT_FALSE(summary.comment.isEmpty()) << "the JPEG library's message";
    }
}

TEST(PictureInfo, JpegWithoutExifShowsNameSizeAndFile)
{
    TempDir dir;
    const QByteArray jpeg = test::plainJpeg();
    const QString path = dir.write(QStringLiteral("plain.jpg"), jpeg);
    EXPECT_EQ(pictureInfoText(path, QStringLiteral("M"), jpeg.size()),
              QStringLiteral("Picture name:\tplain.jpg\nPicture size:\t16x16 pixel\nFile size:\t1 KB (%1 Bytes)\n"
                             "Modified on:\tM")
                  .arg(jpeg.size()));
}

TEST(PictureInfo, SummaryOfACameraPicture)
{
    TempDir dir;
    SamplePictureRecipe recipe;
    recipe.exposureTime = {1, 200};
    recipe.comment = "On the beach";
    recipe.extraMarkers.push_back({0xED, QByteArray("Photoshop 3.0\0", 14)});
    const QString path = dir.write(QStringLiteral("cam.jpg"), buildSamplePicture(recipe));
    const PictureSummary s = readPictureSummary(path);
    EXPECT_TRUE(s.valid);
    EXPECT_EQ(s.width, 640u);
    EXPECT_EQ(s.height, 480u);
    EXPECT_EQ(s.orientation, 1);
    EXPECT_EQ(s.shutter, 200);
    EXPECT_DOUBLE_EQ(s.aperture, 5.6);
    EXPECT_EQ(s.model, QStringLiteral("VX-100 "));
    EXPECT_EQ(s.dateIso, QStringLiteral("2023-06-14 10:15:00"));
    EXPECT_EQ(s.dateLong, localisedDateLong(QDateTime(QDate(2023, 6, 14), QTime(10, 15))));
    EXPECT_EQ(s.dateShort, localisedDateShort(QDateTime(QDate(2023, 6, 14), QTime(10, 15))));
    EXPECT_EQ(s.comment, QStringLiteral("On the beach"));
    EXPECT_TRUE(s.hasIptc);
    EXPECT_FALSE(s.hasIcc);

    const QString text = pictureInfoText(path, QStringLiteral("M"), QFileInfo(path).size());
    EXPECT_TRUE(text.startsWith(QStringLiteral("Picture name:\tcam.jpg\nPicture size:\t640x480 pixel\n"
                                               "Shutter speed:\t1/200 s\nAperture:\tF5.6\nFile size:\t")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("\nModified on:\tM\nCreated on:\t") + s.dateLong));
}

// Without ExposureTime the APEX shutter speed value is used: 8 is 1/256 s.
TEST(PictureInfo, ShutterFromApexWhenNoExposureTime)
{
    TempDir dir;
    const QString path = dir.write(QStringLiteral("apex.jpg"), buildSamplePicture({}, [](ExifBuilder& b) {
                                       b.exif().remove(0x829A);
                                       b.exif().set(TiffField::srationals(0x9201, {{8, 1}}));
                                   }));
    EXPECT_EQ(readPictureSummary(path).shutter, 256);
}

TEST(PictureInfo, WriteProtectedPictureIsMarked)
{
    TempDir dir;
    const QString path = dir.write(QStringLiteral("ro.jpg"), test::plainJpeg());
    // No write bit marks the picture, also for a user (root) the system lets write.
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    EXPECT_TRUE(pictureInfoText(path, QString(), 1).startsWith(QStringLiteral("Picture name:\tro.jpg (Write protected)\n")));
}

TEST(PictureInfo, ModifiedDateOfAMissingFileIsEmpty)
{
    TempDir dir;
    EXPECT_TRUE(modifiedDateText(dir.file(QStringLiteral("none.jpg"))).isEmpty());
    const QString path = dir.write(QStringLiteral("x.jpg"), "x");
    EXPECT_EQ(modifiedDateText(path), localisedDateShort(QFileInfo(path).lastModified()));
}

TEST(PictureDataText, PadsNamesAndEndsLinesWithCrLf)
{
    PictureDataSections sections;
    sections.exif = {{QStringLiteral("Make"), QStringLiteral("Canon "), 2},
                     {QStringLiteral("Exposure time"), QStringLiteral("4.0 ms"), 3}};
    sections.comment = {{QStringLiteral("Comment"), QStringLiteral("hi"), 0}};
    EXPECT_EQ(pictureDataText(QStringLiteral("/p/a.jpg"), sections),
              QStringLiteral("Picture data for picture \"/p/a.jpg\"\r\n"
                             "\r\nEXIF\r\n-------------\r\n"
                             "Make         : Canon \r\n"
                             "Exposure time: 4.0 ms\r\n"
                             "\r\nComment\r\n-------------\r\n"
                             "Comment      : hi\r\n"));
    EXPECT_EQ(pictureDataText(QStringLiteral("/p/b.jpg"), {}), QStringLiteral("Picture data for picture \"/p/b.jpg\"\r\n"));
}

// Rows of a camera picture: tree order, every row named and valued, the
// comment in its own section.
TEST(PictureDataText, RowsOfACameraPicture)
{
    TempDir dir;
    SamplePictureRecipe recipe;
    recipe.comment = "Lunch";
    recipe.gps = GpsPosition{51.5, -0.25, 35};
    const QString path = dir.write(QStringLiteral("cam.jpg"), buildSamplePicture(recipe));
    const PictureDataSections sections = readPictureDataSections(path);
    ASSERT_FALSE(sections.exif.empty());
    QStringList names;
    for (const PictureDataRow& row : sections.exif) {
        EXPECT_FALSE(row.name.isEmpty());
        EXPECT_FALSE(row.value.isEmpty()) << row.name.toStdString();
        names << row.name;
    }
    const auto valueOf = [&](const QString& name) {
        for (const PictureDataRow& row : sections.exif)
            if (row.name == name)
                return row.value;
        return QString();
    };
    EXPECT_EQ(valueOf(QStringLiteral("Make")), QStringLiteral("Vistello Optics "));
    EXPECT_EQ(valueOf(QStringLiteral("Exposure time")), QStringLiteral("8.0 ms"));
    EXPECT_EQ(valueOf(QStringLiteral("F-Number of lens")), QStringLiteral("F5.6"));
    EXPECT_EQ(valueOf(QStringLiteral("Focal length")), QStringLiteral("18.0 mm"));
    EXPECT_EQ(valueOf(QStringLiteral("Exif version")), QStringLiteral("0230")) << "only versions up to 2.2 are named";
    EXPECT_EQ(valueOf(QStringLiteral("FlashPix-Version")), QStringLiteral("1.0"));
    EXPECT_EQ(valueOf(QStringLiteral("East or West Longitude")), QStringLiteral("West"));
    EXPECT_TRUE(valueOf(QStringLiteral("Latitude")).startsWith(QStringLiteral("51\u00B0 30'")));
    EXPECT_LT(names.indexOf(QStringLiteral("Make")), names.indexOf(QStringLiteral("Exif offset")));
    EXPECT_LT(names.indexOf(QStringLiteral("Exif offset")), names.indexOf(QStringLiteral("Exposure time")));
    ASSERT_EQ(sections.comment.size(), 1u);
    EXPECT_EQ(sections.comment[0].value, QStringLiteral("Lunch"));

    const QString text = pictureDataText(path, sections);
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nEXIF\r\n")));
    EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("[^\r]\n"))));
}

} // namespace
