#include "jpegmeta/exif/MakerNoteBase.h"

#include "jpegmeta/exif/DirectoryReader.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace vistello {

namespace {

constexpr int64_t kFooterSize = 8; // "II*\0" or "MM\0*", then the original offset

// Where the entries' values lie that are too long for the value field.
std::vector<int64_t> valueOffsets(const TiffBlock& block, const MakerNoteSpan& span)
{
    std::vector<int64_t> values;
    const int n = exifdir::entryCount(block, span.directory);
    for (int i = 0; i < n; ++i) {
        const ExifEntry e = exifdir::readEntry(block, exifdir::entryAt(span.directory, i), span.kind);
        if (e.total() > 4)
            values.push_back(int64_t(e.value));
    }
    return values;
}

// A value counts as inside when it starts inside the note: one cut off at
// the note's end is still read from there, as far as the bytes go.
size_t insideCount(const std::vector<int64_t>& values, const MakerNoteSpan& span, int64_t shift)
{
    const int64_t begin = span.note;
    const int64_t end = int64_t(span.note) + int64_t(span.size);
    return size_t(std::count_if(values.begin(), values.end(),
                                [&](int64_t v) { return v + shift >= begin && v + shift < end; }));
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
    const std::vector<int64_t> values = valueOffsets(block, span);
    const size_t inPlace = insideCount(values, span, 0);
    if (inPlace == values.size())
        return 0;
    const auto fitsAll = [&](int64_t shift) { return shift != 0 && insideCount(values, span, shift) == values.size(); };
    // The footer says where the note was written: trusted first.
    if (span.kind == IfdKind::CanonNote)
        if (const std::optional<int64_t> shift = footerShift(block, span); shift && fitsAll(*shift))
            return shift;
    // Mostly in place: a camera's own stray offsets, read as they are.
    if (2 * inPlace > values.size())
        return 0;

    // Values normally begin right behind the directory and its next pointer.
    const int64_t first = *std::min_element(values.begin(), values.end());
    const int64_t directoryEnd = exifdir::entryAt(span.directory, exifdir::entryCount(block, span.directory));
    const int64_t candidates[] = {int64_t(span.note), directoryEnd + 4 - first, directoryEnd - first};
    for (const int64_t shift : candidates)
        if (fitsAll(shift))
            return shift;
    // Some makers keep their values outside the note, elsewhere in the
    // block, as stored: read them there when they all lie in the block.
    const bool allInBlock = std::all_of(values.begin(), values.end(), [&](int64_t v) { return block.available(v) > 0; });
    if (allInBlock)
        return 0;
    return std::nullopt;
}

} // namespace vistello
