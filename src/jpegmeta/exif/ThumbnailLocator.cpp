#include "jpegmeta/exif/ThumbnailLocator.h"

#include "jpegmeta/exif/DirectoryGuard.h"
#include "jpegmeta/exif/DirectoryReader.h"
#include "jpegmeta/exif/ExifTags.h"

#include <algorithm>

namespace vistello {

namespace {

constexpr int64_t kJpegCompression = 6;

// A value read with the size of its type: BYTE and SHORT sign-extended, else unsigned 32 bits.
int64_t sizedValue(const TiffBlock& block, int64_t o, uint16_t type)
{
    const uint32_t n = typeSize(type);
    if (n == 1 || n == 2)
        return block.sized(o, n);
    return block.u32(o);
}

class OverlapCheckingWalk {
public:
    explicit OverlapCheckingWalk(const TiffBlock& block) : block_(block) {}

    ThumbnailLocation run()
    {
        if (block_.tooShort())
            return result_;
        const uint32_t ifd0 = block_.u32(4);
        if (ifd0 != 0 && block_.contains(ifd0, 1)) {
            walk(ifd0, 0);
            const uint32_t ifd1 = exifdir::nextDirectory(block_, ifd0);
            if (ifd1 != 0 && block_.contains(ifd1, 1))
                walk(ifd1, 0);
        }
        finish();
        return result_;
    }

private:
    void walk(int64_t d, int depth)
    {
        if (!guard_.enter(d, depth))
            return;
        const int n = exifdir::entryCount(block_, d);
        for (int i = 0; i < n && guard_.takeEntry(); ++i) {
            const int64_t e = exifdir::entryAt(d, i);
            const uint16_t tag = block_.u16(e);
            const uint16_t type = correctedType(block_.u16(e + 2));
            const uint32_t count = block_.u32(e + 4);
            switch (tag) {
            case exiftag::ExifPointer:
            case exiftag::SubIfdC36E:
            case exiftag::SubIfdC36F:
            case exiftag::GpsPointer:
            case exiftag::InteropPointer:
                followAt(block_.u32(e + 8), depth + 1);
                break;
            case exiftag::SubIfds:
                followSubIfds(e, count, depth + 1);
                break;
            case exiftag::ThumbnailOffset:
                result_.offset = sizedValue(block_, e + 8, type) + block_.base();
                break;
            case exiftag::ThumbnailLength:
                result_.length = sizedValue(block_, e + 8, type);
                result_.lengthFieldPosition = block_.base() + e + 8;
                break;
            case exiftag::Compression:
                result_.compression = sizedValue(block_, e + 8, type);
                break;
            default:
                if (const uint64_t total = totalSize(type, count); total > 4)
                    result_.maxEnd = std::max<int64_t>(result_.maxEnd, int64_t(block_.u32(e + 8)) + int64_t(total));
                break;
            }
            result_.maxEnd = std::max<int64_t>(result_.maxEnd, e + 12);
        }
    }

    void followAt(uint32_t child, int depth)
    {
        if (child != 0 && block_.contains(child, 1))
            walk(child, depth);
    }

    void followSubIfds(int64_t e, uint32_t count, int depth)
    {
        if (count <= 1) {
            followAt(block_.u32(e + 8), depth);
            return;
        }
        const int64_t elementSize = block_.u16(e + 2) == exiftype::Short ? 2 : 4;
        const int64_t listAt = int64_t(count) * elementSize <= 4 ? e + 8 : int64_t(block_.u32(e + 8));
        for (uint32_t i = 0; i < count && !guard_.exhausted(); ++i) {
            const int64_t at = listAt + int64_t(i) * elementSize;
            if (!block_.contains(at, elementSize))
                break;
            followAt(elementSize == 2 ? block_.u16(at) : block_.u32(at), depth);
        }
    }

    void finish()
    {
        // A thumbnail that starts before the end of other directory data overlaps it.
        if (result_.maxEnd > result_.offset - block_.base()) {
            result_.offset = 0;
            result_.length = 0;
            result_.compression = 0;
        }
        if (result_.compression == kJpegCompression && result_.offset > 0 && result_.length > 0 &&
            result_.offset <= block_.size() - result_.length) {
            result_.bytes = QByteArray(reinterpret_cast<const char*>(block_.bytes() + result_.offset),
                                       qsizetype(result_.length));
            return;
        }
        result_.offset = 0;
        result_.length = 0;
        result_.compression = 0;
    }

    const TiffBlock& block_;
    DirectoryGuard guard_;
    ThumbnailLocation result_;
};

} // namespace

SimpleThumbnailLocation locateThumbnailSimple(const TiffBlock& block)
{
    SimpleThumbnailLocation result;
    if (block.tooShort())
        return result;
    const uint32_t ifd0 = block.u32(4);
    if (ifd0 == 0 || !block.contains(ifd0, 1))
        return result;
    const int n0 = exifdir::entryCount(block, ifd0);
    for (int i = 0; i < n0; ++i) {
        const int64_t e = exifdir::entryAt(ifd0, i);
        if (block.u16(e) == exiftag::Orientation) {
            result.orientation = int16_t(block.u16(e + 8));
            break;
        }
    }
    const uint32_t ifd1 = exifdir::nextDirectory(block, ifd0);
    if (ifd1 == 0)
        return result;
    const int n1 = exifdir::entryCount(block, ifd1);
    for (int i = 0; i < n1; ++i) {
        const int64_t e = exifdir::entryAt(ifd1, i);
        const uint16_t type = correctedType(block.u16(e + 2));
        switch (block.u16(e)) {
        case exiftag::ThumbnailOffset:
            result.offset = sizedValue(block, e + 8, type) + block.base();
            break;
        case exiftag::ThumbnailLength:
            result.length = sizedValue(block, e + 8, type);
            break;
        case exiftag::Compression:
            result.compression = sizedValue(block, e + 8, type);
            break;
        default:
            break;
        }
    }
    return result;
}

ThumbnailLocation locateThumbnail(const TiffBlock& block)
{
    return OverlapCheckingWalk(block).run();
}

} // namespace vistello
