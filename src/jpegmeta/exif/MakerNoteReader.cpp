#include "jpegmeta/exif/MakerNoteReader.h"

#include "jpegmeta/exif/DirectoryReader.h"
#include "jpegmeta/exif/ExifTags.h"
#include "jpegmeta/exif/MakerNoteBase.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace vistello {

namespace {

enum class NoteLayout : uint8_t {
    DirectoryAtStart,
    DirectoryAfter8,  // 8-byte maker header, then the directory
    NikonHeader,      // "Nikon" header: directory after 8 bytes; no header: at the start
    FujiHeader,       // little-endian; directory at note + u32(note + 8); offsets from the note
};

struct MakerNoteRule {
    std::string_view makePrefix;
    IfdKind kind;
    NoteLayout layout;
    // A note starting with this is laid out in a way the decoder does not
    // know (a later generation of the maker's cameras): left as one plain
    // entry rather than read as thousands of meaningless entries.
    std::string_view foreignSignature;
};

using namespace std::string_view_literals;

// Tried in this order on the start of the Make text.
constexpr MakerNoteRule kMakerNoteRules[] = {
    {"Canon", IfdKind::CanonNote, NoteLayout::DirectoryAtStart, {}},
    {"NIKON", IfdKind::NikonNoteWithoutHeader, NoteLayout::NikonHeader, {}},
    {"OLYMPUS", IfdKind::OlympusNote, NoteLayout::DirectoryAfter8, "OLYMPUS\0"sv},
    {"CASIO", IfdKind::CasioNote, NoteLayout::DirectoryAtStart, "QVC\0"sv},
    {"FUJI", IfdKind::FujiNote, NoteLayout::FujiHeader, {}},
};

constexpr size_t kLongestPrefix = 7;

bool startsWith(const TiffBlock& block, int64_t o, std::string_view text)
{
    const uint8_t* p = block.at(o, int64_t(text.size()));
    return p && std::memcmp(p, text.data(), text.size()) == 0;
}

// The later Nikon note: "Nikon\0", a version, two zero bytes, then a TIFF
// header of its own at byte 10, from which the note's offsets count.
constexpr int64_t kNikonTiffHeader = 10;

// The byte order of the TIFF header at o, when there is one.
std::optional<bool> tiffHeaderLittleEndian(const TiffBlock& block, int64_t o)
{
    if (startsWith(block, o, "II*\0"sv))
        return true;
    if (startsWith(block, o, "MM\0*"sv))
        return false;
    return std::nullopt;
}

// The first characters of the Make text as the tag formatter shows it
// (bytes below 0x20 as blanks).
std::string makePrefix(const TiffBlock& block, const ExifEntry& make)
{
    const uint64_t n = std::min<uint64_t>(make.total(), kLongestPrefix);
    std::string text;
    for (uint64_t i = 0; i < n; ++i) {
        const uint8_t c = make.total() > 4 ? block.byte(int64_t(make.value) + int64_t(i)) : make.valueField[size_t(i)];
        text.push_back(c < 0x20 ? ' ' : char(c));
    }
    return text;
}

const MakerNoteRule* ruleFor(const std::string& makePrefix)
{
    for (const MakerNoteRule& rule : kMakerNoteRules)
        if (std::string_view(makePrefix).starts_with(rule.makePrefix))
            return &rule;
    return nullptr;
}

std::optional<MakerNoteLocation> place(const TiffBlock& block, const MakerNoteRule& rule, uint32_t note)
{
    MakerNoteLocation where;
    where.kind = rule.kind;
    where.directory = note;
    switch (rule.layout) {
    case NoteLayout::DirectoryAtStart:
        break;
    case NoteLayout::DirectoryAfter8:
        where.directory = int64_t(note) + 8;
        break;
    case NoteLayout::NikonHeader:
        if (!startsWith(block, note, "Nikon"))
            break;
        if (const std::optional<bool> little = tiffHeaderLittleEndian(block, int64_t(note) + kNikonTiffHeader)) {
            // Its tags are those of the note without header. The entries are
            // read in the block's byte order, so a note in the other order
            // stays a plain entry.
            if (*little != block.littleEndian())
                return std::nullopt;
            where.offsetBase = int64_t(note) + kNikonTiffHeader;
            where.directory = where.offsetBase + block.u32(where.offsetBase + 4);
            break;
        }
        where.kind = IfdKind::NikonNoteWithHeader;
        where.directory = int64_t(note) + 8;
        break;
    case NoteLayout::FujiHeader:
        where.otherOrder = !block.littleEndian();
        where.offsetBase = note;
        where.directory = int64_t(note) + block.inOrder(where.otherOrder).u32(int64_t(note) + 8);
        break;
    }
    return where;
}

bool directoryFits(const TiffBlock& block, const MakerNoteLocation& where, uint32_t note, uint64_t noteSize)
{
    // A note read in the wrong byte order, or moved by a program that did
    // not adjust its offsets, gives a count that runs far past the note:
    // such a note stays one plain entry instead of thousands of bogus ones.
    const TiffBlock order = block.inOrder(where.otherOrder);
    const int64_t end = where.directory + 2 + 12 * int64_t(exifdir::storedCount(order, where.directory));
    return where.directory >= int64_t(note) && end <= int64_t(note) + int64_t(noteSize);
}

} // namespace

