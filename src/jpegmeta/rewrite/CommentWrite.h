#pragma once
// Writing the picture comment into the file's first COM segment.
#include "jpegmeta/segments/HeaderEditStatus.h"

#include <QString>

namespace vistello {

// Puts text into the picture's first COM segment: the APPn segments before
// it stay, the new COM takes the old one's place (or goes in front of the
// first non-APPn segment), later COM segments stay. An empty text removes the
// first COM. The picture date becomes the file's modification time.
HeaderEditStatus writeCommentSegment(const QString& picture, const QString& text);

} // namespace vistello
