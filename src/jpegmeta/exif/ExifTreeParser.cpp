#include "jpegmeta/exif/ExifTreeParser.h"

#include "jpegmeta/exif/DirectoryReader.h"
#include "jpegmeta/exif/ExifTags.h"
#include "jpegmeta/exif/MakerNoteReader.h"

namespace vistello {

void ExifTreeParser::run()
{
    if (block_.tooShort())
        return;
    const uint32_t ifd0 = block_.u32(4);
    if (ifd0 == 0 || !block_.contains(ifd0, 1))
        return;
    data_.ifds_.push_back(Ifd{IfdKind::Ifd0, {}});
    walk(ifd0, IfdKind::Ifd0, 0, data_.ifds_.back().entries);

    // IFD1 is the second directory of the chain; later ones are ignored.
    const uint32_t ifd1 = exifdir::nextDirectory(block_, ifd0);
    if (ifd1 == 0 || !block_.contains(ifd1, 1))
        return;
    std::vector<ExifEntry> entries;
    if (walk(ifd1, IfdKind::Ifd1, 0, entries))
        data_.ifds_.push_back(Ifd{IfdKind::Ifd1, std::move(entries)});
}

bool ExifTreeParser::walk(int64_t d, IfdKind kind, int depth, std::vector<ExifEntry>& out)
{
    if (!guard_.enter(d, depth))
        return false;
    const int n = exifdir::entryCount(block_, d);
    for (int i = 0; i < n && guard_.takeEntry(); ++i) {
        const int64_t e = exifdir::entryAt(d, i);
        ExifEntry entry = exifdir::readEntry(block_, e, kind);
        // Tag 0 ends a directory, except in GPS where it is the version.
        if (entry.tag == exiftag::GpsVersion && kind != IfdKind::GpsIfd)
            break;
        switch (entry.tag) {
        case exiftag::ExifPointer:
        case exiftag::SubIfdC36E:
        case exiftag::SubIfdC36F:
            followPointer(entry, e, IfdKind::ExifIfd, depth + 1);
            break;
        case exiftag::SubIfds:
            followSubIfds(entry, e, depth + 1);
            break;
        case exiftag::GpsPointer:
            followPointer(entry, e, IfdKind::GpsIfd, depth + 1);
            break;
        case exiftag::InteropPointer:
            followPointer(entry, e, IfdKind::InteropIfd, depth + 1);
            break;
        case exiftag::MakerNote:
            followMakerNote(entry, e, depth + 1);
            break;
        default:
            break;
        }
        // Appended only once its children are complete.
        out.push_back(std::move(entry));
    }
    return true;
}

void ExifTreeParser::followPointer(ExifEntry& entry, int64_t entryOffset, IfdKind childKind, int depth)
{
    const uint32_t child = block_.u32(entryOffset + 8);
    if (child != 0 && block_.contains(child, 1))
        walk(child, childKind, depth, entry.children);
}

void ExifTreeParser::followSubIfds(ExifEntry& entry, int64_t entryOffset, int depth)
{
    if (entry.count <= 1) {
        followPointer(entry, entryOffset, IfdKind::ExifIfd, depth);
        return;
    }
    // Several sub-IFDs: the value field holds (or points at) a list of
    // offsets, each of which is a directory of its own.
    const uint16_t storedType = block_.u16(entryOffset + 2);
    const int64_t elementSize = storedType == exiftype::Short ? 2 : 4;
    const int64_t listAt = int64_t(entry.count) * elementSize <= 4 ? entryOffset + 8 : int64_t(block_.u32(entryOffset + 8));
    for (uint32_t i = 0; i < entry.count && !guard_.exhausted(); ++i) {
        const int64_t at = listAt + int64_t(i) * elementSize;
        if (!block_.contains(at, elementSize))
            break;
        const uint32_t child = elementSize == 2 ? block_.u16(at) : block_.u32(at);
        if (child != 0 && block_.contains(child, 1))
            walk(child, IfdKind::ExifIfd, depth, entry.children);
    }
}

void ExifTreeParser::followMakerNote(ExifEntry& entry, int64_t entryOffset, int depth)
{
    MakerNoteReader reader(block_, guard_);
    const std::optional<MakerNoteLocation> where = reader.locate(data_.findTag(exiftag::Make), block_.u32(entryOffset + 8), entry.total());
    if (where)
        entry.children = reader.read(*where, depth);
}

} // namespace vistello
