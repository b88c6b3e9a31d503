#pragma once
// The JPEG format's quality settings: the option string ("L" or "L,C", read
// like "%d,%d"; both default to 90, an empty string means "90") and the
// quantisation tables a pair of qualities gives. Each quality scales its own
// standard table (luminance table 0, chrominance table 1) with the usual
// scaling (below 50: 5000 / q, else 200 - 2q), entries kept to 1-255 so the
// file stays baseline.
#include <QString>
#include <QStringView>

struct jpeg_compress_struct;

namespace vistello {

struct JpegQualities {
    int luminance = 90;   // 0-100
    int chrominance = 90;

    bool operator==(const JpegQualities&) const = default;
};

// Never fails: whatever cannot be read keeps its default; values are kept to 0-100.
JpegQualities parseJpegOptions(QStringView options);
// "L,C", as the options dialog stores it.
QString formatJpegOptions(const JpegQualities& qualities);
// The request's qualities where they are 0 or more, the option string's elsewhere.
JpegQualities resolveJpegQualities(int luminance, int chrominance, QStringView options);

// After jpeg_set_defaults: both tables for the qualities, baseline forced.
void setQuantisationTables(jpeg_compress_struct& cinfo, const JpegQualities& qualities);

} // namespace vistello
