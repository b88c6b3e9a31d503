// The panorama page's opening rule, its settings and the preview's verdict.
#include "app/window/taskpane/PanoramaPageRules.h"

#include "core/settings/SettingsStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace vistello {
namespace {

TEST(PanoramaPageRules, opensForOnePictureNotTwiceAsHighAsWide)
{
    EXPECT_EQ(panoramaOpening(1, 1000, 1000), PanoramaOpening::Open);
    EXPECT_EQ(panoramaOpening(1, 1000, 1999), PanoramaOpening::Open);
    EXPECT_EQ(panoramaOpening(1, 1000, 2000), PanoramaOpening::Vertical);
    EXPECT_EQ(panoramaOpening(0, 1000, 100), PanoramaOpening::NotOneSelected);
    EXPECT_EQ(panoramaOpening(2, 1000, 100), PanoramaOpening::NotOneSelected);
    EXPECT_EQ(panoramaOpening(1, 0, 100), PanoramaOpening::Open); // unreadable: the split does nothing
}

TEST(PanoramaPageRules, settingsRoundTripWithNegativesAsZero)
{
    test::TempDir dir;
    SettingsStore store(dir.path());
    PanoramaPageSettings s = readPanoramaSettings(store);
    EXPECT_TRUE(s.targetFolder.isEmpty());
    EXPECT_EQ(s.printerX, 0);
    EXPECT_FALSE(s.landscape);
    store.setInt(QStringLiteral("PrinterX"), -5);
    EXPECT_EQ(readPanoramaSettings(store).printerX, 0);
    storePanoramaSettings(store, {dir.path() + QStringLiteral("segments"), 2000, 3000, true, 40});
    s = readPanoramaSettings(store);
    EXPECT_TRUE(s.targetFolder.endsWith(QStringLiteral("segments/"))) << s.targetFolder.toStdString();
    EXPECT_EQ(s.printerX, 2000);
    EXPECT_EQ(s.printerY, 3000);
    EXPECT_TRUE(s.landscape);
    EXPECT_EQ(s.overlap, 40);
}

TEST(PanoramaPageRules, previewVerdict)
{
    EXPECT_FALSE(cannotBeSplit(planPanorama({4000, 1000, 16, 2000, 3000, true, 0})));
    EXPECT_TRUE(cannotBeSplit(planPanorama({1000, 1000, 16, 2000, 3000, true, 0})));
    EXPECT_TRUE(cannotBeSplit(planPanorama({1000, 1000, 16, 30, 1000, false, 15})));
}

} // namespace
} // namespace vistello
