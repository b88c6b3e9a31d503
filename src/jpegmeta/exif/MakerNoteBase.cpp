#include "jpegmeta/exif/MakerNoteBase.h"

#include "jpegmeta/exif/DirectoryReader.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace vistello {

namespace {

struct ValueBlock {
    int64_t offset;
    int64_t size;
};

constexpr int64_t kFooterSize = 8; // "II*\0" or "MM\0*", then the original offset

std::vector<ValueBlock> valueBlocks(const TiffBlock& block, const MakerNoteSpan& span)
{
    std::vector<ValueBlock> blocks;
    const int n = exifdir::entryCount(block, span.directory);
    for (int i = 0; i < n; ++i) {
        const ExifEntry e = exifdir::readEntry(block, exifdir::entryAt(span.directory, i), span.kind);
        if (e.total() > 4)
            blocks.push_back({int64_t(e.value), int64_t(std::min<uint64_t>(e.total(), uint64_t(1) << 32))});
    }
    return blocks;
}

size_t insideCount(const std::vector<ValueBlock>& blocks, const MakerNoteSpan& span, int64_t shift)
{
    const int64_t begin = span.note;
    const int64_t end = int64_t(span.note) + int64_t(span.size);
    return size_t(std::count_if(blocks.begin(), blocks.end(), [&](const ValueBlock& b) {
        return b.offset + shift >= begin && b.offset + shift + b.size <= end;
    }));
}

// The shift the Canon footer gives: where the note is now minus where it was.
std::optional<int64_t> footerShift(const TiffBlock& block, const MakerNoteSpan& span)
{
    if (span.size <= uint64_t(kFooterSize))
        return std::nullopt;
    const int64_t footer = int64_t(span.note) + int64_t(span.size) - kFooterSize;
    const uint8_t* p = block.at(footer, kFooterSize);
    const char* signature = block.littleEndian() ? "II*\0" : "MM\0*";
    if (!p || std::memcmp(p, signature, 4) != 0)
        return std::nullopt;
    return int64_t(span.note) - int64_t(block.u32(footer + 4));
}

} // namespace

std::optional<int64_t> makerNoteBaseShift(const TiffBlock& block, const MakerNoteSpan& span)
{
    const std::vector<ValueBlock> blocks = valueBlocks(block, span);
    const size_t inPlace = insideCount(blocks, span, 0);
    if (inPlace == blocks.size())
        return 0;
    const auto fitsAll = [&](int64_t shift) { return shift != 0 && insideCount(blocks, span, shift) == blocks.size(); };
    // The footer says where the note was written: trusted first.
    if (span.kind == IfdKind::CanonNote)
        if (const std::optional<int64_t> shift = footerShift(block, span); shift && fitsAll(*shift))
            return shift;
    // Mostly in place: a camera's own stray offsets, read as they are.
    if (2 * inPlace > blocks.size())
        return 0;

    std::vector<int64_t> candidates {int64_t(span.note)};
    const auto first = std::min_element(blocks.begin(), blocks.end(),
                                        [](const ValueBlock& a, const ValueBlock& b) { return a.offset < b.offset; });
    const int64_t directoryEnd = exifdir::entryAt(span.directory, exifdir::entryCount(block, span.directory));
    candidates.push_back(directoryEnd + 4 - first->offset);
    candidates.push_back(directoryEnd - first->offset);
    for (const int64_t shift : candidates)
        if (fitsAll(shift))
            return shift;
    return std::nullopt;
}

} // namespace vistello
