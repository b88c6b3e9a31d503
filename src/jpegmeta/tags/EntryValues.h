#pragma once
// The values of one directory entry, read once and bounded: the bytes of the
// entry that are actually present (the data area when they do not fit in the
// value field, the value field otherwise), decoded element by element in the
// entry's byte order. Entries above kMaxEntryBytes have no values at all.
#include "jpegmeta/exif/ExifEntry.h"
#include "jpegmeta/exif/TiffBlock.h"

#include <QByteArray>
#include <cstdint>

namespace vistello::tags {

// Larger entries are not shown.
constexpr uint64_t kMaxEntryBytes = 0xFFFE;

class EntryValues {
public:
    EntryValues(const TiffBlock& block, const ExifEntry& entry);

    // False when the entry is too large to be shown.
    bool shown() const { return shown_; }
    // True when the values stand in the value field itself.
    bool inlineField() const { return inline_; }
    const QByteArray& bytes() const { return bytes_; }
    // Elements of the entry's type that are wholly present (at most count).
    uint32_t elementCount() const { return elements_; }

    uint8_t byteAt(uint32_t i) const { return uint8_t(bytes_.at(qsizetype(i))); }
    // Element i masked to its size, unsigned.
    uint32_t unsignedAt(uint32_t i) const;
    // Element i sign-extended from its size.
    int32_t signedAt(uint32_t i) const;
    // Rational i as signed 32-bit numerator and denominator.
    int32_t numeratorAt(uint32_t i) const { return int32_t(word(int64_t(i) * 8)); }
    int32_t denominatorAt(uint32_t i) const { return int32_t(word(int64_t(i) * 8 + 4)); }
    // 16 bits at byte position p in the given order.
    uint16_t half(int64_t p, bool littleEndian) const;

private:
    uint32_t word(int64_t p) const;

    QByteArray bytes_;
    uint32_t size_ = 1;
    uint32_t elements_ = 0;
    bool littleEndian_ = false;
    bool inline_ = true;
    bool shown_ = true;
};

} // namespace vistello::tags
