#pragma once
// The information text of a picture (tool tips, the viewer's information
// line, the task pane): name, size in pixels, exposure, aperture, file size
// and dates, one "Label:\tvalue" line each, at most 1023 characters.
#include "jpegmeta/info/PictureSummary.h"

#include <QString>
#include <cstdint>

namespace vistello {

constexpr qsizetype kMaxInfoText = 1023;

// Reads the picture's summary; modifiedDate is the caller's text (ModifiedDateText).
QString pictureInfoText(const QString& path, const QString& modifiedDate, int64_t fileSize);

// The same from a summary already read.
QString pictureInfoText(const PictureSummary& summary, const QString& fileName, bool writeProtected,
                        const QString& modifiedDate, int64_t fileSize);

// The file's last modification as the user's short date, a blank and the
// time; empty when the file cannot be found.
QString modifiedDateText(const QString& path);

} // namespace vistello
