#pragma once
// The lossless engine on picture files: the whole source is read once, the
// new file is built under a unique temporary name and only then takes its
// place, so a failure at any step leaves the picture as it was.
#include "jpegedit/originals/FileSteps.h"
#include "jpegedit/transform/TransformRequest.h"

#include <QString>

namespace vistello {

enum class TransformFailure {
    None,
    BadCrop,        // crop rectangle outside the picture or empty
    TooSmall,       // smaller than one iMCU in a direction that must be trimmed
    WriteProtected, // the source may not be changed
    SameFile,       // target and source are one file
    CannotRead,
    CannotWrite,
    BadData,        // the JPEG library refused the picture
};

struct TransformOutcome {
    TransformFailure failure = TransformFailure::None;
    QString libraryMessage;
    bool ok() const { return failure == TransformFailure::None; }
};

// Writes the transformed source to target (a different file; an existing
// target is replaced).
TransformOutcome transformJpegFile(const QString& source, const QString& target, const TransformRequest& request,
                                   const FileSteps& steps = realFileSteps());
// Replaces the picture by its transformed self, keeping the picture date
// and the file's mode.
TransformOutcome transformJpegInPlace(const QString& path, const TransformRequest& request,
                                      const FileSteps& steps = realFileSteps());
// Turns the picture upright by its EXIF orientation (IFD0's only) and sets
// the orientation to 1. Upright or no orientation: success, file untouched.
TransformOutcome autoRotate(const QString& path, bool adjustThumbnails, const FileSteps& steps = realFileSteps());

// The EXIF orientation of a file as auto-rotation reads it: 1 when missing or invalid.
int readAutoRotateOrientation(const QString& path);

} // namespace vistello
