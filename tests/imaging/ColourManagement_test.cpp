// Colours: CMYK files (with and without the Adobe marker and a profile)
// against ImageMagick, embedded RGB profiles against jpgicc, and the
// display profile's settings and lifetime.
#include "app/SampleTools.h"
#include "core/settings/SettingsStore.h"
#include "imaging/DecodeFixtures.h"
#include "imaging/colour/DisplayProfile.h"
#include "imaging/decode/CmykToRgb.h"
#include "imaging/decode/JpegHandler.h"
#include "imaging/decode/PictureLoader.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace vistello;
using namespace vistello::test;
using namespace vistello::test::decode;
using sampletools::runTool;

namespace {

constexpr int kPatch = 32; // flat patches, compared away from their edges
constexpr int kMargin = 4;

// The largest difference inside the patches of a grid.
int patchDiff(const QImage& a, const QImage& b)
{
    if (a.size() != b.size() || a.isNull())
        return 256;
    int worst = 0;
    for (int py = 0; py < a.height(); py += kPatch)
        for (int px = 0; px < a.width(); px += kPatch) {
            const QRect inner(px + kMargin, py + kMargin, kPatch - 2 * kMargin, kPatch - 2 * kMargin);
            worst = std::max(worst, compare(a.copy(inner), b.copy(inner)).maxDiff);
        }
    return worst;
}

// 4 × 4 patches of assorted inks, 0 = no ink.
std::vector<uint8_t> cmykPatches(bool inverted)
{
    const int side = 4 * kPatch;
    std::vector<uint8_t> data(size_t(side) * side * 4);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const int i = (y / kPatch) * 4 + x / kPatch;
            const uint8_t ink[4] = {uint8_t(i * 17), uint8_t(255 - i * 13), uint8_t((i * 71) % 256), uint8_t(i % 4 * 60)};
            for (int c = 0; c < 4; ++c)
                data[(size_t(y) * side + size_t(x)) * 4 + size_t(c)] = inverted ? uint8_t(255 - ink[c]) : ink[c];
        }
    return data;
}

QImage ours(const QString& path, bool useProfiles = true)
{
    ensureBuiltIns();
    PictureRequest request;
    request.path = path;
    request.useColourProfiles = useProfiles;
    const std::optional<CachedPicture> picture = loadPicture(request);
    return picture ? picture->image : QImage();
}

QImage convertToPpm(const QString& path, const QStringList& options = {})
{
    const auto run = runTool(QStringLiteral("convert"), QStringList{path} + options + QStringList{QStringLiteral("ppm:-")});
    return run.exitCode == 0 ? readPnm(run.out) : QImage();
}

TEST(CmykToRgb, SimpleConversionAndInvertedValues)
{
    const uint8_t cmyk[] = {0, 0, 0, 0, 255, 0, 0, 0, 100, 50, 0, 128, 0, 0, 0, 255};
    uint8_t rgb[12];
    cmykRowToRgb(cmyk, rgb, 4, false);
    const uint8_t expected[] = {255, 255, 255, 0, 255, 255, 78, 103, 127, 0, 0, 0};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(rgb[i], expected[i]) << i;
    uint8_t inverted[16];
    for (int i = 0; i < 16; ++i)
        inverted[i] = uint8_t(255 - cmyk[i]);
    uint8_t again[12];
    cmykRowToRgb(inverted, again, 4, true);
    EXPECT_EQ(0, std::memcmp(rgb, again, 12));
}

struct CmykCase {
    const char* name;
    bool adobe;
    bool profile;
};

class CmykMatchesImageMagick : public testing::TestWithParam<CmykCase> {};

TEST_P(CmykMatchesImageMagick, WithinTwoLevels)
{
    SKIP_WITHOUT_TOOL("convert");
    const CmykCase& c = GetParam();
    const int side = 4 * kPatch;
    const QByteArray profile = c.profile ? cmykProfile() : QByteArray();
    ASSERT_EQ(profile.isEmpty(), !c.profile);
    TempDir dir;
    const QString file = dir.write(QStringLiteral("cmyk.jpg"), encodeCmyk(cmykPatches(c.adobe), side, side, c.adobe, profile));
    // ImageMagick reads every CMYK JPEG as Adobe files store it (inverted),
    // so the oracle is always the Adobe file of the same inks.
    const QString oracleFile = c.adobe ? file
                                       : dir.write(QStringLiteral("adobe.jpg"),
                                                   encodeCmyk(cmykPatches(true), side, side, true, profile));
    const QString srgb = dir.write(QStringLiteral("srgb.icc"), srgbProfile());
    const QImage expected =
        convertToPpm(oracleFile, c.profile ? QStringList{QStringLiteral("-profile"), srgb} : QStringList{});
    ASSERT_FALSE(expected.isNull());
    const QImage got = ours(file, false); // CMYK files use their profile regardless
    EXPECT_LE(patchDiff(got, expected), 2);
}

INSTANTIATE_TEST_SUITE_P(Files, CmykMatchesImageMagick,
                         testing::Values(CmykCase{"Plain", false, false}, CmykCase{"Adobe", true, false},
                                         CmykCase{"PlainWithProfile", false, true},
                                         CmykCase{"AdobeWithProfile", true, true}),
                         [](const testing::TestParamInfo<CmykCase>& p) { return std::string(p.param.name); });

