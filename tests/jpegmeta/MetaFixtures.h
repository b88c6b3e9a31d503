#pragma once
// Hand-built JPEG header runs and TIFF blocks for the metadata tests. Blocks
// are laid out byte by byte so that hostile structures (cycles, huge counts,
// offsets past the end) are exactly what the test says.
#include <QByteArray>
#include <cstdint>
#include <initializer_list>

namespace vistello::test {

// FF, marker, big-endian length (payload + 2), payload.
QByteArray segment(uint8_t marker, const QByteArray& payload);
// A segment head with a length field as given (0, 1, or past the end).
QByteArray segmentHead(uint8_t marker, uint16_t length);
// A small real JPEG (16 x 16) without any APPn/COM segment: SOI, then DQT ... EOI.
QByteArray plainJpeg();
// SOI, the given segments, then plainJpeg() from its DQT on.
QByteArray jpegWith(std::initializer_list<QByteArray> segments);

class TiffBytes {
public:
    explicit TiffBytes(bool littleEndian, int size = 1024, uint32_t ifd0 = 8);

    bool littleEndian() const { return little_; }
    QByteArray bytes;

    void put16(int64_t at, uint16_t v);
    void put32(int64_t at, uint32_t v);
    void putRaw(int64_t at, const QByteArray& raw);
    // Directory head: the entry count (entries follow), next pointer after them.
    void directory(int64_t d, uint16_t count, uint32_t next = 0);
    // Entry i of the directory at d; field is the value field as a 32-bit word.
    void entry(int64_t d, int i, uint16_t tag, uint16_t type, uint32_t count, uint32_t field);
    // An inline SHORT (the value in the field's first two bytes).
    void shortEntry(int64_t d, int i, uint16_t tag, uint16_t value);
    // An inline value field given as four raw bytes.
    void rawEntry(int64_t d, int i, uint16_t tag, uint16_t type, uint32_t count, const QByteArray& field4);

    // "Exif\0\0" + the block (TIFF base 6).
    QByteArray app1Payload() const;
    // The whole APP1 segment (TIFF base 10).
    QByteArray app1Segment() const;

private:
    bool little_;
};

} // namespace vistello::test
