#pragma once
// "Additional picture data": the run of APPn and COM segments at the head of
// a JPEG (EXIF, ICC profile, IPTC, comments, ...). It can be saved to a
// ".app" file (the segments as they stand, without SOI), loaded from one into
// another picture (replacing that picture's whole run), or removed (leaving
// only a plain JFIF header). The picture's file times are kept.
#include "jpegmeta/segments/HeaderEditStatus.h"

#include <QByteArray>
#include <QString>

namespace vistello {

// The fixed segment that replaces a removed run: APP0, length 16, "JFIF",
// version 1.01, no density unit, density 1 x 1, no thumbnail.
inline const QByteArray& plainJfifSegment()
{
    static const QByteArray segment("\xFF\xE0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00", 18);
    return segment;
}

// Writes the picture's header run (offset 2 up to the header end) to target.
HeaderEditStatus savePictureData(const QString& picture, const QString& target);
// Puts the segments of the picture-data file in place of the picture's run.
HeaderEditStatus loadPictureData(const QString& picture, const QString& source);
// Replaces the picture's run by the plain JFIF segment.
HeaderEditStatus removePictureData(const QString& picture);

// Largest picture-data file accepted (a header run is never near this).
constexpr qint64 kMaxPictureDataBytes = qint64(64) * 1024 * 1024;

} // namespace vistello
