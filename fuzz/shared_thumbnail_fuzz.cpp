// Feeds arbitrary bytes as a picture's thumbnail in the desktop's shared
// cache: reading it (PNG and its stamp chunks) must never crash, and a
// thumbnail whose stamp does not name the picture is never taken.
#include "imaging/sharedthumbs/SharedThumbnails.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace vistello;
    static QTemporaryDir folder;
    static const QString picture = [] {
        const QString path = folder.path() + QStringLiteral("/picture.jpg");
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write("not a picture") < 0)
            std::abort();
        return path;
    }();
    static const SharedThumbnails cache(folder.path() + QStringLiteral("/thumbnails"), false);
    const QString thumbnail = cache.thumbnailPath(picture, SharedSize::Normal);
    QDir().mkpath(QFileInfo(thumbnail).path());
    QFile file(thumbnail);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();

    const QImage found = cache.find(QFileInfo(picture), SharedSize::Normal);
    // The bytes cannot know the picture's modification time to the second
    // unless they carry it; when taken, the image must be a real one.
    if (!found.isNull() && (found.width() <= 0 || found.height() <= 0))
        std::abort();
    (void)cache.failedBefore(QFileInfo(picture));
    return 0;
}
