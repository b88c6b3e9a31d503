#pragma once
// Finds the thumbnail JPEG embedded in a picture's header: a JFXX thumbnail,
// else the EXIF IFD1 thumbnail, else any JPEG stream found inside a header
// segment. Also reports whether an APP2 segment carries embedded sound.
#include "jpegmeta/segments/ByteSource.h"

#include <QByteArray>
#include <QString>

namespace vistello {

struct EmbeddedThumbnail {
    QByteArray bytes;      // SOI .. EOI; empty when there is none
    bool hasAudio = false; // an APP2 segment holds "Audio Stream"
};

EmbeddedThumbnail findEmbeddedThumbnail(const QString& path);
EmbeddedThumbnail findEmbeddedThumbnail(ByteSource& source);

// The last JPEG stream inside one segment payload: the last FF D8 FF DB or
// FF D8 FF E0 (not at position 0) up to the first FF D9 behind it. Empty when
// there is none.
QByteArray findJpegInPayload(const QByteArray& payload);

} // namespace vistello
