#include "jpegmeta/exif/TiffBlock.h"

namespace vistello {

TiffBlock::TiffBlock(const uint8_t* bytes, int64_t size, int64_t base)
    : bytes_(bytes), size_(bytes ? size : 0), base_(base)
{
    // "II" read little-endian is 0x4949; every other mark, garbage included, means big-endian.
    const uint8_t* mark = at(0, 2);
    littleEndian_ = mark && mark[0] == 0x49 && mark[1] == 0x49;
}

TiffBlock::TiffBlock(const QByteArray& bytes, int64_t base)
    : TiffBlock(reinterpret_cast<const uint8_t*>(bytes.constData()), bytes.size(), base)
{
}

uint16_t TiffBlock::decode16(const uint8_t* p) const
{
    return littleEndian_ ? uint16_t(p[0] | (p[1] << 8)) : uint16_t((p[0] << 8) | p[1]);
}

uint32_t TiffBlock::decode32(const uint8_t* p) const
{
    return littleEndian_ ? uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24)
                         : (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
}

uint8_t TiffBlock::byte(int64_t o) const
{
    const uint8_t* p = at(o, 1);
    return p ? *p : 0;
}

uint16_t TiffBlock::u16(int64_t o) const
{
    const uint8_t* p = at(o, 2);
    return p ? decode16(p) : 0;
}

uint32_t TiffBlock::u32(int64_t o) const
{
    const uint8_t* p = at(o, 4);
    return p ? decode32(p) : 0;
}

int32_t TiffBlock::sized(int64_t o, uint32_t n) const
{
    if (n == 1)
        return int8_t(byte(o));
    if (n == 2)
        return int16_t(u16(o));
    return int32_t(u32(o));
}

} // namespace vistello
