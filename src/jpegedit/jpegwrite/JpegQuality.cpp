#include "jpegedit/jpegwrite/JpegQuality.h"

#include <algorithm>
#include <jpeglib.h>

namespace vistello {

namespace {

// The example tables of the JPEG standard (its Annex K), in natural order.
constexpr unsigned int kLuminanceTable[DCTSIZE2] = {
    16, 11, 10, 16, 24,  40,  51,  61,  12, 12, 14, 19, 26,  58,  60,  55,
    14, 13, 16, 24, 40,  57,  69,  56,  14, 17, 22, 29, 51,  87,  80,  62,
    18, 22, 37, 56, 68,  109, 103, 77,  24, 35, 55, 64, 81,  104, 113, 92,
    49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99,
};
constexpr unsigned int kChrominanceTable[DCTSIZE2] = {
    17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99,
    24, 26, 56, 99, 99, 99, 99, 99, 47, 66, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
};

int clampQuality(long value) { return int(std::clamp<long>(value, 0, 100)); }

// "%d": optional blanks, optional sign, digits. False when no digit follows.
bool readNumber(QStringView text, qsizetype& at, long& value)
{
    while (at < text.size() && text[at].isSpace())
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == u'-' || text[at] == u'+'))
        negative = text[at++] == u'-';
    const qsizetype digitsStart = at;
    long magnitude = 0;
    while (at < text.size() && text[at] >= u'0' && text[at] <= u'9') {
        magnitude = std::min<long>(magnitude * 10 + (text[at].unicode() - u'0'), 1000); // saturates, clamped later
        ++at;
    }
    value = negative ? -magnitude : magnitude;
    return at > digitsStart;
}

} // namespace

JpegQualities parseJpegOptions(QStringView options)
{
    JpegQualities qualities;
    qsizetype at = 0;
    long value = 0;
    if (!readNumber(options, at, value))
        return qualities;
    qualities.luminance = clampQuality(value);
    if (at < options.size() && options[at] == u',' && readNumber(options, ++at, value))
        qualities.chrominance = clampQuality(value);
    return qualities;
}

QString formatJpegOptions(const JpegQualities& qualities)
{
    return QStringLiteral("%1,%2").arg(qualities.luminance).arg(qualities.chrominance);
}

JpegQualities resolveJpegQualities(int luminance, int chrominance, QStringView options)
{
    JpegQualities qualities = parseJpegOptions(options);
    if (luminance >= 0)
        qualities.luminance = clampQuality(luminance);
    if (chrominance >= 0)
        qualities.chrominance = clampQuality(chrominance);
    return qualities;
}

void setQuantisationTables(jpeg_compress_struct& cinfo, const JpegQualities& qualities)
{
    jpeg_add_quant_table(&cinfo, 0, kLuminanceTable, jpeg_quality_scaling(qualities.luminance), TRUE);
    jpeg_add_quant_table(&cinfo, 1, kChrominanceTable, jpeg_quality_scaling(qualities.chrominance), TRUE);
}

} // namespace vistello
