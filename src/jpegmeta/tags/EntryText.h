#pragma once
// The display value of one entry of an EXIF tree: the formatter hooks of its
// directory kind first, then the generic text of its value type. Empty for
// entries of more than 0xFFFE bytes.
#include "jpegmeta/exif/ExifData.h"

#include <QString>

namespace vistello {

QString entryText(const TiffBlock& block, const ExifEntry& entry);
inline QString entryText(const ExifData& data, const ExifEntry& entry) { return entryText(data.block(), entry); }

} // namespace vistello
