#pragma once
// The light walk used by the summary and the picture date: the chain IFD0,
// IFD1, IFD2, ... with every entry examined (a tag of 0 does not end it) and
// only the EXIF pointer followed. No tree is built.
#include "jpegmeta/exif/DirectoryGuard.h"
#include "jpegmeta/exif/DirectoryReader.h"
#include "jpegmeta/exif/ExifTags.h"

namespace vistello {

// visit(entry, inIfd0) returns false to stop the whole walk. inIfd0 is true
// only for the entries directly in IFD0.
template <typename Visit>
class ExifChainWalk {
public:
    ExifChainWalk(const TiffBlock& block, Visit visit) : block_(block), visit_(visit) {}

    void run()
    {
        if (block_.tooShort())
            return;
        bool first = true;
        for (uint32_t d = block_.u32(4); d != 0 && block_.contains(d, 1) && !stopped_; d = exifdir::nextDirectory(block_, d)) {
            if (!walk(d, 0, first))
                return;
            first = false;
        }
    }

private:
    // False when the directory could not be entered (visited, too deep, budget).
    bool walk(int64_t d, int depth, bool inIfd0)
    {
        if (!guard_.enter(d, depth))
            return false;
        const int n = exifdir::entryCount(block_, d);
        for (int i = 0; i < n && !stopped_ && guard_.takeEntry(); ++i) {
            const int64_t e = exifdir::entryAt(d, i);
            const ExifEntry entry = exifdir::readEntry(block_, e, IfdKind::Ifd0);
            if (!visit_(entry, inIfd0)) {
                stopped_ = true;
                return true;
            }
            if (entry.tag == exiftag::ExifPointer) {
                const uint32_t child = block_.u32(e + 8);
                if (child != 0 && block_.contains(child, 1))
                    walk(child, depth + 1, false);
            }
        }
        return true;
    }

    const TiffBlock& block_;
    Visit visit_;
    DirectoryGuard guard_;
    bool stopped_ = false;
};

template <typename Visit>
void walkExifChain(const TiffBlock& block, Visit visit)
{
    ExifChainWalk<Visit>(block, visit).run();
}

} // namespace vistello
