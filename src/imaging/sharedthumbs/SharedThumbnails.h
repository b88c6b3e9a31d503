#pragma once
// The desktop's shared thumbnail cache ($XDG_CACHE_HOME/thumbnails): PNGs
// in "normal" (128 px) and "large" (256 px) named by the MD5 of the file
// URI, stamped with the picture's URI, mtime and size. File managers fill
// it and read what we write; we read what they made.
//
// Safe to use from several threads at once: every call stands alone.
#include "imaging/sharedthumbs/ThumbnailStamp.h"

#include <QHash>
#include <QImage>
#include <QSize>
#include <QString>

#include <mutex>

class QFileInfo;

namespace vistello {

enum class SharedSize { Normal = 128, Large = 256 };

// The smallest shared size that holds a tile of box without enlarging.
SharedSize sharedSizeFor(QSize box);

class SharedThumbnails {
public:
    static constexpr const char* kFailFolder = "fail/vistello-le";

    // root: the "thumbnails" folder; write: whether we add thumbnails.
    explicit SharedThumbnails(QString root = defaultRoot(), bool write = true);

    // $XDG_CACHE_HOME/thumbnails, or ~/.cache/thumbnails when it is unset,
    // blank or not absolute.
    static QString defaultRoot();
    const QString& root() const { return root_; }
    bool writing() const { return write_; }

    // Where picture's thumbnail of size lives (whether there or not).
    QString thumbnailPath(const QString& picture, SharedSize size) const;
    QString failurePath(const QString& picture) const;

    // A fresh thumbnail of the picture, or a null image when there is none,
    // it is stale or it does not read.
    QImage find(const QFileInfo& picture, SharedSize size) const;
    // A failure to read this very file (same mtime) was recorded.
    bool failedBefore(const QFileInfo& picture) const;

    // Writing is on, the picture lies outside the cache and on a fixed
    // local disk (what lies on removable or network media may be gone or
    // another file next time).
    bool mayWrite(const QFileInfo& picture) const;
    // Replaces the thumbnail in one step (mode 0600, folders 0700).
    // thumbnail: fitted into size.
    bool store(const QFileInfo& picture, const QImage& thumbnail, SharedSize size) const;
    bool recordFailure(const QFileInfo& picture) const;
    // Our own rewrites keep the file's date: the picture's thumbnails would
    // pass for fresh, so they are removed (with the failure record), also
    // when we do not write thumbnails ourselves.
    void forget(const QString& picture) const;

private:
    static PictureStamp stampOf(const QFileInfo& picture);
    bool onFixedDisk(const QString& folder) const;
    bool writeStamped(const QString& target, const QImage& image, const PictureStamp& stamp) const;

    QString root_;
    bool write_;
    mutable std::mutex drivesMutex_;
    mutable QHash<QString, bool> fixedFolders_; // folder -> on a fixed disk
};

} // namespace vistello
