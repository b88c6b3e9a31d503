#pragma once
// A TIFF directory under construction: its entries, the directory chained
// after it, and overrides that let tests write inconsistent directories.
#include "app/samples/TiffField.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace vistello::samples {

class TiffDirectory {
public:
    // Replaces the entry with the same tag, or appends one.
    TiffDirectory& set(TiffField field);
    // Appends even when the tag is already there (duplicate entries).
    TiffDirectory& append(TiffField field);
    bool remove(uint16_t tag);
    const TiffField* find(uint16_t tag) const;
    const std::vector<TiffField>& fields() const { return fields_; }
    bool isEmpty() const { return fields_.empty(); }

    bool sortByTag = true;                      // false keeps insertion order
    std::shared_ptr<TiffDirectory> next;        // chained after this one (a looping chain: nextOffsetOverride)
    std::optional<uint16_t> entryCountOverride; // count word written instead of the real one
    std::optional<uint32_t> nextOffsetOverride; // next-directory word written instead of next's offset

private:
    std::vector<TiffField> fields_;
};

} // namespace vistello::samples
