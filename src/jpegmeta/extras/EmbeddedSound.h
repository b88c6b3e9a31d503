#pragma once
// The sound memo some cameras embed in a picture: a RIFF stream (usually
// WAVE) carried in FlashPix stream-data APP2 segments, possibly split over
// several of them.
#include <QByteArray>
#include <QString>
#include <optional>

namespace vistello {

// The RIFF stream joined from its segments, or nothing when the picture has
// none: no "RIFF" after the first byte, an unknown form type, or a stream
// that runs past the end of the data.
std::optional<QByteArray> extractEmbeddedSound(const QByteArray& file);
// The same for a picture on disk, searched in the APP2 segments of its header
// run only (joined in file order); the rest of the file is never read.
std::optional<QByteArray> extractEmbeddedSound(const QString& path);

} // namespace vistello
