// vistello-cli index as a user runs it; sheet sizes and pixels are read
// back by ImageMagick.
#include "app/SampleTools.h"
#include "app/samples/ExifBuilder.h"
#include "app/samples/SamplePicture.h"
#include "publish/PublishFixtures.h"
#include "support/TempDir.h"

#include <QDir>
#include <gtest/gtest.h>

namespace vistello {
namespace {

using test::TempDir;
using test::sampletools::runTool;
using namespace test::publish;

class IndexCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        SKIP_WITHOUT_CLI();
        QDir(dir.path()).mkpath("out");
        settings = dir.write("settings.xml", settingsFile("IndexFileName", "string", "index%d.jpg"));
    }
    QString out() const { return dir.file("out/"); }
    QStringList pictures(int count, const QString& folder = "src")
    {
        QStringList paths;
        for (int i = 1; i <= count; ++i)
            paths << dir.write(QStringLiteral("%1/P%2.jpg").arg(folder).arg(i, 2, 10, QLatin1Char('0')), plainJpeg(60, 40));
        return paths;
    }
    test::CliRun index(const QStringList& args)
    {
        return runPublishing("index", QStringList{"-x", settings, "-o", out()} + args);
    }
    // "WxH" or "r,g,b" as identify reads the file.
    static QString identify(const QString& format, const QString& path)
    {
        return QString::fromUtf8(runTool("identify", {"-format", format, path}).out);
    }

    TempDir dir;
    QString settings;
};

TEST_F(IndexCli, TwentyNinePicturesMakeTwoDefaultSheets)
{
    SKIP_WITHOUT_TOOL("identify");
    const test::CliRun run = index(pictures(29));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, out() + "index0.jpg\t888x352\t28\n" + out() + "index1.jpg\t888x352\t1\n");
    EXPECT_EQ(identify("%wx%h", out() + "index0.jpg"), "888x352");
    EXPECT_EQ(identify("%wx%h", out() + "index1.jpg"), "888x352");

    // A second run over the folder with the sheets leaves them out.
    const test::CliRun again = index(QStringList{out() + "index0.jpg", out() + "index1.jpg"} + pictures(2));
    ASSERT_EQ(again.exitCode, 0) << again.err.toStdString();
    EXPECT_EQ(again.out, out() + "index0.jpg\t888x352\t2\n");
}

TEST_F(IndexCli, SheetsAreWrittenWithTheJpegOptions)
{
    SKIP_WITHOUT_TOOL("identify");
    for (const char* options : {"40,40", "70,70"}) {
        settings = dir.write("settings.xml", settingsFile("Jpeg_property", "string", options));
        const test::CliRun run = index(pictures(2));
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        // ImageMagick estimates the quality from the luminance table.
        EXPECT_EQ(identify("%Q", out() + "index0.jpg"), QString::fromLatin1(options).section(',', 0, 0)) << options;
    }
}

TEST_F(IndexCli, BackgroundAndPlacementPixels)
{
    SKIP_WITHOUT_TOOL("identify");
    const QString portrait = dir.write("src/red.jpg", plainJpeg(53, 80, Qt::red));
    const test::CliRun run = index({"--pattern", "index%d.bmp", "--background", "255,0,0", portrait});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(identify("%[pixel:p{0,0}]", out() + "index0.bmp"), "srgb(255,0,0)");
    ASSERT_EQ(index({"--pattern", "white%d.bmp", "--background", "255,255,255", portrait}).exitCode, 0);
    const QString sheet = out() + "white0.bmp";
    EXPECT_EQ(identify("%[pixel:p{37,45}]", sheet), "srgb(255,255,255)");
    EXPECT_EQ(identify("%[fx:p{38,45}.r>0.95 && p{38,45}.g<0.05]", sheet), "1") << identify("%[pixel:p{38,45}]", sheet).toStdString();
    EXPECT_EQ(identify("%[pixel:p{91,45}]", sheet), "srgb(255,255,255)");
}

TEST_F(IndexCli, EmbeddedThumbnailsOnlyWithThePicturesProportions)
{
    SKIP_WITHOUT_TOOL("identify");
    // A blue thumbnail shows where it was taken instead of the picture.
    const auto picture = [&](const QString& name, int thumbWidth, int thumbHeight) {
        samples::SamplePictureRecipe recipe;
        recipe.displaySize = QSize(600, 400);
        return dir.write(name, samples::buildSamplePicture(recipe, [&](samples::ExifBuilder& exif) {
            exif.setThumbnail(plainJpeg(thumbWidth, thumbHeight, Qt::blue));
        }));
    };
    const QStringList pictures = {picture("src/fits.jpg", 160, 107), picture("src/bars.jpg", 160, 120),
                                  picture("src/small.jpg", 90, 60)};
    ASSERT_EQ(index(QStringList{"--pattern", "s%d.bmp"} + pictures).exitCode, 0);
    const auto isBlue = [&](int x) {
        return identify(QStringLiteral("%[fx:p{%1,45}.b>0.9 && p{%1,45}.r<0.1 && p{%1,45}.g<0.1]").arg(x), out() + "s0.bmp");
    };
    EXPECT_EQ(isBlue(65), "1");       // 160 x 107: the proportions of 600 x 400, larger than the cell
    EXPECT_EQ(isBlue(65 + 125), "0"); // 160 x 120: black bars would show
    EXPECT_EQ(isBlue(65 + 250), "0"); // 90 x 60: it would be enlarged
}

TEST_F(IndexCli, RefusalsComeBeforeAnyWrite)
{
    const QStringList set = pictures(2);
    const QString named = dir.write("out/0.jpg", plainJpeg(8, 8));
    struct Case {
        QStringList args;
        const char* message;
    } const cases[] = {
        {{"--columns", "10000"}, "1250008 x 352 pixels is too large"},
        {{"--pattern", "../x%d.jpg"}, "inside the target folder"},
        {{"--pattern", "%d.jpg", named}, "would replace pictures of the set"},
    };
    for (const Case& c : cases) {
        const test::CliRun run = index(c.args + set);
        EXPECT_EQ(run.exitCode, 1) << c.message;
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_EQ(filesIn(out()), QStringList{"0.jpg"});
    }
    EXPECT_EQ(test::readAll(named), plainJpeg(8, 8));
}

TEST_F(IndexCli, OnlyWrittenSheetsAreAnnounced)
{
    QDir(out()).mkpath("index0.jpg"); // a folder where the first sheet would go
    const test::CliRun run = index(QStringList{"--columns", "1", "--rows", "1"} + pictures(2));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, out() + "index1.jpg\t136x96\t1\n") << run.out.toStdString();
    EXPECT_TRUE(run.err.contains("could not be created:\n" + out() + "index0.jpg")) << run.err.toStdString();
}

} // namespace
} // namespace vistello
