#include "jpegmeta/exif/ExifSummary.h"
#include "jpegmeta/info/JpegHeaderRead.h"
#include "jpegmeta/info/PictureSummary.h"
#include "jpegmeta/segments/CommentSegment.h"
#include "jpegmeta/tags/RationalText.h"

#include <cmath>

namespace vistello {

namespace {

constexpr qsizetype kMaxDateText = 127;
constexpr qsizetype kMaxText = 1023;

} // namespace

int32_t shutterFromExposure(double t, int32_t shutterFromApex)
{
    using tags::truncateClamped;
    if (t == 0)
        return shutterFromApex;
    if (t <= 0.25)
        return truncateClamped(1.0 / t + 0.5);
    const int32_t tenths = truncateClamped(-10.0 * (t + 0.06));
    return tenths != 0 ? tenths : truncateClamped(1.0 / t + 0.5);
}

PictureSummary readPictureSummary(const QString& path)
{
    PictureSummary s;
    const JpegHeaderRead read = readJpegHeader(path);
    if (!read.ok) {
        s.comment = read.error.left(kMaxText);
        return s;
    }
    s.width = read.width;
    s.height = read.height;
    s.valid = s.width != 0 && s.height != 0;
    s.hasAudio = read.header.hasAudio;
    s.hasIptc = read.header.iptcSeen;
    s.hasIcc = read.header.hasIcc;
    s.comment = readCommentSegment(read.header.comment).left(kMaxText);

    const ExifSummary exif = readExifSummary(exifBlockOf(read.header));
    s.orientation = exif.orientation;
    s.shutter = shutterFromExposure(exif.exposureTime, exif.shutterFromApex);
    if (exif.fNumber != 0)
        s.aperture = exif.fNumber;
    else if (std::isfinite(exif.apertureFromApex))
        s.aperture = exif.apertureFromApex;
    s.dateTaken = exif.dateTaken;
    s.dateShort = exif.dateTakenShort.left(kMaxDateText);
    s.dateIso = exif.dateTakenText.left(kMaxDateText);
    s.dateLong = exif.dateTakenLocalised.left(kMaxDateText);
    s.model = exif.model.left(kMaxText);
    s.userComment = exif.userComment.left(kMaxText);
    return s;
}

} // namespace vistello
