#include "jpegedit/batch/PictureTransform.h"

#include "core/filetypes/PictureFileTypes.h"
#include "jpegedit/originals/CopyName.h"
#include "jpegedit/originals/OriginalBackup.h"

#include <QFile>

namespace vistello {

unsigned losslessCapabilities(const QString& path)
{
    const PictureFileType* type = PictureFileTypes::instance().typeOf(path);
    return type && type->writable && type->formatName == QLatin1String("Jpeg") ? AllLossless : 0u;
}

unsigned capabilityNeeded(const TransformRequest& request, bool autoRotate)
{
    if (autoRotate)
        return CanAutoRotate;
    if (request.crop)
        return 0;
    switch (request.op) {
    case TransformOp::Rotate90: return CanRotateRight;
    case TransformOp::Rotate270: return CanRotateLeft;
    case TransformOp::FlipH: return CanMirror;
    case TransformOp::FlipV: return CanFlip;
    case TransformOp::Transpose: return CanTranspose;
    case TransformOp::Transverse: return CanTransverse;
    case TransformOp::None: return request.forceGray ? unsigned(CanGreyscale) : 0u;
    case TransformOp::Rotate180: return CanRotateRight;
    }
    return 0;
}

PictureTransformResult transformPicture(const QString& path, const PictureTransformOptions& options,
                                        const FileSteps& steps)
{
    PictureTransformResult result;
    QString target = path;
    if (options.makeCopy) {
        target = makeCopyName(path, false, steps);
        if (target.isEmpty()) {
            result.skipped = true;
            return result;
        }
    }
    const unsigned needed = capabilityNeeded(options.request, options.autoRotate);
    const bool capable = losslessCapabilities(target) & (needed ? needed : unsigned(AllLossless));
    if (!capable || (!options.makeCopy && !backUpOriginalIfWanted(target, options.copyOriginal, steps))) {
        result.skipped = true;
        result.unsupported = !capable;
    } else {
        result.outcome = options.autoRotate ? autoRotate(target, options.request.adjustThumbnails, steps)
                                            : transformJpegInPlace(target, options.request, steps);
        if (result.outcome.ok()) {
            result.writtenPath = target;
            return result;
        }
    }
    if (options.makeCopy && options.removeFailedCopy)
        QFile::remove(target);
    return result;
}

} // namespace vistello
