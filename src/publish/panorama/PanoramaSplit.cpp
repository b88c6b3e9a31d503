#include "publish/panorama/PanoramaSplit.h"

#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/BuiltInFormats.h"
#include "imaging/decode/FormatHandler.h"
#include "jpegedit/transform/TransformJpegFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <memory>

namespace vistello {

namespace {

bool samePicture(const QString& a, const QString& b)
{
    const QFileInfo fa(a);
    const QFileInfo fb(b);
    if (fa.exists() && fb.exists())
        return fa.canonicalFilePath() == fb.canonicalFilePath();
    return QDir::cleanPath(fa.absoluteFilePath())
               .compare(QDir::cleanPath(fb.absoluteFilePath()), Qt::CaseInsensitive) == 0;
}

// A free name beside the segment for its bytes until they are complete.
QString temporaryBeside(const QString& path)
{
    for (int i = 0; i < 1000; ++i) {
        const QString name = path + QStringLiteral(".split%1.tmp").arg(i);
        if (!QFileInfo::exists(name))
            return name;
    }
    return {};
}

bool cutSegment(const QString& picture, const PanoramaSegment& segment, int height, const QString& target)
{
    const QString temporary = temporaryBeside(target);
    if (temporary.isEmpty())
        return false;
    TransformRequest request;
    request.op = TransformOp::None;
    request.setCrop(segment.x, 0, segment.width, height);
    if (!transformJpegFile(picture, temporary, request).ok()) {
        QFile::remove(temporary); // only what this cut wrote
        return false;
    }
    // rename() replaces an older segment of that name in one step.
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData()) != 0) {
        QFile::remove(temporary);
        return false;
    }
    return true;
}

} // namespace

QString panoramaSegmentPath(const QString& folder, const QString& picture, int number)
{
    const QString name = QFileInfo(picture).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString base = dot < 0 ? name : name.left(dot);
    const QString extension = dot < 0 ? QString() : name.mid(dot);
    return QDir(folder).filePath(base + QStringLiteral("-%1").arg(number) + extension);
}

PanoramaSplitResult planPanoramaSplit(const PanoramaSplitRequest& request)
{
    PanoramaSplitResult result;
    std::unique_ptr<FormatHandler> handler = createFormatHandler(PictureFileTypes::instance(), request.picture);
    if (!handler) {
        result.failure = PanoramaFailure::Unreadable;
        return result;
    }
    handler->readHeader(request.picture);
    if (!handler->valid || handler->imageWidth <= 0 || handler->imageHeight <= 0) {
        result.failure = PanoramaFailure::Unreadable;
        return result;
    }
    PanoramaInput input;
    input.width = handler->imageWidth;
    input.height = handler->imageHeight;
    result.pictureHeight = handler->imageHeight;
    input.blockWidth = std::max(handler->mcuWidth, 1);
    input.printerX = request.printerX;
    input.printerY = request.printerY;
    input.landscape = request.landscape;
    input.overlap = request.overlap;
    result.plan = planPanorama(input);
    if (result.plan.stalls)
        result.failure = PanoramaFailure::Stalls;
    return result;
}

PanoramaSplitResult splitPanorama(const PanoramaSplitRequest& request, bool dryRun)
{
    PanoramaSplitResult result = planPanoramaSplit(request);
    if (!result.ok())
        return result;
    for (const PanoramaSegment& segment : result.plan.segments) {
        if (samePicture(panoramaSegmentPath(request.folder, request.picture, segment.number), request.picture)) {
            result.failure = PanoramaFailure::WouldReplaceSource;
            return result;
        }
    }
    if (dryRun)
        return result;
    for (const PanoramaSegment& segment : result.plan.segments) {
        const QString target = panoramaSegmentPath(request.folder, request.picture, segment.number);
        if (!cutSegment(request.picture, segment, result.pictureHeight, target)) {
            result.failure = PanoramaFailure::CutFailed;
            return result;
        }
        result.written.append(target);
    }
    return result;
}

} // namespace vistello
