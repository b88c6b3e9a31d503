#pragma once
// Opens the desktop's own settings for its background, started apart from
// this program (it keeps running when the program ends).
#include "platform/wallpaper/WallpaperDesktop.h"

#include <QString>

namespace vistello {

// false with message set when no settings program of this desktop is
// installed or it could not be started.
bool openDesktopBackgroundSettings(WallpaperDesktop desktop, QString* message);

} // namespace vistello
