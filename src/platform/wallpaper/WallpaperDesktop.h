#pragma once
// Which desktop runs this session, as far as setting its wallpaper goes:
// each family is told through its own settings program or interface.
#include <QString>

namespace vistello {

enum class WallpaperDesktop {
    Unsupported,
    Gnome,    // and its relatives that share GNOME's background settings
    Cinnamon,
    Mate,
    Kde,      // Plasma, through its scripting interface
    Xfce,
};

// From the value of XDG_CURRENT_DESKTOP: a colon-separated list, most
// specific first, compared without regard to case.
WallpaperDesktop wallpaperDesktopFrom(const QString& currentDesktop);
// From this process's environment.
WallpaperDesktop currentWallpaperDesktop();

// Why the wallpaper cannot be set here; empty for a supported desktop.
QString unsupportedDesktopMessage(WallpaperDesktop desktop, const QString& currentDesktop);

} // namespace vistello
