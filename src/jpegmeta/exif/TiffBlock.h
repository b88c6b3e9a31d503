#pragma once
// A read-only view of a TIFF structure inside a buffer: the bytes, the
// position of the TIFF header inside them (base) and the byte order. Every
// read goes through the bounded accessors below; a read that does not lie
// wholly inside the buffer yields 0. Offsets are relative to the TIFF header
// and computed in 64 bits, so no value read from the file can overflow them.
#include "jpegmeta/segments/HeaderData.h"

#include <QByteArray>
#include <cstdint>

namespace vistello {

class TiffBlock {
public:
    TiffBlock() = default;
    // base: 10 when the buffer starts at the segment's 0xFF byte, 6 when it
    // starts at the APP1 payload ("Exif" and two zero bytes first).
    TiffBlock(const uint8_t* bytes, int64_t size, int64_t base);
    TiffBlock(const QByteArray& bytes, int64_t base);
    // A view must not outlive its bytes.
    TiffBlock(QByteArray&& bytes, int64_t base) = delete;

    const uint8_t* bytes() const { return bytes_; }
    int64_t size() const { return size_; }
    int64_t base() const { return base_; }
    bool littleEndian() const { return littleEndian_; }
    // The same view read in the other byte order when otherOrder is set: a
    // maker note may be stored in its own order, whatever the block says.
    TiffBlock inOrder(bool otherOrder) const
    {
        TiffBlock view = *this;
        view.littleEndian_ = littleEndian_ != otherOrder;
        return view;
    }

    // True when n bytes at TIFF offset o lie inside the buffer.
    bool contains(int64_t o, int64_t n) const { return o >= -base_ && n >= 0 && base_ + o <= size_ - n; }
    // Bytes available from TIFF offset o to the end of the buffer (0 outside).
    int64_t available(int64_t o) const { return contains(o, 0) ? size_ - (base_ + o) : 0; }
    // Pointer to n bytes at o, or nullptr when they are not all inside.
    const uint8_t* at(int64_t o, int64_t n) const { return contains(o, n) ? bytes_ + base_ + o : nullptr; }

    uint8_t byte(int64_t o) const;
    uint16_t u16(int64_t o) const;
    uint32_t u32(int64_t o) const;
    // n = 1: byte sign-extended; n = 2: u16 sign-extended; otherwise u32.
    int32_t sized(int64_t o, uint32_t n) const;

    // Decodes 16 and 32 bits from raw bytes in this block's byte order.
    uint16_t decode16(const uint8_t* p) const;
    uint32_t decode32(const uint8_t* p) const;

    // A block shorter than the TIFF header yields nothing at all.
    bool tooShort() const { return size_ - base_ < 8; }

private:
    const uint8_t* bytes_ = nullptr;
    int64_t size_ = 0;
    int64_t base_ = 0;
    bool littleEndian_ = false;
};

// The EXIF block collected with a picture's header segments.
inline TiffBlock exifBlockOf(const HeaderData& header) { return TiffBlock(header.exifBytes, header.exifBase); }

} // namespace vistello
