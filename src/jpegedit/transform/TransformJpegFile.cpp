#include "jpegedit/transform/TransformJpegFile.h"

#include "platform/WriteProtection.h"
#include "jpegedit/transform/LosslessTransform.h"
#include "jpegmeta/exif/ExifData.h"
#include "jpegmeta/segments/HeaderCollector.h"

#include <QFile>
#include <QFileInfo>
#include <limits>
#include <utility>
#include <sys/stat.h>

namespace vistello {

namespace {

constexpr qint64 kMaxSourceBytes = std::numeric_limits<int>::max() - 16;

// The whole file with an EOI behind it, so a truncated file still ends.
QByteArray readWithEoi(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const qint64 size = file.size();
    if (size <= 0 || size > kMaxSourceBytes)
        return {};
    QByteArray bytes(qsizetype(size + 2), Qt::Uninitialized);
    if (file.read(bytes.data(), size) != size)
        return {};
    bytes[qsizetype(size)] = char(0xFF);
    bytes[qsizetype(size + 1)] = char(0xD9);
    return bytes;
}

TransformFailure fromGeometry(GeometryFailure failure)
{
    switch (failure) {
    case GeometryFailure::BadCrop: return TransformFailure::BadCrop;
    case GeometryFailure::TooSmall: return TransformFailure::TooSmall;
    case GeometryFailure::None: break;
    }
    return TransformFailure::BadData;
}

TransformOutcome failure(TransformFailure why) { return TransformOutcome{why, {}}; }

// Checks shared by both entry points; None when the transform may run.
TransformFailure precheck(const QString& source, const TransformRequest& request)
{
    if (request.crop && (request.cropX < 0 || request.cropY < 0))
        return TransformFailure::BadCrop;
    if (!QFileInfo(source).isFile())
        return TransformFailure::CannotRead;
    if (isWriteProtected(source))
        return TransformFailure::WriteProtected;
    return TransformFailure::None;
}

// Runs the engine from the source bytes into a device, recording the outcome.
struct EngineRun {
    const TransformRequest& request;
    QByteArray source;
    TransformOutcome outcome{TransformFailure::CannotWrite, {}};

    bool writeTo(QIODevice& device)
    {
        // The engine frees the source bytes once the coefficients are read.
        QByteArray bytes = std::move(source);
        LosslessTransform::Options options;
        options.sourceConsumed = [](void* context) { static_cast<QByteArray*>(context)->clear(); };
        options.context = &bytes;
        LosslessTransform engine(request, options);
        TransformDestination destination;
        destination.device = &device;
        if (engine.run(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()), destination)) {
            outcome = {};
            return true;
        }
        if (engine.geometryFailure() != GeometryFailure::None)
            outcome = {fromGeometry(engine.geometryFailure()), {}};
        else
            outcome = {engine.writeFailed() ? TransformFailure::CannotWrite : TransformFailure::BadData,
                       engine.libraryMessage()};
        return false;
    }
};

} // namespace

TransformOutcome transformJpegFile(const QString& source, const QString& target, const TransformRequest& request,
                                   const FileSteps& steps)
{
    if (const TransformFailure why = precheck(source, request); why != TransformFailure::None)
        return failure(why);
    struct stat from{};
    struct stat to{};
    if (::stat(QFile::encodeName(source).constData(), &from) == 0 &&
        ::stat(QFile::encodeName(target).constData(), &to) == 0 && from.st_dev == to.st_dev && from.st_ino == to.st_ino)
        return failure(TransformFailure::SameFile);
    EngineRun run{request, readWithEoi(source)};
    if (run.source.isEmpty())
        return failure(TransformFailure::CannotRead);
    const bool written = steps.create(target, [&](QIODevice& out) { return run.writeTo(out); });
    if (!written && run.outcome.ok())
        run.outcome = {TransformFailure::CannotWrite, {}};
    return run.outcome;
}

TransformOutcome transformJpegInPlace(const QString& path, const TransformRequest& request, const FileSteps& steps)
{
    if (const TransformFailure why = precheck(path, request); why != TransformFailure::None)
        return failure(why);
    EngineRun run{request, readWithEoi(path)};
    if (run.source.isEmpty())
        return failure(TransformFailure::CannotRead);
    const bool replaced = steps.replace(path, [&](QIODevice& out) { return run.writeTo(out); });
    if (!replaced && run.outcome.ok())
        run.outcome = {TransformFailure::CannotWrite, {}};
    return run.outcome;
}

int readAutoRotateOrientation(const QString& path)
{
    const HeaderData header = collectHeaderData(path, CollectFromFile{});
    if (!header.hasExif())
        return 1;
    ExifData exif;
    exif.parse(header.exifBytes, header.exifBase);
    const int o = exif.orientation();
    return o >= 1 && o <= 8 ? o : 1;
}

TransformOutcome autoRotate(const QString& path, bool adjustThumbnails, const FileSteps& steps)
{
    const int orientation = readAutoRotateOrientation(path);
    if (orientation == 1)
        return {};
    TransformRequest request;
    request.orientation = orientation;
    request.adjustThumbnails = adjustThumbnails;
    return transformJpegInPlace(path, request, steps);
}

} // namespace vistello
