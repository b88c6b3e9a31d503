#pragma once
// The picture a wallpaper is made of: decoded, turned upright and fitted
// into the screen (enlarged when smaller) as the resize engine does it, and
// written as a 24-bit BMP in the program's data folder under a name never
// used before, so that a desktop which caches by name shows the new one.
#include "imaging/scale/PixelBuffer.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

namespace vistello {

// Every wallpaper bitmap the program makes is named so: prefix, time, random part.
inline constexpr const char* kWallpaperPrefix = "Vistello_LE_wallpaper_";

// The picture fitted into screen; nothing (error says why) when it does not decode.
std::optional<PixelBuffer> wallpaperPixels(const QString& picture, QSize screen, bool autoRotate, QString* error);

// A name in folder (ending in "/") that no file holds now.
QString freshWallpaperPath(const QString& folder);

// Writes pixels as a complete new BMP file at a fresh name in folder; the
// path written, or nothing (error says why).
std::optional<QString> writeWallpaperBitmap(const PixelBuffer& pixels, const QString& folder, QString* error);

// The wallpaper bitmaps the program made in folder (full paths, sorted).
QStringList wallpaperBitmapsIn(const QString& folder);

// Removes the program's wallpaper bitmaps in folder except keep; the ones
// that could not be removed.
QStringList removeWallpaperBitmaps(const QString& folder, const QString& keep = {});

} // namespace vistello
