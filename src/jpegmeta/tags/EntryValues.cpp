#include "jpegmeta/tags/EntryValues.h"

#include <algorithm>

namespace vistello::tags {

EntryValues::EntryValues(const TiffBlock& block, const ExifEntry& entry)
    : size_(typeSize(entry.type))
    , littleEndian_(block.littleEndian() != entry.otherOrder)
{
    const uint64_t total = entry.total();
    if (total > kMaxEntryBytes) {
        shown_ = false;
        return;
    }
    inline_ = total <= 4;
    if (inline_) {
        bytes_ = QByteArray(reinterpret_cast<const char*>(entry.valueField.data()), qsizetype(total));
    } else {
        const int64_t present = std::min<int64_t>(int64_t(total), block.available(entry.value));
        if (const uint8_t* p = block.at(entry.value, present))
            bytes_ = QByteArray(reinterpret_cast<const char*>(p), qsizetype(present));
    }
    elements_ = uint32_t(bytes_.size() / qsizetype(size_));
}

uint16_t EntryValues::half(int64_t p, bool littleEndian) const
{
    if (p < 0 || p + 2 > bytes_.size())
        return 0;
    const uint8_t a = uint8_t(bytes_[qsizetype(p)]);
    const uint8_t b = uint8_t(bytes_[qsizetype(p + 1)]);
    return littleEndian ? uint16_t(a | (b << 8)) : uint16_t((a << 8) | b);
}

uint32_t EntryValues::word(int64_t p) const
{
    const uint32_t lo = half(littleEndian_ ? p : p + 2, littleEndian_);
    const uint32_t hi = half(littleEndian_ ? p + 2 : p, littleEndian_);
    return (hi << 16) | lo;
}

uint32_t EntryValues::unsignedAt(uint32_t i) const
{
    const int64_t p = int64_t(i) * size_;
    if (size_ == 1)
        return p < bytes_.size() ? uint8_t(bytes_[qsizetype(p)]) : 0;
    if (size_ == 2)
        return half(p, littleEndian_);
    return word(p); // 4 bytes; rationals are read through numeratorAt/denominatorAt
}

int32_t EntryValues::signedAt(uint32_t i) const
{
    const uint32_t v = unsignedAt(i);
    if (size_ == 1)
        return int8_t(v);
    if (size_ == 2)
        return int16_t(v);
    return int32_t(v);
}

} // namespace vistello::tags
