// Which desktop XDG_CURRENT_DESKTOP names, as the wallpaper sees it.
#include "platform/wallpaper/WallpaperDesktop.h"

#include <gtest/gtest.h>

namespace vistello {
namespace {

struct DesktopCase {
    const char* value;
    WallpaperDesktop desktop;
};

class DesktopFromEnvironment : public ::testing::TestWithParam<DesktopCase> {};

TEST_P(DesktopFromEnvironment, Names)
{
    EXPECT_EQ(wallpaperDesktopFrom(QString::fromUtf8(GetParam().value)), GetParam().desktop) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Table, DesktopFromEnvironment,
    ::testing::Values(DesktopCase{"GNOME", WallpaperDesktop::Gnome}, DesktopCase{"ubuntu:GNOME", WallpaperDesktop::Gnome},
                      DesktopCase{"gnome", WallpaperDesktop::Gnome}, DesktopCase{"Unity", WallpaperDesktop::Gnome},
                      DesktopCase{"Budgie:GNOME", WallpaperDesktop::Gnome},
                      DesktopCase{"Pantheon", WallpaperDesktop::Gnome},
                      DesktopCase{"GNOME-Classic:GNOME", WallpaperDesktop::Gnome},
                      DesktopCase{"X-Cinnamon", WallpaperDesktop::Cinnamon},
                      // Sessions that also name GNOME are still their own desktop.
                      DesktopCase{"GNOME:X-Cinnamon", WallpaperDesktop::Cinnamon},
                      DesktopCase{"MATE", WallpaperDesktop::Mate}, DesktopCase{"KDE", WallpaperDesktop::Kde},
                      DesktopCase{"XFCE", WallpaperDesktop::Xfce}, DesktopCase{"sway", WallpaperDesktop::Unsupported},
                      DesktopCase{"", WallpaperDesktop::Unsupported},
                      DesktopCase{"::", WallpaperDesktop::Unsupported},
                      DesktopCase{"LXQt", WallpaperDesktop::Unsupported}));

TEST(UnsupportedDesktop, MessageNamesTheDesktop)
{
    const QString message = unsupportedDesktopMessage(WallpaperDesktop::Unsupported, "sway");
    EXPECT_TRUE(message.contains("sway")) << message.toStdString();
    EXPECT_TRUE(message.contains("cannot be set")) << message.toStdString();
    EXPECT_TRUE(unsupportedDesktopMessage(WallpaperDesktop::Unsupported, "").contains("XDG_CURRENT_DESKTOP"));
    EXPECT_TRUE(unsupportedDesktopMessage(WallpaperDesktop::Gnome, "GNOME").isEmpty());
}

} // namespace
} // namespace vistello
