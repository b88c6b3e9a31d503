#pragma once
// One marker segment: 0xFF, the marker, a big-endian length that counts
// itself and the payload; the next segment starts at offset + length + 2.
#include <QByteArray>
#include <cstdint>

namespace vistello {

struct JpegSegment {
    uint8_t marker = 0;   // the byte after 0xFF
    uint16_t length = 0;  // the length field as stored
    int64_t offset = 0;   // file offset of the 0xFF byte
    QByteArray payload;   // length - 2 bytes when read; empty when not asked for

    int64_t end() const { return offset + int64_t(length) + 2; }
    // A length below 2 cannot even hold itself.
    bool lengthValid() const { return length >= 2; }
};

} // namespace vistello
