#include "imaging/sharedthumbs/SharedThumbnails.h"

#include "imaging/sharedthumbs/PngText.h"
#include "imaging/sharedthumbs/ThumbnailUri.h"
#include "platform/DriveKind.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryFile>

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace vistello {

namespace {

// A 256 x 256 RGBA PNG with text stays far below this; anything larger is
// not a thumbnail.
constexpr qint64 kMostBytes = 4 << 20;
constexpr int kLargestSide = 1024; // the standard's largest size

const char* folderOf(SharedSize size)
{
    return size == SharedSize::Large ? "large" : "normal";
}

// Each missing folder from root down, private to the user.
bool makePrivateFolders(const QString& root, const QString& relative)
{
    // The cache home itself, when missing, is private too.
    const QByteArray home = QFile::encodeName(QFileInfo(root).absolutePath());
    if (::mkdir(home.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    QString path = root;
    const QStringList parts = QStringList{QString()} + relative.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        if (!part.isEmpty())
            path += QLatin1Char('/') + part;
        const QByteArray native = QFile::encodeName(path);
        if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    return true;
}

} // namespace

SharedSize sharedSizeFor(QSize box)
{
    return std::max(box.width(), box.height()) <= int(SharedSize::Normal) ? SharedSize::Normal : SharedSize::Large;
}

SharedThumbnails::SharedThumbnails(QString root, bool write) : root_(std::move(root)), write_(write)
{
    while (root_.size() > 1 && root_.endsWith(QLatin1Char('/')))
        root_.chop(1);
}

QString SharedThumbnails::defaultRoot()
{
    const QString cache = qEnvironmentVariable("XDG_CACHE_HOME").trimmed();
    const QString base = QDir::isAbsolutePath(cache) ? cache : QDir::homePath() + QStringLiteral("/.cache");
    return QDir::cleanPath(base) + QStringLiteral("/thumbnails");
}

QString SharedThumbnails::thumbnailPath(const QString& picture, SharedSize size) const
{
    return root_ + QLatin1Char('/') + QLatin1String(folderOf(size)) + QLatin1Char('/')
         + sharedThumbnailName(fileUri(picture));
}

QString SharedThumbnails::failurePath(const QString& picture) const
{
    return root_ + QLatin1Char('/') + QLatin1String(kFailFolder) + QLatin1Char('/')
         + sharedThumbnailName(fileUri(picture));
}

PictureStamp SharedThumbnails::stampOf(const QFileInfo& picture)
{
    return {fileUri(picture.absoluteFilePath()), picture.lastModified().toSecsSinceEpoch(), picture.size()};
}

namespace {

// Reads the thumbnail and checks its stamp; bounded in bytes and size.
QImage readStamped(const QString& path, const PictureStamp& expected)
{
    const QFileInfo file(path);
    if (!file.isFile() || file.size() > kMostBytes)
        return {};
    QImageReader reader(path, "png");
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kLargestSide || size.height() > kLargestSide)
        return {};
    // The text chunks come with the pixels; a thumbnail is small.
    const QImage image = reader.read();
    const ThumbnailStamp stamp{image.text(QStringLiteral("Thumb::URI")), image.text(QStringLiteral("Thumb::MTime")),
                               image.text(QStringLiteral("Thumb::Size"))};
    return !image.isNull() && stampMatches(stamp, expected) ? image : QImage();
}

} // namespace

QImage SharedThumbnails::find(const QFileInfo& picture, SharedSize size) const
{
    return readStamped(thumbnailPath(picture.absoluteFilePath(), size), stampOf(picture));
}

bool SharedThumbnails::failedBefore(const QFileInfo& picture) const
{
    return !readStamped(failurePath(picture.absoluteFilePath()), stampOf(picture)).isNull();
}

bool SharedThumbnails::onFixedDisk(const QString& folder) const
{
    {
        std::lock_guard lock(drivesMutex_);
        const auto known = fixedFolders_.constFind(folder);
        if (known != fixedFolders_.constEnd())
            return *known;
    }
    const DriveKind kind = driveKindOf(folder);
    const bool fixed = kind == DriveKind::Fixed || kind == DriveKind::Unknown;
    std::lock_guard lock(drivesMutex_);
    fixedFolders_.insert(folder, fixed);
    return fixed;
}

bool SharedThumbnails::mayWrite(const QFileInfo& picture) const
{
    if (!write_)
        return false;
    // Thumbnails of thumbnails are never made.
    const QString path = picture.absoluteFilePath();
    if (path == root_ || path.startsWith(root_ + QLatin1Char('/')))
        return false;
    const QString canonical = picture.canonicalFilePath();
    const QString canonicalRoot = QFileInfo(root_).canonicalFilePath();
    if (!canonicalRoot.isEmpty() && canonical.startsWith(canonicalRoot + QLatin1Char('/')))
        return false;
    return onFixedDisk(picture.absolutePath());
}

bool SharedThumbnails::writeStamped(const QString& target, const QImage& image, const PictureStamp& stamp) const
{
    QByteArray pixels;
    QBuffer buffer(&pixels);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(80); // fast deflate: thumbnails are small anyway
    if (!writer.write(image))
        return false;
    const QByteArray png = withTextChunks(pixels, {{"Thumb::URI", stamp.uri},
                                                   {"Thumb::MTime", QByteArray::number(stamp.mtimeSeconds)},
                                                   {"Thumb::Size", QByteArray::number(stamp.size)},
                                                   {"Software", "Vistello LE"}});
    // A reader sees the old thumbnail or the whole new one, never a part.
    QTemporaryFile temporary(QFileInfo(target).absolutePath() + QStringLiteral("/.vistello-XXXXXX.png"));
    if (png.isEmpty() || !temporary.open())
        return false;
    temporary.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (temporary.write(png) != png.size() || !temporary.flush())
        return false;
    const QByteArray from = QFile::encodeName(temporary.fileName());
    const QByteArray to = QFile::encodeName(target);
    if (std::rename(from.constData(), to.constData()) != 0)
        return false;
    temporary.setAutoRemove(false);
    return true;
}

bool SharedThumbnails::store(const QFileInfo& picture, const QImage& thumbnail, SharedSize size) const
{
    if (thumbnail.isNull() || !mayWrite(picture) || !makePrivateFolders(root_, QLatin1String(folderOf(size))))
        return false;
    return writeStamped(thumbnailPath(picture.absoluteFilePath(), size), thumbnail, stampOf(picture));
}

void SharedThumbnails::forget(const QString& picture) const
{
    const QString path = QFileInfo(picture).absoluteFilePath();
    QFile::remove(thumbnailPath(path, SharedSize::Normal));
    QFile::remove(thumbnailPath(path, SharedSize::Large));
    QFile::remove(failurePath(path));
}

bool SharedThumbnails::recordFailure(const QFileInfo& picture) const
{
    if (!mayWrite(picture) || !makePrivateFolders(root_, QLatin1String(kFailFolder)))
        return false;
    QImage mark(1, 1, QImage::Format_ARGB32);
    mark.fill(Qt::transparent);
    return writeStamped(failurePath(picture.absoluteFilePath()), mark, stampOf(picture));
}

} // namespace vistello
