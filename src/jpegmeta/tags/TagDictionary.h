#pragma once
// Display names and display values of EXIF entries by directory kind: the
// name of a tag and the three formatter hooks that the entry text consults.
// Each hook returns empty text when the kind or the tag has no rule for the
// value; the caller then falls back to the generic text of the value type.
#include "jpegmeta/exif/ExifEntry.h"
#include "jpegmeta/exif/TiffBlock.h"
#include "jpegmeta/tags/IntegerValue.h"

#include <QString>

namespace vistello {

// The kind's prefix followed by the tag's name, or empty when the tag is not
// in the kind's table.
QString tagName(uint16_t tag, IfdKind kind);

// Enumerations and small numbers of an entry whose values fit in its value field.
QString formatInteger(uint16_t tag, IfdKind kind, const IntegerValue& value);
// A single rational, numerator and denominator read as signed 32-bit numbers.
QString formatRational(uint16_t tag, IfdKind kind, int32_t numerator, int32_t denominator);
// Arrays, strings and structured values; reads the entry's bytes from block.
QString formatComposite(const TiffBlock& block, const ExifEntry& entry, IfdKind kind);

} // namespace vistello
