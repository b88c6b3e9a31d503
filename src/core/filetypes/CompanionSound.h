#pragma once
// The sound memo a camera records beside a picture: IMG_0001.wav, else
// SND_0001.wav beside IMG_0001.JPG. Names match case-insensitively (cameras
// write .WAV), the exact name first; the result carries the name as it is on
// disk.
#include <QHash>
#include <QString>
#include <QStringList>

namespace vistello {

// One folder's entry names grouped by their case-folded form, listed once.
class FolderNameIndex {
public:
    explicit FolderNameIndex(const QString& folder);
    // Entries equal to name when case is ignored, in listing order.
    QStringList matches(const QString& name) const { return byFolded_.value(name.toCaseFolded()); }

private:
    QHash<QString, QStringList> byFolded_;
};

// Answers companion-sound lookups for many pictures while listing each folder
// only once: a whole folder of thumbnails costs one listing, not one per
// picture. Build a new one for every fill of a list (files may have come and
// gone since). Not thread-safe: one thread at a time.
class CompanionSoundIndex {
public:
    // The folder's names, listed on the first question about it.
    const FolderNameIndex& names(const QString& folder);

private:
    QHash<QString, FolderNameIndex> folders_;
};

// Empty when neither exists. With an index, the folder is not listed again.
QString findCompanionSound(const QString& picturePath, bool fullPath, CompanionSoundIndex* index = nullptr);

} // namespace vistello