QImage rgbPatches()
{
    QImage image(4 * kPatch, 4 * kPatch, QImage::Format_RGB888);
    for (int i = 0; i < 16; ++i)
        for (int y = 0; y < kPatch; ++y)
            for (int x = 0; x < kPatch; ++x)
                image.setPixelColor((i % 4) * kPatch + x, (i / 4) * kPatch + y,
                                    QColor(i * 16, 255 - i * 15, (i * 97) % 256));
    return image;
}

TEST(EmbeddedProfile, MatchesJpgiccWithinTwoLevels)
{
    SKIP_WITHOUT_TOOL("jpgicc");
    SKIP_WITHOUT_TOOL("djpeg");
    samples::JpegWriteOptions options;
    options.quality = 100;
    options.sampling = samples::ChromaSampling::Yuv444;
    options.markers = iccMarkers(wideRgbProfile());
    TempDir dir;
    const QString file = dir.write(QStringLiteral("wide.jpg"), encode(rgbPatches(), options));
    const QString converted = dir.file(QStringLiteral("srgb.jpg"));
    ASSERT_EQ(runTool(QStringLiteral("jpgicc"), {QStringLiteral("-q100"), file, converted}).exitCode, 0);
    const QImage expected = readPnm(runTool(QStringLiteral("djpeg"), {QStringLiteral("-pnm"), converted}).out);
    const QImage withProfile = ours(file);
    EXPECT_LE(patchDiff(withProfile, expected), 2);

    // The wide profile does change colours, and switching profiles off keeps them.
    const QImage plain = readPnm(runTool(QStringLiteral("djpeg"), {QStringLiteral("-pnm"), file}).out);
    EXPECT_GT(patchDiff(withProfile, plain), 10);
    EXPECT_EQ(compare(ours(file, false), plain).maxDiff, 0);
}

class DisplayProfileTest : public testing::Test {
protected:
    void TearDown() override { releaseDisplayProfile(); }
    TempDir dir;
};

TEST_F(DisplayProfileTest, SrgbDisplayProfileChangesNothingBeyondOne)
{
    SettingsStore settings(dir.path());
    const QString profile = dir.write(QStringLiteral("display.icc"), srgbProfile());
    const QString picture = dir.write(QStringLiteral("p.jpg"), encode(scene(160, 120)));
    const QImage before = ours(picture);
    ASSERT_TRUE(setDisplayProfile(profile, &settings));
    EXPECT_EQ(settings.getString(QStringLiteral("DisplayProfile")), profile);
    ensureBuiltIns();
    PictureRequest request;
    request.path = picture;
    request.displayTransform = currentDisplayTransform();
    ASSERT_TRUE(request.displayTransform);
    const std::optional<CachedPicture> after = loadPicture(request);
    ASSERT_TRUE(after);
    EXPECT_LE(compare(after->image, before).maxDiff, 1);
}

TEST_F(DisplayProfileTest, MissingFileClearsTheSettingAndLeavesNoTransform)
{
    SettingsStore settings(dir.path());
    settings.setString(QStringLiteral("DisplayProfile"), QStringLiteral("/nowhere/gone.icc"));
    settings.setBool(QStringLiteral("UseDisplayProfile"), true);
    applyDisplayProfileSettings(settings);
    EXPECT_FALSE(currentDisplayTransform());
    EXPECT_EQ(settings.getString(QStringLiteral("DisplayProfile")), QString());
}

TEST_F(DisplayProfileTest, SwitchedOffTheSettingIsNeitherReadNorChanged)
{
    SettingsStore settings(dir.path());
    settings.setBool(QStringLiteral("UseDisplayProfile"), false);
    settings.setString(QStringLiteral("DisplayProfile"), QStringLiteral("/nowhere/gone.icc"));
    applyDisplayProfileSettings(settings);
    EXPECT_FALSE(currentDisplayTransform());
    EXPECT_EQ(settings.getString(QStringLiteral("DisplayProfile")), QStringLiteral("/nowhere/gone.icc"));
}

TEST_F(DisplayProfileTest, ATakenTransformOutlivesItsRelease)
{
    const QString profile = dir.write(QStringLiteral("display.icc"), srgbProfile());
    ASSERT_TRUE(setDisplayProfile(profile, nullptr));
    const std::shared_ptr<const ColourTransform> taken = currentDisplayTransform();
    releaseDisplayProfile();
    ASSERT_TRUE(setDisplayProfile(profile, nullptr)); // replaced as well
    uint8_t row[6] = {10, 20, 30, 200, 100, 50};
    taken->transformRow(row, 2); // still valid: the loader thread may hold it
    EXPECT_NEAR(row[3], 200, 1);
}

TEST_F(DisplayProfileTest, ACmykProfileCannotServeAsDisplay)
{
    SettingsStore settings(dir.path());
    const QString profile = dir.write(QStringLiteral("press.icc"), cmykProfile());
    EXPECT_FALSE(setDisplayProfile(profile, &settings));
    EXPECT_FALSE(currentDisplayTransform());
    EXPECT_EQ(settings.getString(QStringLiteral("DisplayProfile")), profile); // the file exists
}

} // namespace
