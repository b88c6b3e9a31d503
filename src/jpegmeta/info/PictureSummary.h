#pragma once
// The short description of a picture that tool tips, the viewer's
// information line and the task pane show.
#include <QDateTime>
#include <QString>
#include <cstdint>

namespace vistello {

struct PictureSummary {
    bool valid = false;      // width and height both non-zero
    uint32_t width = 0;      // frame header
    uint32_t height = 0;
    int32_t orientation = 0; // EXIF Orientation, 0 when absent
    bool hasAudio = false;   // an APP2 segment holds "Audio Stream"
    bool hasIptc = false;    // an APP13 segment was seen
    bool hasIcc = false;     // an ICC profile chunk was seen
    QDateTime dateTaken;     // invalid when absent
    // n > 0: 1/n s; n < 0: -n tenths of a second; 0: not known.
    int32_t shutter = 0;
    double aperture = 0;     // f-number, 0 when not known
    QString dateShort;       // short date, a blank, the time (user's formats)
    QString dateIso;         // "%04d-%02d-%02d %02d:%02d:%02d"
    QString dateLong;        // "%s at %s" with the long date and the time
    QString model;
    QString userComment;
    QString comment;         // first COM segment, or the JPEG library's error message
};

// The summary of a JPEG file; a file the JPEG library cannot read gives an
// invalid summary whose comment is the library's message.
PictureSummary readPictureSummary(const QString& path);

// The shutter field from an exposure time in seconds (0: unknown) and the
// APEX-derived value used when there is none.
int32_t shutterFromExposure(double exposureTime, int32_t shutterFromApex);

} // namespace vistello
