#pragma once
// A JPEG's frame size and header segments as the JPEG library reads them,
// with COM and every APPn segment saved; a library error comes back as its
// message text.
#include "jpegmeta/segments/HeaderData.h"

#include <QString>
#include <cstdint>

namespace vistello {

struct JpegHeaderRead {
    bool ok = false;      // the library read the header
    uint32_t width = 0;   // frame header
    uint32_t height = 0;
    HeaderData header;    // EXIF payload, first COM, IPTC seen, ICC and audio marks
    QString error;        // the library's message when ok is false
};

JpegHeaderRead readJpegHeader(const QString& path);

} // namespace vistello
