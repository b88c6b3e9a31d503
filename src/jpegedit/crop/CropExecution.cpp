#include "jpegedit/crop/CropExecution.h"

namespace vistello {

PictureTransformResult executeCrop(const QString& picture, const CropRun& run, const FileSteps& steps)
{
    const CropSelection& s = run.selection;
    if (picture.isEmpty() || s.w <= 0 || s.h <= 0 || s.x < 0 || s.y < 0)
        return {};
    PictureTransformOptions options;
    options.request.op = TransformOp::None;
    options.request.adjustThumbnails = run.adjustThumbnails;
    options.request.setCrop(s.x, s.y, s.w, s.h);
    options.makeCopy = run.makeCopy;
    options.copyOriginal = run.copyOriginal;
    options.removeFailedCopy = true;
    return transformPicture(picture, options, steps);
}

} // namespace vistello
