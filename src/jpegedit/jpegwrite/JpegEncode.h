#pragma once
// Compresses packed RGB rows into a JPEG in memory with the chosen
// qualities, sampling and header segments. The file side (which segments,
// which date, where) is WriteJpeg's business.
#include "imaging/scale/PixelBuffer.h"
#include "jpegedit/jpegwrite/JpegQuality.h"
#include "jpegmeta/segments/SavedMarker.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <span>
#include <vector>

namespace vistello {

struct SamplingFactor {
    int horizontal = 1;
    int vertical = 1;
};

enum class JpegHeaders {
    LibraryJfif, // the library's JFIF segment only
    None,        // no header segment at all (thumbnails)
    NewFile,     // JFIF and a JFXX thumbnail; the library's JFIF without thumbnail
    Reencode,    // the carried-over segments of the file being rewritten
};

struct JpegEncodeSettings {
    JpegQualities qualities;
    bool fullChroma = true;                  // every component 1 x 1
    std::vector<SamplingFactor> sampling;    // !fullChroma: per component; empty keeps the library's 2 x 2
    JpegHeaders headers = JpegHeaders::LibraryJfif;
    QByteArray thumbnail;                    // NewFile: the JFXX thumbnail's JPEG stream, may be empty
    std::span<const SavedMarkerView> carried; // Reencode: in source order
    bool dropIccChunks = false;              // Reencode: the profile belongs to a grey or CMYK source
};

// Nothing on a library error (its text in error) or an empty picture.
std::optional<QByteArray> encodeJpeg(const PixelBuffer& pixels, const JpegEncodeSettings& settings,
                                     QString* error = nullptr);

} // namespace vistello
