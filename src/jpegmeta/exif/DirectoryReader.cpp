#include "jpegmeta/exif/DirectoryReader.h"

namespace vistello::exifdir {

int storedCount(const TiffBlock& block, int64_t d)
{
    if (d <= 0)
        return 0;
    const int n = int16_t(block.u16(d));
    return n > 0 ? n : 0;
}

int entryCount(const TiffBlock& block, int64_t d)
{
    const int n = storedCount(block, d);
    const int64_t avail = block.available(d + 2);
    if (avail < 2)
        return 0;
    const int64_t present = (avail - 2) / 12 + 1;
    return present < n ? int(present) : n;
}

uint32_t nextDirectory(const TiffBlock& block, int64_t d)
{
    return block.u32(entryAt(d, storedCount(block, d)));
}

uint32_t valueWord(const TiffBlock& block, uint16_t type, uint32_t count, const std::array<uint8_t, 4>& field)
{
    const uint64_t total = totalSize(type, count);
    if (total > 4)
        return block.decode32(field.data());
    if (count == 0)
        return 0;
    switch (type) {
    case exiftype::Ascii:
    case exiftype::Undefined: {
        uint32_t v = 0;
        for (uint64_t i = 0; i < total; ++i)
            v = (v << 8) | field[size_t(i)];
        return v;
    }
    case exiftype::Byte:
    case exiftype::SByte:
        return uint32_t(int32_t(int8_t(field[0])));
    case exiftype::Short:
    case exiftype::SShort:
        return uint32_t(int32_t(int16_t(block.decode16(field.data()))));
    default:
        return block.decode32(field.data());
    }
}

ExifEntry readEntry(const TiffBlock& block, int64_t e, IfdKind kind)
{
    ExifEntry entry;
    entry.tag = block.u16(e);
    entry.type = correctedType(block.u16(e + 2));
    entry.count = block.u32(e + 4);
    for (int i = 0; i < 4; ++i)
        entry.valueField[size_t(i)] = block.byte(e + 8 + i);
    entry.value = valueWord(block, entry.type, entry.count, entry.valueField);
    entry.kind = kind;
    entry.entryOffset = uint32_t(e);
    return entry;
}

} // namespace vistello::exifdir
