#include "app/samples/SamplePicture.h"
#include "app/window/frame/CommandIds.h"
#include "core/prompts/Prompts.h"
#include "core/settings/SettingsStore.h"
#include "resources/InfoStrings.h"
#include "resources/StringTable.h"
#include "ui/pictureinfo/OrientationPictogram.h"
#include "ui/pictureinfo/PictureDataPage.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vistello;
using samples::Orientation;

namespace {

constexpr int kSide = 24; // the letter's grid lands on whole pixels

QImage pictogram(int orientation, bool outlined)
{
    QImage image(kSide, kSide, QImage::Format_RGB32);
    QPainter painter(&image);
    drawOrientationPictogram(painter, image.rect(), orientation, outlined);
    return image;
}

// The letter alone: dark pixels inside the frame, white elsewhere.
QImage letter(const QImage& drawn)
{
    QImage mask = drawn.copy(drawn.rect().adjusted(3, 3, -3, -3)).convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            mask.setPixel(x, y, qGray(mask.pixel(x, y)) < 128 ? 0xff000000 : 0xffffffff);
    return mask;
}

bool hasColour(const QImage& image, QColor colour)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            if (rgb.pixel(x, y) == colour.rgb())
                return true;
    return false;
}

struct PageFixture {
    QTemporaryDir dir;
    SettingsStore store{dir.path() + QLatin1Char('/')};
    ScriptedPrompts prompts;
    PictureDataPage page{nullptr};

    PageFixture() { page.setServices(prompts, store); }

    QString write(const samples::SamplePictureRecipe& recipe, const samples::ExifAdjuster& adjust = {})
    {
        const QString path = dir.filePath(recipe.fileName);
        QFile file(path);
        const QByteArray bytes = samples::buildSamplePicture(recipe, adjust);
        return !bytes.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? path
                                                                                                        : QString();
    }
};

} // namespace

TEST(OrientationPictogram, EachLetterIsTheStoredFormOfTheUprightOne)
{
    const QImage upright = letter(pictogram(1, false));
    for (int o = 1; o <= 8; ++o) {
        EXPECT_EQ(letter(pictogram(o, false)), samples::toStored(upright, Orientation(o))) << "orientation " << o;
        EXPECT_TRUE(hasColour(pictogram(o, true), Qt::red)) << o;
        EXPECT_FALSE(hasColour(pictogram(o, false), Qt::red)) << o;
    }
}

// The pictograms and the colour-filter grid of the file's values; hostile
// values draw nothing and never hang.
TEST(PictureDataPage, DrawsTheOrientationAndColourFilterItHolds)
{
    const struct {
        uint16_t orientation;
        QByteArray pattern; // columns, rows (big-endian SHORTs), cells
        bool outlined;
        bool grid;
    } cases[] = {
        {6, QByteArray::fromHex("0002000201020201"), true, true},
        {99, QByteArray::fromHex("ffffffff0102"), false, false},
        {0, QByteArray::fromHex("000900090102"), false, false},
    };
    for (const auto& c : cases) {
        PageFixture f;
        samples::SamplePictureRecipe recipe;
        recipe.byteOrder = samples::TiffByteOrder::BigEndian;
        recipe.thumbnail = false;
        const QString path = f.write(recipe, [&](samples::ExifBuilder& exif) {
            exif.ifd0().set(samples::TiffField::shorts(0x0112, {c.orientation}));
            exif.exif().set(samples::TiffField::undefined(0xA302, c.pattern));
        });
        ASSERT_FALSE(path.isEmpty());
        f.page.resize(900, 2000);
        f.page.showPath(path, false);
        const QImage shown = f.page.grab().toImage();
        EXPECT_GT(f.page.dataRows(), 10);
        EXPECT_EQ(hasColour(shown, Qt::red), c.outlined) << c.orientation;
        EXPECT_EQ(hasColour(shown, Qt::green) && hasColour(shown, Qt::blue), c.grid) << c.orientation;
    }
}

TEST(PictureDataPage, CommandsCopyAndRewriteThroughThePrompts)
{
    PageFixture f;
    samples::SamplePictureRecipe recipe;
    recipe.comment = "lake";
    const QString path = f.write(recipe);
    f.page.showPath(path, false);
    const int rows = f.page.dataRows();
    ASSERT_GT(rows, 10);

    ASSERT_TRUE(f.page.pageCommand(command::CopyPictureData));
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith(QStringLiteral("Picture data for picture \"%1\"\r\n").arg(path)));
    EXPECT_TRUE(copied.endsWith(QStringLiteral(": lake\r\n")));
    EXPECT_EQ(f.prompts.shown().last(), strings::text(strings::kPictureDataCopied));

    // "No" keeps the file; without CopyOriginal no backup is made.
    f.store.setBool(QStringLiteral("CopyOriginal"), false);
    f.prompts.queueAnswer(QStringLiteral("no"));
    f.page.pageCommand(command::RemovePictureData);
    EXPECT_EQ(f.page.dataRows(), rows);
    f.prompts.queueAnswer(QStringLiteral("yes"));
    f.page.pageCommand(command::RemovePictureData);
    EXPECT_EQ(f.page.dataRows(), 0) << "the list follows the rewritten file";
    EXPECT_FALSE(QFile::exists(path + QStringLiteral(".original")));
    EXPECT_TRUE(f.page.stateJson().value(QStringLiteral("message")).toString().contains(recipe.fileName));
    EXPECT_FALSE(f.page.pageCommand(command::NextPicture));
}