std::optional<MakerNoteLocation> MakerNoteReader::locate(const ExifEntry* make, uint32_t note, uint64_t noteSize) const
{
    const MakerNoteRule* rule = make ? ruleFor(makePrefix(block_, *make)) : nullptr;
    if (!rule || (!rule->foreignSignature.empty() && startsWith(block_, note, rule->foreignSignature)))
        return std::nullopt;
    std::optional<MakerNoteLocation> where = place(block_, *rule, note);
    if (!where)
        return std::nullopt;
    if (!directoryFits(block_, *where, note, noteSize)) {
        // A program that rewrote the block in the other byte order may have
        // copied the note as it was: read it in its own order when only that fits.
        where->otherOrder = !where->otherOrder;
        if (!directoryFits(block_, *where, note, noteSize))
            return std::nullopt;
    }
    // Offsets from the TIFF header break when another program moved the note.
    if (where->offsetBase == 0 && rule->layout != NoteLayout::FujiHeader) {
        const TiffBlock order = block_.inOrder(where->otherOrder);
        const std::optional<int64_t> shift = makerNoteBaseShift(order, {where->directory, note, noteSize, where->kind});
        if (!shift)
            return std::nullopt;
        where->offsetBase = *shift;
    }
    return where;
}

std::vector<ExifEntry> MakerNoteReader::read(const MakerNoteLocation& where, int depth)
{
    std::vector<ExifEntry> entries;
    const TiffBlock note = block_.inOrder(where.otherOrder);
    if (where.directory <= 0 || !guard_.enter(where.directory, depth))
        return entries;
    const int n = exifdir::entryCount(note, where.directory);
    // Inside a note a tag of 0 does not end the directory and pointers are not followed.
    for (int i = 0; i < n && guard_.takeEntry(); ++i) {
        ExifEntry entry = exifdir::readEntry(note, exifdir::entryAt(where.directory, i), where.kind);
        entry.otherOrder = where.otherOrder;
        if (where.offsetBase != 0 && entry.total() > 4)
            entry.value = uint32_t(int64_t(entry.value) + where.offsetBase);
        if (where.kind == IfdKind::CanonNote) {
            if (entry.tag == exiftag::CanonCameraSettings)
                expandCanonArray(note, entry, IfdKind::CanonCameraSettings, false);
            else if (entry.tag == exiftag::CanonShotInfo)
                expandCanonArray(note, entry, IfdKind::CanonShotInfo, false);
            else if (entry.tag == exiftag::CanonCustomFunctions)
                expandCanonArray(note, entry, IfdKind::CanonCustomFunctions, true);
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

void MakerNoteReader::expandCanonArray(const TiffBlock& note, ExifEntry& entry, IfdKind childKind, bool customFunctions)
{
    // An array of at most four bytes sits in the value field, not at an offset.
    if (entry.total() <= 4)
        return;
    const int64_t array = entry.value;
    // The first element holds the array's length in bytes; neither it nor
    // the count may take the loop past the bytes present.
    const int64_t length = std::min({int64_t(entry.total()), int64_t(int16_t(note.u16(array))), note.available(array)});
    for (int64_t i = 1; 2 * i < length && guard_.takeEntry(); ++i) {
        const int64_t at = array + 2 * i;
        const uint16_t element = note.u16(at);
        ExifEntry child;
        child.type = exiftype::Short;
        child.count = 1;
        child.kind = childKind;
        child.entryOffset = uint32_t(at);
        child.otherOrder = entry.otherOrder;
        if (customFunctions) {
            child.tag = element >> 8;                         // the function number
            child.value = uint32_t(int32_t(int8_t(element & 0xFF))); // its setting
        } else {
            child.tag = uint16_t(i);
            child.value = uint32_t(int32_t(int16_t(element)));
        }
        const uint16_t stored = customFunctions ? uint16_t(child.value & 0xFF) : element;
        child.valueField = {uint8_t(note.littleEndian() ? stored & 0xFF : stored >> 8),
                            uint8_t(note.littleEndian() ? stored >> 8 : stored & 0xFF), 0, 0};
        entry.children.push_back(child);
    }
}

} // namespace vistello
