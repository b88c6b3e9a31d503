#pragma once
// Setting and resetting the wallpaper, start to end, on the calling thread:
// the bitmap is written completely first, then the desktop is told, and
// only when it took the new one are the program's earlier bitmaps removed.
// A picture that does not decode, or a desktop that refuses, leaves the
// wallpaper as it was (and no new file behind).
#include "platform/wallpaper/WallpaperDesktop.h"

#include <QMetaType>
#include <QSize>
#include <QString>

namespace vistello {

struct WallpaperResult {
    bool ok = false;
    QString writtenPath; // the new bitmap (Set); empty otherwise
    QString message;     // why it failed; empty on success
    bool unreadable = false; // the picture could not be decoded (the page says nothing then)
};

struct WallpaperContext {
    WallpaperDesktop desktop = WallpaperDesktop::Unsupported;
    QString currentDesktop; // XDG_CURRENT_DESKTOP as given, for the message
    QString folder;         // where the bitmaps go, ending in "/"; made when missing
    bool autoRotate = true; // "Orientation": turn the picture by its EXIF orientation
    int timeoutMs = 10000;  // for each desktop command
};

// The desktop and the program's data folder of this process.
WallpaperContext currentWallpaperContext();

WallpaperResult setWallpaper(const QString& picture, QSize screen, const WallpaperContext& context);
WallpaperResult resetWallpaper(const WallpaperContext& context);

} // namespace vistello

Q_DECLARE_METATYPE(vistello::WallpaperResult)
