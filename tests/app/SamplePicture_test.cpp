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
    SamplePictureRecipe recipe;
    recipe.displaySize = {96, 64};
    recipe.jfif = true;
    recipe.comment = "hello";
    recipe.gps = GpsPosition{1.0, 2.0, 3.0};
    recipe.thumbnail = false;
    recipe.extraMarkers = {{0xED, "Photoshop 3.0"}, {0xE2, "second extra"}};
    const QByteArray jpeg = buildSamplePicture(recipe, [](ExifBuilder& exif) {
        exif.ifd0().set(TiffField::ascii(0x0110, "Adjusted"));
        exif.ifd0().remove(0x8825);
    });
    ASSERT_FALSE(jpeg.isEmpty());
    EXPECT_TRUE(headerMarkers(jpeg).startsWith("\xE0\xE1\xFE\xED\xE2\xDB"));

    if (!toolAvailable("exiftool"))
        SKIP_OR_FAIL("exiftool is not installed");
    TempDir dir;
    const ToolRun run = runTool("exiftool", {"-s3", "-Model", "-JFIFVersion", "-GPSLatitude", "-ThumbnailLength",
                                             "-ExifImageWidth", dir.write("hooks.jpg", jpeg)});
    EXPECT_EQ(run.out, QByteArray("Adjusted\n1.01\n96\n")); // no GPS, no thumbnail
}

TEST(SamplePicture, RefusesWhatDoesNotFitOneSegment)
{
    SamplePictureRecipe recipe;
    recipe.displaySize = {32, 32};
    EXPECT_FALSE(buildSamplePicture(recipe).isEmpty());
    EXPECT_TRUE(buildSamplePicture(recipe, [](ExifBuilder& exif) {
                    exif.exif().set(TiffField::undefined(0x927C, QByteArray(70000, 'n')));
                }).isEmpty());
    recipe.displaySize = {0, 32};
    EXPECT_TRUE(buildSamplePicture(recipe).isEmpty());
}
