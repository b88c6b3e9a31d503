#pragma once
// The few EXIF facts the information texts show, read without building the
// tree: model, orientation, exposure, aperture, date of taking, user comment.
#include "jpegmeta/exif/TiffBlock.h"

#include <QDateTime>
#include <QString>
#include <cstdint>

namespace vistello {

struct ExifSummary {
    QString model;                  // tag 0x0110, at most 1023 characters
    int16_t orientation = 0;        // tag 0x0112 of IFD0
    double exposureTime = 0;        // seconds, tag 0x829A
    double fNumber = 0;             // tag 0x829D, kept only when 0 < value < 50
    double apertureFromApex = 0;    // sqrt(2) raised to tag 0x9202
    int32_t shutterFromApex = 0;    // from tag 0x9201: n > 0 is 1/n s, n < 0 is -n/10 s
    QDateTime dateTaken;            // tag 0x9003 as local time; invalid when unset
    QString dateTakenText;          // "%04d-%02d-%02d %02d:%02d:%02d"
    QString dateTakenLocalised;     // long date "at" time, in the user's formats
    QString dateTakenShort;         // short date, a blank, the time
    QString userComment;            // tag 0x9286, at most 1023 bytes read
};

ExifSummary readExifSummary(const TiffBlock& block);

} // namespace vistello
