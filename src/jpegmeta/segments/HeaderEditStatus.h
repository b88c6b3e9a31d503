#pragma once
// Outcome of the operations that rewrite a picture's header run.
#include <cstdint>

namespace vistello {

enum class HeaderEditStatus : uint8_t {
    Done,
    Cancelled,          // the user cancelled a dialog or answered "No"
    CannotOpen,         // the picture (or the picture-data file) cannot be read
    NotJpeg,            // the picture does not start with SOI
    NoHeaderEnd,        // the header run reaches the end of the file
    MalformedRun,       // a header segment is shorter than its own length field
    InvalidPictureData, // the picture-data file is not a whole run of APPn/COM segments
    CommentTooLong,     // the text does not fit into one COM segment
    WriteFailed,        // the new file could not be written or put in place
};

} // namespace vistello
