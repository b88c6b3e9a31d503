#pragma once
// Keeps the EXIF fields of a transformed or re-encoded picture true: the
// pixel dimensions of the EXIF and interoperability directories, and the
// orientation after an automatic rotation. Works in place on an APP1
// payload ("Exif", two zero bytes, then the TIFF block); a malformed block
// is left alone.
#include <cstdint>

namespace vistello {

struct ExifFieldChanges {
    bool setSize = false; // write width and height
    int width = 0;
    int height = 0;
    bool resetOrientation = false; // IFD0's orientation becomes 1
};

// Returns true when the block was well-formed enough to be walked.
bool updateExifFields(uint8_t* payload, int64_t length, const ExifFieldChanges& changes);

} // namespace vistello
