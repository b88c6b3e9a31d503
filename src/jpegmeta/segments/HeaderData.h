#pragma once
// The header segments the metadata parsers need, collected once per file.
#include <QByteArray>
#include <cstdint>

namespace vistello {

struct HeaderData {
    // The EXIF APP1 segment. From a file: the whole segment from its 0xFF
    // byte (exifBase 10); from the JPEG library's saved markers: the payload
    // (exifBase 6). Its size is the number of bytes actually read.
    QByteArray exifBytes;
    int64_t exifBase = 0;
    QByteArray app12;     // payload of the first APP12
    QByteArray comment;   // payload of the first COM (of the run, else the first before the scan)
    QByteArray iptc;      // payload of the first APP13, with the Photoshop APP13s that continue it
    bool iptcSeen = false; // set by the first APP13 even when too short to keep
    bool hasIcc = false;
    bool hasAudio = false; // an APP2 segment holds "Audio Stream"

    bool hasExif() const { return !exifBytes.isEmpty(); }
};

} // namespace vistello
