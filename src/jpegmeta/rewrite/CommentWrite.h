#pragma once
// Writing the picture comment into the file's first COM segment.
#include "jpegmeta/segments/HeaderEditStatus.h"

#include <QString>

namespace vistello {

// Puts text into the picture's first COM segment: the new COM takes the old
// one's place (in the header run or after the tables, before the scan), or
// goes in front of the first non-APPn segment when there is none; every
// other byte stays. An empty text removes the
// first COM. The picture date becomes the file's modification time.
HeaderEditStatus writeCommentSegment(const QString& picture, const QString& text);

} // namespace vistello
