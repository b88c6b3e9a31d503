#include "jpegedit/exifupkeep/ExifFieldUpdate.h"

#include "jpegmeta/exif/ExifTags.h"
#include "jpegmeta/exif/ExifTypes.h"

#include <optional>

namespace vistello {

namespace {

constexpr int64_t kTiffBase = 6;     // "Exif", 0, 0
constexpr int64_t kOffsetLimit = 65536; // offsets with high 16 bits set are refused
constexpr int64_t kEntrySize = 12;
constexpr uint16_t kRelatedImageWidth = 0x1001;
constexpr uint16_t kRelatedImageLength = 0x1002;
constexpr uint16_t kPixelXDimension = 0xA002;
constexpr uint16_t kPixelYDimension = 0xA003;

// A writable view of the TIFF block; every access is bounded.
class MutableTiff {
public:
    MutableTiff(uint8_t* bytes, int64_t size) : p_(bytes), size_(size) {}

    bool wellFormed()
    {
        if (size_ < 12)
            return false;
        if (p_[0] == 'I' && p_[1] == 'I' && p_[2] == 0x2A && p_[3] == 0)
            little_ = true;
        else if (p_[0] == 'M' && p_[1] == 'M' && p_[2] == 0 && p_[3] == 0x2A)
            little_ = false;
        else
            return false;
        return true;
    }

    uint16_t u16(int64_t o) const
    {
        if (o < 0 || o + 2 > size_)
            return 0;
        return little_ ? uint16_t(p_[o] | p_[o + 1] << 8) : uint16_t(p_[o] << 8 | p_[o + 1]);
    }
    uint32_t u32(int64_t o) const
    {
        if (o < 0 || o + 4 > size_)
            return 0;
        const uint32_t a = little_ ? uint32_t(u16(o)) : uint32_t(u16(o + 2));
        const uint32_t b = little_ ? uint32_t(u16(o + 2)) : uint32_t(u16(o));
        return a | b << 16;
    }
    void put16(int64_t o, uint16_t v)
    {
        if (o < 0 || o + 2 > size_)
            return;
        p_[o + (little_ ? 0 : 1)] = uint8_t(v);
        p_[o + (little_ ? 1 : 0)] = uint8_t(v >> 8);
    }
    void put32(int64_t o, uint32_t v)
    {
        put16(o + (little_ ? 0 : 2), uint16_t(v));
        put16(o + (little_ ? 2 : 0), uint16_t(v >> 16));
    }

    // A directory offset taken from a value field, when acceptable.
    std::optional<int64_t> directoryAt(int64_t valueField) const
    {
        const int64_t o = u32(valueField);
        if (o >= kOffsetLimit || o > size_ - 2)
            return std::nullopt;
        return o;
    }

    // Calls f(entryOffset) for each entry until f returns false.
    template <typename F>
    void forEachEntry(int64_t d, F f) const
    {
        const int n = u16(d);
        for (int i = 0; i < n; ++i) {
            const int64_t e = d + 2 + int64_t(i) * kEntrySize;
            if (size_ - e < kEntrySize)
                return;
            if (!f(e))
                return;
        }
    }

    std::optional<int64_t> findEntry(int64_t d, uint16_t tag) const
    {
        std::optional<int64_t> found;
        forEachEntry(d, [&](int64_t e) {
            if (u16(e) != tag)
                return true;
            found = e;
            return false;
        });
        return found;
    }

    // A child directory of d through a pointer tag, with at least two entries.
    std::optional<int64_t> child(int64_t d, uint16_t pointerTag) const
    {
        const auto e = findEntry(d, pointerTag);
        if (!e)
            return std::nullopt;
        const auto c = directoryAt(*e + 8);
        if (!c || u16(*c) < 2)
            return std::nullopt;
        return c;
    }

    void putLong(int64_t e, uint32_t value)
    {
        put16(e + 2, exiftype::Long);
        put32(e + 4, 1);
        put32(e + 8, value);
    }

    void setDimensions(int64_t d, uint16_t widthTag, uint16_t heightTag, int width, int height)
    {
        forEachEntry(d, [&](int64_t e) {
            const uint16_t tag = u16(e);
            if (tag == widthTag)
                putLong(e, uint32_t(width));
            else if (tag == heightTag)
                putLong(e, uint32_t(height));
            return true;
        });
    }

private:
    uint8_t* p_;
    int64_t size_;
    bool little_ = false;
};

} // namespace

bool updateExifFields(uint8_t* payload, int64_t length, const ExifFieldChanges& changes)
{
    if (!payload || length < kTiffBase)
        return false;
    MutableTiff tiff(payload + kTiffBase, length - kTiffBase);
    if (!tiff.wellFormed())
        return false;
    const auto ifd0 = tiff.directoryAt(4);
    if (!ifd0)
        return false;

    if (changes.setSize) {
        if (const auto exif = tiff.child(*ifd0, exiftag::ExifPointer)) {
            tiff.setDimensions(*exif, kPixelXDimension, kPixelYDimension, changes.width, changes.height);
            if (const auto interop = tiff.child(*exif, exiftag::InteropPointer))
                tiff.setDimensions(*interop, kRelatedImageWidth, kRelatedImageLength, changes.width, changes.height);
        }
    }
    if (changes.resetOrientation) {
        if (const auto e = tiff.findEntry(*ifd0, exiftag::Orientation)) {
            tiff.put16(*e + 2, exiftype::Short);
            tiff.put32(*e + 4, 1);
            tiff.put32(*e + 8, 0);
            tiff.put16(*e + 8, 1);
        }
    }
    return true;
}

} // namespace vistello
