#include "jpegmeta/segments/PictureData.h"

#include "jpegmeta/segments/HeaderWalk.h"
#include "jpegmeta/segments/RewritableHeader.h"
#include "platform/FileReplace.h"

#include <QFile>
#include <QFileInfo>

namespace vistello {

namespace {

const QByteArray kSoi("\xFF\xD8", 2);

// SOI, the new run, then the picture from its old header end on.
HeaderEditStatus replaceRun(const QString& picture, const QByteArray& newRun)
{
    FileByteSource source(picture);
    if (!source.isOpen())
        return HeaderEditStatus::CannotOpen;
    const RewritableHeader header = checkRewritableHeader(source);
    if (!header.ok())
        return header.status;
    const bool replaced = replaceFileKeepingTimes(picture, [&](QIODevice& out) {
        return out.write(kSoi) == kSoi.size() && out.write(newRun) == newRun.size() &&
               copyRange(source, header.headerEnd, header.fileSize, out);
    });
    return replaced ? HeaderEditStatus::Done : HeaderEditStatus::WriteFailed;
}

} // namespace

HeaderEditStatus savePictureData(const QString& picture, const QString& target)
{
    FileByteSource source(picture);
    if (!source.isOpen())
        return HeaderEditStatus::CannotOpen;
    const HeaderWalkResult walk = walkHeaderRun(source);
    if (!walk.headerEnd)
        return HeaderEditStatus::NoHeaderEnd;
    if (!walk.lengthsValid)
        return HeaderEditStatus::MalformedRun;
    // The user chose the name (and agreed to replace a file holding it).
    const auto write = [&](QIODevice& out) { return copyRange(source, 2, *walk.headerEnd, out); };
    return writeProductFile(target, write) ? HeaderEditStatus::Done : HeaderEditStatus::WriteFailed;
}

HeaderEditStatus loadPictureData(const QString& picture, const QString& sourcePath)
{
    QFile data(sourcePath);
    if (!QFileInfo(sourcePath).isFile() || !data.open(QIODevice::ReadOnly))
        return HeaderEditStatus::CannotOpen;
    if (data.size() > kMaxPictureDataBytes)
        return HeaderEditStatus::InvalidPictureData;
    const QByteArray run = data.readAll();
    if (!isWholeSegmentRun(run))
        return HeaderEditStatus::InvalidPictureData;
    return replaceRun(picture, run);
}

HeaderEditStatus removePictureData(const QString& picture)
{
    return replaceRun(picture, plainJfifSegment());
}

} // namespace vistello
