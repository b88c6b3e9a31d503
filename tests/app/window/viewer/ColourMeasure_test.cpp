#include "app/window/viewer/ColourMeasure.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/prompts/Prompts.h"
#include "core/settings/SettingsStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace vistello;

namespace {

// Left half one colour, right half another.
QImage halves(QSize size, QRgb left, QRgb right)
{
    QImage image(size, QImage::Format_RGB888);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, x < size.width() / 2 ? left : right);
    return image;
}

// A ".raw" format that records what it is handed.
struct RawFormat {
    RawFormat()
    {
        PictureFileTypes::instance().clear();
        PictureFileTypes::instance().registerFormat(
            {QStringLiteral(".raw"), QStringLiteral("Raw"), {}, 1, [this](const QString& p) { handed = p; }, {}},
            true, nullptr);
    }
    ~RawFormat() { PictureFileTypes::instance().clear(); }
    QString handed;
};

} // namespace

TEST(ColourMeasure, BandsAreClampedToThePictureAndAveraged)
{
    const QRect drawn(10, 20, 4, 2); // a 4x2 rendering at (10, 20)
    const struct {
        QPoint from, to;
        QRect band;
    } rows[] = {
        {{10, 20}, {14, 22}, {10, 20, 4, 2}},   // the whole picture
        {{0, 0}, {100, 100}, {10, 20, 4, 2}},   // from outside: clamped
        {{13, 21}, {11, 20}, {11, 20, 2, 1}},   // dragged up and left
        {{12, 21}, {12, 40}, {12, 21, 0, 1}},   // no width: empty
    };
    for (const auto& row : rows)
        EXPECT_EQ(measureBand(row.from, row.to, drawn), row.band) << row.from.x() << "," << row.from.y();

    const QImage image = halves({4, 2}, qRgb(10, 20, 30), qRgb(11, 40, 0));
    const std::optional<ColourAverages> whole = averageColours(image, image.rect());
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->red, 10); // (10 + 10 + 11 + 11) / 4, truncated
    EXPECT_EQ(whole->green, 30);
    EXPECT_EQ(whole->blue, 15);
    EXPECT_DOUBLE_EQ(*whole->greenRed, 3.0);
    EXPECT_DOUBLE_EQ(*whole->greenBlue, 2.0);
    EXPECT_FALSE(averageColours(image, QRect(5, 0, 3, 3))) << "outside the image";
}

TEST(ColourMeasure, SumsOfALargeRenderingDoNotOverflow)
{
    QImage white(4096, 2160, QImage::Format_RGB888); // 255 * 8.8 M pixels > 2^31
    white.fill(Qt::white);
    const std::optional<ColourAverages> averages = averageColours(white, white.rect());
    ASSERT_TRUE(averages);
    EXPECT_EQ(averages->red, 255);
    EXPECT_EQ(averages->blue, 255);
}

// A zero average divided by before: the ratios are "–" and "Yes" cannot be
// given, so nothing reaches the raw settings.
TEST(ColourMeasure, ZeroDivisorShowsADashAndRefusesYes)
{
    RawFormat raw;
    test::TempDir dir;
    SettingsStore store(dir.path());
    ScriptedPrompts prompts;
    const std::optional<ColourAverages> averages = averageColours(halves({2, 1}, qRgb(0, 50, 100), qRgb(0, 50, 100)), {0, 0, 2, 1});
    ASSERT_TRUE(averages);
    EXPECT_FALSE(averages->greenRed);
    prompts.queueAnswer(QStringLiteral("yes"));
    EXPECT_FALSE(offerRawMultipliers(prompts, store, *averages));
    ASSERT_EQ(prompts.shown().size(), 1);
    EXPECT_EQ(prompts.shown().first(),
              QStringLiteral("Red: 0\nGreen: 50\nBlue: 100\nGreen/Red: \u2013\nGreen/Blue: 0.500\n\n"
                             "Would you like to add the red/blue multipliers to the Raw settings?"));
    EXPECT_TRUE(store.getString(QStringLiteral("Raw_property")).isEmpty());
    EXPECT_TRUE(raw.handed.isEmpty());
}

TEST(ColourMeasure, YesWritesTheRatiosIntoTheRawSettings)
{
    RawFormat raw;
    test::TempDir dir;
    SettingsStore store(dir.path());
    store.setString(QStringLiteral("Raw_property"), QStringLiteral("1;2;3;0.5;0.25"));
    ScriptedPrompts prompts;
    prompts.queueAnswer(QStringLiteral("yes"));
    ColourAverages averages{40, 100, 80, 2.5, 1.25};
    EXPECT_TRUE(offerRawMultipliers(prompts, store, averages));
    const QString expected = QStringLiteral("1;2;3;0.500000;0.250000;2.500000;1.250000");
    EXPECT_EQ(store.getString(QStringLiteral("Raw_property")), expected);
    EXPECT_EQ(raw.handed, expected);
}

TEST(ColourMeasure, RawPropertyFieldsAndTheirDefaults)
{
    const std::pair<const char*, const char*> rows[] = {
        {"", "0;0;0;0.600000;1.000000;2.000000;3.000000"},
        {"7;8;9;0.1;0.2;0.3;0.4", "7;8;9;0.100000;0.200000;2.000000;3.000000"},
        {"5;x;9;0.1", "5;0;0;0.600000;1.000000;2.000000;3.000000"}, // read up to the first bad field
    };
    for (const auto& [before, after] : rows)
        EXPECT_EQ(rawPropertyWithMultipliers(QString::fromLatin1(before), 2.0, 3.0), QString::fromLatin1(after)) << before;
}
