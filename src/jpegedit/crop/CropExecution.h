#pragma once
// Executing a crop: the "Copy of" copy or the ".original" backup first, then
// the lossless engine keeps the rectangle (its left and top edges grow to the
// block grid). A copy whose crop failed is removed again.
#include "jpegedit/batch/PictureTransform.h"
#include "jpegedit/crop/CropGeometry.h"

namespace vistello {

struct CropRun {
    CropSelection selection;
    bool makeCopy = false;          // CropMakeCopy
    bool copyOriginal = true;       // CopyOriginal
    bool adjustThumbnails = false;  // CropModifyExifImage
};

PictureTransformResult executeCrop(const QString& picture, const CropRun& run,
                                   const FileSteps& steps = realFileSteps());

} // namespace vistello
