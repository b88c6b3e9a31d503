#pragma once
// The preview strip's context menu over one picture: which embedded extras
// it can save, and the three saves (thumbnail, sound, colour profile).
// Every check extracts afresh; nothing is kept between menus.
#include <QByteArray>
#include <QString>
#include <optional>

namespace vistello {

class Prompts;

// The embedded thumbnail as a JPEG stream, ending in FF D9.
std::optional<QByteArray> savableThumbnail(const QString& path);
// The sound stream joined from the picture's APP2 segments.
std::optional<QByteArray> embeddedSound(const QString& path);
// The ICC profile joined from the picture's chunks.
std::optional<QByteArray> embeddedColourProfile(const QString& path);

// "/p/IMG_0001.JPG" proposes "/p/IMG_0001_t.jpg".
QString thumbnailSaveName(const QString& path);
// The file name's stem without its folder ("Vistello_LE" when it has none)
// and the suffix: "IMG_0001.icm".
QString extraSaveName(const QString& path, const QString& suffix);

// Both return the written file, or an empty string when nothing was written
// (no thumbnail, the dialog cancelled, a file that cannot be created).
QString saveEmbeddedThumbnail(const QString& path, Prompts& prompts);
// These two say so when the picture holds no sound or no profile.
QString saveEmbeddedSound(const QString& path, Prompts& prompts);
QString saveColourProfile(const QString& path, Prompts& prompts);

} // namespace vistello
