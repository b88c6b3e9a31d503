#include "jpegmeta/exif/ExifData.h"

#include "jpegmeta/exif/ExifTags.h"
#include "jpegmeta/exif/ExifTreeParser.h"

namespace vistello {

void ExifData::parse(const QByteArray& bytes, int64_t base)
{
    bytes_ = bytes;
    base_ = base;
    ifds_.clear();
    ExifTreeParser(*this).run();
}

const ExifEntry* findTagIn(const std::vector<ExifEntry>& entries, uint16_t tag)
{
    for (const ExifEntry& entry : entries) {
        if (entry.tag == tag)
            return &entry;
        if (const ExifEntry* hit = findTagIn(entry.children, tag))
            return hit;
    }
    return nullptr;
}

const ExifEntry* ExifData::findTag(uint16_t tag) const
{
    for (const Ifd& ifd : ifds_)
        if (const ExifEntry* hit = findTagIn(ifd.entries, tag))
            return hit;
    return nullptr;
}

const ExifEntry* ExifData::findTagInIfd0(uint16_t tag) const
{
    if (ifds_.empty() || ifds_.front().kind != IfdKind::Ifd0)
        return nullptr;
    for (const ExifEntry& entry : ifds_.front().entries)
        if (entry.tag == tag)
            return &entry;
    return nullptr;
}

int ExifData::orientation() const
{
    const ExifEntry* entry = findTagInIfd0(exiftag::Orientation);
    if (!entry)
        return 1;
    return int(int16_t(block().decode16(entry->valueField.data())));
}

namespace {
int countEntries(const std::vector<ExifEntry>& entries)
{
    int n = 0;
    for (const ExifEntry& entry : entries)
        n += 1 + countEntries(entry.children);
    return n;
}
} // namespace

int ExifData::entryCount() const
{
    int n = 0;
    for (const Ifd& ifd : ifds_)
        n += countEntries(ifd.entries);
    return n;
}

} // namespace vistello
