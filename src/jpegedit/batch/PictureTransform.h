#pragma once
// One picture through a lossless transform command, as the batch job, the
// viewer and the command line run it: the copy ("Make copy") or the
// ".original" backup (CopyOriginal), the format's capability, the engine.
#include "jpegedit/originals/FileSteps.h"
#include "jpegedit/transform/TransformJpegFile.h"
#include "jpegedit/transform/TransformRequest.h"

#include <QString>

namespace vistello {

// The lossless operations a format announces in its capability word.
enum LosslessCapability : unsigned {
    CanAutoRotate = 0x08,
    CanRotateRight = 0x10,
    CanRotateLeft = 0x20,
    CanMirror = 0x40,
    CanFlip = 0x80,
    CanTranspose = 0x100,
    CanTransverse = 0x200,
    CanGreyscale = 0x400,
    CanCrop = 0x800,
    AllLossless = 0xFFFF, // what JPEG pictures offer
};

// The capability word of a picture's format (by its registered file type).
unsigned losslessCapabilities(const QString& path);
// The bit a command needs; 0 for operations that only the engine's direct
// callers use (crop, combined requests).
unsigned capabilityNeeded(const TransformRequest& request, bool autoRotate);

struct PictureTransformOptions {
    TransformRequest request;
    bool autoRotate = false; // the orientation comes from the picture
    bool makeCopy = false;
    bool copyOriginal = true;
    bool removeFailedCopy = false; // single-picture commands; batches keep it
};

struct PictureTransformResult {
    QString writtenPath; // the changed file (the copy, when one was made); empty on failure
    TransformOutcome outcome;
    bool skipped = false; // no capability, or copy/backup failed
    bool unsupported = false; // the format does not offer the operation (skipped silently)
    bool ok() const { return !writtenPath.isEmpty(); }
};

PictureTransformResult transformPicture(const QString& path, const PictureTransformOptions& options,
                                        const FileSteps& steps = realFileSteps());

} // namespace vistello
