#include "publish/common/PublishedFiles.h"

#include "imaging/scale/BufferLimits.h"
#include "jpegedit/jpegwrite/WriteJpeg.h"
#include "platform/FileReplace.h"

#include <QFile>

namespace vistello {

bool writeNewJpeg(const QString& path, const PixelBuffer& pixels, int luminanceQuality, int chrominanceQuality)
{
    PictureWriteRequest request;
    request.path = path;
    request.pixels = &pixels;
    request.luminanceQuality = luminanceQuality;
    request.chrominanceQuality = chrominanceQuality;
    request.fullChroma = true;
    request.newFile = true;
    request.replaceExisting = true; // the job's own output of an earlier run
    return writeJpeg(request, QString());
}

bool copyFileReplacing(const QString& source, const QString& target)
{
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxBufferBytes)
        return false;
    const QByteArray bytes = file.readAll();
    if (bytes.size() != file.size())
        return false;
    return writeProductFile(target, bytes);
}

} // namespace vistello
