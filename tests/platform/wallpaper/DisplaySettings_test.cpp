// Opening the desktop's background settings when none is installed.
#include "platform/wallpaper/DisplaySettings.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace vistello {
namespace {

TEST(DisplaySettings, NoProgramInstalledGivesAMessage)
{
    test::TempDir empty;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", empty.path().toUtf8());
    QString gnome;
    QString unsupported;
    const bool gnomeOpened = openDesktopBackgroundSettings(WallpaperDesktop::Gnome, &gnome);
    const bool unsupportedOpened = openDesktopBackgroundSettings(WallpaperDesktop::Unsupported, &unsupported);
    qputenv("PATH", path);
    EXPECT_FALSE(gnomeOpened);
    EXPECT_EQ(gnome, "No display settings program of this desktop is installed.");
    EXPECT_FALSE(unsupportedOpened);
    EXPECT_FALSE(unsupported.isEmpty());
}

} // namespace
} // namespace vistello
