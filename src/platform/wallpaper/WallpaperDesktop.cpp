#include "platform/wallpaper/WallpaperDesktop.h"

#include <QStringList>
#include <QtGlobal>

namespace vistello {

namespace {

struct DesktopName {
    const char* name; // lower case, as XDG_CURRENT_DESKTOP spells it
    WallpaperDesktop desktop;
};

constexpr DesktopName kDesktopNames[] = {
    {"x-cinnamon", WallpaperDesktop::Cinnamon}, {"cinnamon", WallpaperDesktop::Cinnamon},
    {"mate", WallpaperDesktop::Mate},           {"kde", WallpaperDesktop::Kde},
    {"xfce", WallpaperDesktop::Xfce},           {"gnome", WallpaperDesktop::Gnome},
    {"gnome-classic", WallpaperDesktop::Gnome}, {"gnome-flashback", WallpaperDesktop::Gnome},
    {"unity", WallpaperDesktop::Gnome},         {"budgie", WallpaperDesktop::Gnome},
    {"budgie-desktop", WallpaperDesktop::Gnome}, {"pantheon", WallpaperDesktop::Gnome},
    {"ubuntu", WallpaperDesktop::Gnome},        {"pop", WallpaperDesktop::Gnome},
};

WallpaperDesktop desktopNamed(const QString& name)
{
    for (const DesktopName& entry : kDesktopNames)
        if (name == QLatin1String(entry.name))
            return entry.desktop;
    return WallpaperDesktop::Unsupported;
}

} // namespace

WallpaperDesktop wallpaperDesktopFrom(const QString& currentDesktop)
{
    // A session that names a desktop of its own besides GNOME (Cinnamon
    // sessions may say "GNOME" too) is that desktop.
    WallpaperDesktop found = WallpaperDesktop::Unsupported;
    for (const QString& name : currentDesktop.toLower().split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const WallpaperDesktop desktop = desktopNamed(name.trimmed());
        if (desktop == WallpaperDesktop::Gnome)
            found = desktop;
        else if (desktop != WallpaperDesktop::Unsupported)
            return desktop;
    }
    return found;
}

WallpaperDesktop currentWallpaperDesktop()
{
    return wallpaperDesktopFrom(qEnvironmentVariable("XDG_CURRENT_DESKTOP"));
}

QString unsupportedDesktopMessage(WallpaperDesktop desktop, const QString& currentDesktop)
{
    if (desktop != WallpaperDesktop::Unsupported)
        return {};
    const QString supported = QStringLiteral("GNOME, Cinnamon, MATE, KDE Plasma and Xfce");
    if (currentDesktop.trimmed().isEmpty())
        return QStringLiteral("The desktop wallpaper cannot be set: the desktop is not known "
                              "(XDG_CURRENT_DESKTOP is not set). It can be set on %1.")
            .arg(supported);
    return QStringLiteral("The desktop wallpaper cannot be set on this desktop (%1). It can be set on %2.")
        .arg(currentDesktop.trimmed(), supported);
}

} // namespace vistello
