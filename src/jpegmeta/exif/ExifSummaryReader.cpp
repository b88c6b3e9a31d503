#include "jpegmeta/exif/ExifSummary.h"

#include "jpegmeta/exif/ExifChainWalk.h"
#include "jpegmeta/exif/ExifDateTime.h"
#include "jpegmeta/exif/ExifDateText.h"
#include "jpegmeta/exif/UserComment.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vistello {

namespace {

constexpr uint32_t kMaxModel = 1023;

// A rational at offset o as signed 32-bit numerator and denominator.
bool readRational(const TiffBlock& block, uint32_t o, double& quotient)
{
    const int32_t numerator = int32_t(block.u32(o));
    const int32_t denominator = int32_t(block.u32(int64_t(o) + 4));
    if (denominator == 0)
        return false;
    quotient = double(numerator) / double(denominator);
    return true;
}

int32_t truncateClamped(double v)
{
    if (!(v == v))
        return 0;
    constexpr double lo = double(std::numeric_limits<int32_t>::min());
    constexpr double hi = double(std::numeric_limits<int32_t>::max());
    return int32_t(std::clamp(v, lo, hi));
}

QString readModel(const TiffBlock& block, const ExifEntry& entry)
{
    const uint32_t n = std::min(entry.count, kMaxModel);
    const bool inData = entry.total() > 4;
    QString text;
    text.reserve(qsizetype(n));
    for (uint32_t i = 0; i < n; ++i) {
        uint8_t c = 0;
        if (inData)
            c = block.byte(int64_t(entry.value) + i);
        else if (i < entry.total())
            c = entry.valueField[i];
        if (!inData && entry.type == exiftype::Undefined && c < 10)
            c = uint8_t('0' + c);
        text.append(QChar(c < 0x20 ? ' ' : char16_t(c)));
    }
    return text;
}

} // namespace

ExifSummary readExifSummary(const TiffBlock& block)
{
    ExifSummary s;
    walkExifChain(block, [&](const ExifEntry& e, bool inIfd0) {
        double q = 0;
        switch (e.tag) {
        case exiftag::Model:
            s.model = readModel(block, e);
            break;
        case exiftag::Orientation:
            // Only the main picture's orientation turns it; IFD1 describes the thumbnail.
            if (inIfd0)
                s.orientation = int16_t(block.decode16(e.valueField.data()));
            break;
        case exiftag::ExposureTime:
            if (readRational(block, e.value, q))
                s.exposureTime = q;
            break;
        case exiftag::FNumber:
            if (readRational(block, e.value, q) && q > 0 && q < 50)
                s.fNumber = q;
            break;
        case exiftag::ShutterSpeedValue:
            if (readRational(block, e.value, q))
                s.shutterFromApex = q >= 2 ? truncateClamped(std::pow(2.0, q) + 0.5)
                                           : truncateClamped(-10.0 * (std::pow(2.0, -q) + 0.06));
            break;
        case exiftag::ApertureValue:
            if (readRational(block, e.value, q))
                s.apertureFromApex = std::pow(1.4142135, q);
            break;
        case exiftag::DateTimeOriginal:
            if (const std::optional<QDateTime> taken = readExifDateTime(block, e)) {
                s.dateTaken = *taken;
                s.dateTakenText = exifDateText(*taken);
                s.dateTakenLocalised = localisedDateLong(*taken);
                s.dateTakenShort = localisedDateShort(*taken);
            }
            break;
        case exiftag::UserComment:
            s.userComment = decodeUserComment(block, e.value, e.count).text;
            break;
        default:
            break;
        }
        return true;
    });
    return s;
}

} // namespace vistello
