// The wallpaper bitmap: fitted into the screen, 24-bit BMP as other readers
// see it, fresh names, and only the program's own earlier bitmaps removed.
#include "publish/wallpaper/WallpaperBitmap.h"
#include "publish/wallpaper/WallpaperSetter.h"

#include "app/SampleTools.h"
#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/BuiltInFormats.h"
#include "publish/PublishFixtures.h"
#include "support/TempDir.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>
#include <gtest/gtest.h>

namespace vistello {
namespace {

using test::TempDir;
using test::sampletools::runTool;

class WallpaperBitmap : public ::testing::Test {
protected:
    void SetUp() override { registerBuiltInFormats(PictureFileTypes::instance(), false, nullptr); }

    QString picture(int width, int height) const
    {
        return dir.write(QStringLiteral("pictures/p%1x%2.jpg").arg(width).arg(height),
                         test::publish::plainJpeg(width, height));
    }
    QString folder() const { return dir.file("data/"); }
    std::optional<QString> write(int width, int height, QSize screen) const
    {
        QString error;
        const std::optional<PixelBuffer> pixels = wallpaperPixels(picture(width, height), screen, true, &error);
        EXPECT_TRUE(pixels) << error.toStdString();
        if (!pixels)
            return std::nullopt;
        QDir().mkpath(folder());
        return writeWallpaperBitmap(*pixels, folder(), &error);
    }

    TempDir dir;
};

TEST_F(WallpaperBitmap, SmallPictureIsEnlargedToTouchTheScreen)
{
    SKIP_WITHOUT_TOOL("identify");
    SKIP_WITHOUT_TOOL("python3");
    const std::optional<QString> path = write(640, 480, {1280, 1024});
    ASSERT_TRUE(path);
    EXPECT_EQ(QString::fromUtf8(runTool("identify", {"-format", "%m %wx%h", *path}).out), "BMP3 1280x960");
    // Width, height, bits per pixel and compression straight from the headers.
    const test::ProcessRun header = runTool(
        "python3", {"-c",
                    "import struct,sys; d=open(sys.argv[1],'rb').read(54);"
                    "print(d[:2].decode(), *struct.unpack('<iiHHI', d[18:34]))",
                    *path});
    EXPECT_EQ(header.out.trimmed(), "BM 1280 960 1 24 0");
    EXPECT_EQ(QFileInfo(*path).size(), 54 + 1280 * 3 * 960);
}

TEST_F(WallpaperBitmap, LargePictureIsReducedIntoTheScreen)
{
    SKIP_WITHOUT_TOOL("identify");
    const std::optional<QString> path = write(1600, 400, {1024, 768});
    ASSERT_TRUE(path);
    EXPECT_EQ(QString::fromUtf8(runTool("identify", {"-format", "%wx%h", *path}).out), "1024x256");
}

TEST_F(WallpaperBitmap, EveryBitmapGetsAFreshNameAndOnlyTheProgramsOwnAreRemoved)
{
    const std::optional<QString> first = write(64, 48, {128, 96});
    const std::optional<QString> second = write(64, 48, {128, 96});
    ASSERT_TRUE(first && second);
    EXPECT_NE(*first, *second);
    EXPECT_TRUE(QFileInfo(*first).fileName().startsWith(kWallpaperPrefix));
    const QString users = dir.write("data/holiday.bmp", "mine");
    const QString similar = dir.write("data/Vistello_LE_wallpaper.txt", "mine");

    EXPECT_EQ(wallpaperBitmapsIn(folder()), (QStringList{*first, *second}));
    EXPECT_TRUE(removeWallpaperBitmaps(folder(), *second).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(*first));
    EXPECT_TRUE(QFileInfo::exists(*second));
    EXPECT_TRUE(QFileInfo::exists(users));
    EXPECT_TRUE(QFileInfo::exists(similar));
}

TEST_F(WallpaperBitmap, UndecodablePictureWritesNothing)
{
    WallpaperContext context;
    context.desktop = WallpaperDesktop::Gnome;
    context.folder = folder();
    QDir().mkpath(folder());
    const QString damaged = dir.write("pictures/broken.jpg", test::publish::damagedJpeg());
    const WallpaperResult result = setWallpaper(damaged, {1280, 1024}, context);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.message.contains("cannot be decoded")) << result.message.toStdString();
    EXPECT_TRUE(QDir(folder()).isEmpty());
}

TEST_F(WallpaperBitmap, UnsupportedDesktopWritesNothing)
{
    WallpaperContext context;
    context.currentDesktop = "sway";
    context.folder = folder();
    QDir().mkpath(folder());
    const WallpaperResult result = setWallpaper(picture(64, 48), {1280, 1024}, context);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.message.contains("sway")) << result.message.toStdString();
    EXPECT_TRUE(QDir(folder()).isEmpty());
}

// One wallpaper job at a time: a second start while one runs is refused.
TEST_F(WallpaperBitmap, SetterRefusesASecondJobAndReportsByValue)
{
    WallpaperContext context;
    context.currentDesktop = "sway";
    context.folder = folder();
    WallpaperSetter setter(context);
    WallpaperSetter other(context);
    std::optional<WallpaperResult> result;
    QEventLoop loop;
    QObject::connect(&setter, &WallpaperSetter::finished, &loop, [&](const WallpaperResult& r) {
        result = r;
        loop.quit();
    });
    ASSERT_TRUE(setter.start(picture(64, 48), {640, 480}));
    EXPECT_TRUE(setter.busy());
    EXPECT_FALSE(setter.start(picture(64, 48), {640, 480}));
    EXPECT_FALSE(other.startReset());
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    ASSERT_TRUE(result);
    EXPECT_FALSE(result->ok);
    EXPECT_TRUE(result->message.contains("sway"));
    EXPECT_FALSE(setter.busy());
    EXPECT_TRUE(other.startReset());
}

} // namespace
} // namespace vistello
