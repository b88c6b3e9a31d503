#pragma once
// Puts a picture encoded in memory in place of its source: as a new "Copy of"
// file, or over the picture itself after its ".original" backup, with the
// picture's dates. A copy never replaces a file that took its name meanwhile.
#include "imaging/decode/PictureWriteRequest.h"

#include <QString>

namespace vistello {

enum class PlacementFailure { None, NoCopyName, Backup, Write };

struct PlacedPicture {
    PlacementFailure failure = PlacementFailure::None;
    QString targetPath; // the file written, or the one that failed
    QString message;    // why it failed
    bool ok() const { return failure == PlacementFailure::None; }
};

PlacedPicture placeEncodedPicture(const QString& picture, const EncodedPicture& encoded, bool makeCopy,
                                  bool copyOriginal);

} // namespace vistello
