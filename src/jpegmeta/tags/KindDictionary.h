#pragma once
// What the dictionary knows about one directory kind: the prefix its names
// are shown with, its name table and its three value formatters (any of
// which may be missing). A camera maker's note is added by writing its
// tables and formatters in a file of its own and listing its kinds in the
// registry of TagDictionary.cpp.
#include "jpegmeta/exif/ExifEntry.h"
#include "jpegmeta/exif/TiffBlock.h"
#include "jpegmeta/tags/EntryValues.h"
#include "jpegmeta/tags/IntegerValue.h"
#include "jpegmeta/tags/TagTableTypes.h"

#include <QString>
#include <span>

namespace vistello::tags {

// Each formatter returns empty text when it has nothing to say about the value.
using IntegerFormatter = QString (*)(uint16_t tag, const IntegerValue& value);
using RationalFormatter = QString (*)(uint16_t tag, int32_t numerator, int32_t denominator);
using CompositeFormatter = QString (*)(const TiffBlock& block, const ExifEntry& entry, const EntryValues& values);

inline constexpr const char16_t* kNoPrefix = u"";
inline constexpr const char16_t* kMakerNotePrefix = u"  ";  // maker-note directories
inline constexpr const char16_t* kMakerArrayPrefix = u"    "; // arrays inside a maker note

struct KindDictionary {
    IfdKind kind;
    const char16_t* prefix;
    std::span<const TagNameRow> names;
    IntegerFormatter integer;
    RationalFormatter rational;
    CompositeFormatter composite;
};

} // namespace vistello::tags
