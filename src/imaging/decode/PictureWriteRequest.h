#pragma once
// What a format handler's writePicture gets: a decoded picture and where and
// how to write it. Formats without quality levels ignore the JPEG fields.
#include "imaging/scale/PixelBuffer.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace vistello {

struct PictureWriteRequest {
    QString path;                    // created; replaced only when replaceExisting
    bool replaceExisting = false;    // a file at path is replaced whole; false: path must be free and stay so
                                     // (unless the JPEG at path is rewritten: !newFile, no headerSource)
    const PixelBuffer* pixels = nullptr;
    int luminanceQuality = -1;       // 0-100; below 0: the format's option string decides
    int chrominanceQuality = -1;
    bool fullChroma = true;          // every component sampled 1 x 1; false keeps the sampling of the JPEG at path
    bool newFile = true;             // false: the JPEG at path is rewritten and its header segments carried over
    QString headerSource;            // !newFile: the JPEG whose header is carried over when it is not path (a copy)
    bool resetOrientation = false;   // the pixels were turned upright: a carried-over EXIF orientation becomes 1

    const QString& headerPath() const { return headerSource.isEmpty() ? path : headerSource; }
};

// A picture encoded in memory: trials are measured without touching the
// disk, and only the chosen one is put in place.
struct EncodedPicture {
    QByteArray bytes;
    QDateTime modified; // the file's modification time; invalid: left to the system
};

// Puts an encoded picture at request.path: a new file never replacing, or
// (replaceExisting and a file there) that file replaced keeping its access
// time. false with error set when it cannot.
[[nodiscard]] bool putEncodedPicture(const PictureWriteRequest& request, const EncodedPicture& encoded,
                                     QString* error);

} // namespace vistello
