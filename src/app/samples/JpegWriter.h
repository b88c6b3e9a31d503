#pragma once
// Encodes a picture to JPEG bytes in memory with the JPEG library, with the
// chroma subsampling, restart interval and scan mode chosen by the caller and
// extra marker segments (EXIF, comments, ...) placed right after SOI.
#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <vector>

namespace vistello::samples {

enum class ChromaSampling {
    Yuv420, // chroma halved both ways (2x2)
    Yuv422, // chroma halved horizontally (2x1)
    Yuv444, // full-resolution chroma (1x1)
    Grey,   // one luminance component
};

struct JpegMarker {
    uint8_t marker;     // 0xE0..0xEF (APPn) or 0xFE (COM)
    QByteArray payload; // at most 65533 bytes
};

struct JpegWriteOptions {
    int quality = 90;                     // 1..100
    ChromaSampling sampling = ChromaSampling::Yuv420;
    unsigned restartInterval = 0;         // in MCUs; 0 writes no DRI
    bool progressive = false;
    bool writeJfif = true;                // camera files start with APP1 instead
    std::vector<JpegMarker> markers;      // after SOI (and JFIF), in this order
};

class JpegWriter {
public:
    // The JPEG stream, or empty when the picture or an option cannot be
    // encoded. Grey pictures (Format_Grayscale8) are encoded as they are when
    // the sampling is Grey; every other picture goes through RGB888.
    static QByteArray encode(const QImage& image, const JpegWriteOptions& options = {});
};

} // namespace vistello::samples
