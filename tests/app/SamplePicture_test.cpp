// The fixture entry point other tests build their pictures with: its hooks
// for JFIF, extra segments and EXIF changes, and its refusal of what cannot
// be written.
#include "app/SampleTools.h"
#include "app/samples/SamplePicture.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace vistello::samples;
using namespace vistello::test::sampletools;
using vistello::test::TempDir;

TEST(SamplePicture, HooksShapeTheFile)
{
    SamplePictureSpec spec;
    spec.displaySize = {96, 64};
    spec.jfif = true;
    spec.comment = "hello";
    spec.gps = GpsPosition{1.0, 2.0, 3.0};
    spec.thumbnail = false;
    spec.extraMarkers = {{0xED, "Photoshop 3.0"}, {0xE2, "second extra"}};
    const QByteArray jpeg = buildSamplePicture(spec, [](ExifBuilder& exif) {
        exif.ifd0().set(TiffField::ascii(0x0110, "Adjusted"));
        exif.ifd0().remove(0x8825);
    });
    ASSERT_FALSE(jpeg.isEmpty());
    EXPECT_TRUE(headerMarkers(jpeg).startsWith("\xE0\xE1\xFE\xED\xE2\xDB"));

    if (!toolAvailable("exiftool"))
        GTEST_SKIP() << "exiftool is not installed";
    TempDir dir;
    const ToolRun run = runTool("exiftool", {"-s3", "-Model", "-JFIFVersion", "-GPSLatitude", "-ThumbnailLength",
                                             "-ExifImageWidth", dir.write("hooks.jpg", jpeg)});
    EXPECT_EQ(run.out, QByteArray("Adjusted\n1.01\n96\n")); // no GPS, no thumbnail
}

TEST(SamplePicture, RefusesWhatDoesNotFitOneSegment)
{
    SamplePictureSpec spec;
    spec.displaySize = {32, 32};
    EXPECT_FALSE(buildSamplePicture(spec).isEmpty());
    EXPECT_TRUE(buildSamplePicture(spec, [](ExifBuilder& exif) {
                    exif.exif().set(TiffField::undefined(0x927C, QByteArray(70000, 'n')));
                }).isEmpty());
    spec.displaySize = {0, 32};
    EXPECT_TRUE(buildSamplePicture(spec).isEmpty());
}
