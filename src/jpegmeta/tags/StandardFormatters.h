#pragma once
// Value formatters of the TIFF, EXIF and GPS directories (kinds 2-5).
#include "jpegmeta/tags/KindDictionary.h"

namespace vistello::tags {

QString formatStandardInteger(uint16_t tag, const IntegerValue& value);
QString formatStandardRational(uint16_t tag, int32_t numerator, int32_t denominator);
QString formatStandardComposite(const TiffBlock& block, const ExifEntry& entry, const EntryValues& values);

// The Flash bit field (tag 0x9209).
QString flashText(uint32_t value);

} // namespace vistello::tags
