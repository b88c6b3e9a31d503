#include "jpegedit/originals/FileSteps.h"

#include "jpegmeta/rewrite/PictureReplace.h"

#include "platform/FileReplace.h"

#include <QFile>

namespace vistello {

namespace {

bool copyInto(const QString& from, QIODevice& to)
{
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QByteArray chunk;
    constexpr qint64 kChunk = 1 << 20;
    while (!in.atEnd()) {
        chunk = in.read(kChunk);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError)
            return false;
        if (to.write(chunk) != chunk.size())
            return false;
    }
    return in.error() == QFileDevice::NoError;
}

} // namespace

const FileSteps& realFileSteps()
{
    static const FileSteps steps{
        [](const QString& picture, const std::function<bool(QIODevice&)>& write) {
            return replaceFileKeepingPictureDate(picture, write);
        },
        [](const QString& target, const std::function<bool(QIODevice&)>& write) {
            return createNewFile(target, write);
        },
        copyInto,
    };
    return steps;
}

} // namespace vistello
