#pragma once
// The EXIF UserComment (0x9286): an 8-byte character code, then the text.
#include "jpegmeta/exif/TiffBlock.h"

#include <QString>

namespace vistello {

struct UserCommentText {
    QString code; // the character code, bytes below 0x20 dropped, trimmed ("ASCII", "UNICODE", "JIS", ...)
    QString text; // decoded and trimmed; empty when nothing printable remains
};

// count is limited to 1023 bytes. "unicode" (any case) is UTF-16 in the
// block's byte order unless a byte-order mark says otherwise; "jis" is
// Shift-JIS; every other code maps each byte to the character of that number.
UserCommentText decodeUserComment(const TiffBlock& block, int64_t offset, uint32_t count);

} // namespace vistello
