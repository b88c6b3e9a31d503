#include "core/filetypes/FolderScan.h"

#include "core/filetypes/PictureFileTypes.h"
#include "platform/FolderPath.h"

#include <QFile>
#include <QFileInfo>

#include <dirent.h>
#include <sys/stat.h>

namespace vistello {
namespace {

// A picture path is 1 to 511 UTF-16 units everywhere in the program.
constexpr qsizetype kMaxPathUnits = 511;

enum class EntryKind { Other, File, Folder };

// The directory entry's own type where the file system reports it; a status
// call only for links and file systems that leave the type unknown. Links to
// folders are never followed, links to regular files count as files.
EntryKind kindOf(const dirent& entry, const QByteArray& fullPath)
{
    switch (entry.d_type) {
    case DT_REG:
        return EntryKind::File;
    case DT_DIR:
        return EntryKind::Folder;
    case DT_LNK: {
        struct stat target {};
        if (::stat(fullPath.constData(), &target) == 0 && S_ISREG(target.st_mode))
            return EntryKind::File;
        return EntryKind::Other;
    }
    case DT_UNKNOWN: {
        struct stat own {};
        if (::lstat(fullPath.constData(), &own) != 0)
            return EntryKind::Other;
        if (S_ISDIR(own.st_mode))
            return EntryKind::Folder;
        if (S_ISREG(own.st_mode))
            return EntryKind::File;
        struct stat target {};
        if (S_ISLNK(own.st_mode) && ::stat(fullPath.constData(), &target) == 0 && S_ISREG(target.st_mode))
            return EntryKind::File;
        return EntryKind::Other;
    }
    default: // FIFOs, sockets, devices: never listed, never opened
        return EntryKind::Other;
    }
}

// A folder whose device differs from *device (when given) lies on another
// file system: reported, but not entered.
bool entersFolder(const QByteArray& fullPath, const dev_t* device)
{
    struct stat own {};
    return !device || (::lstat(fullPath.constData(), &own) == 0 && own.st_dev == *device);
}

// Returns false once the visitor asked to stop. Recursion depth is bounded by
// the path limit (every level adds at least two units), so even a bind-mount
// loop ends.
bool scanInto(const QString& folder, bool recursive, const dev_t* device, const ScanVisitor& visitor)
{
    const QByteArray encodedFolder = QFile::encodeName(folder);
    DIR* dir = ::opendir(encodedFolder.constData());
    if (!dir)
        return true;
    bool goOn = true;
    QByteArray fullPath;
    while (goOn) {
        const dirent* raw = ::readdir(dir);
        if (!raw)
            break;
        const char* name = raw->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        fullPath = encodedFolder;
        fullPath += name;
        const EntryKind kind = kindOf(*raw, fullPath);
        if (kind == EntryKind::Other || (kind == EntryKind::Folder && !recursive))
            continue;

        ScanEntry entry;
        entry.path = folder + QFile::decodeName(name);
        if (kind == EntryKind::Folder) {
            entry.path += QLatin1Char('/');
            entry.isFolder = true;
        }
        if (entry.path.size() > kMaxPathUnits)
            continue;
        goOn = visitor(entry)
            && (kind == EntryKind::File || !entersFolder(fullPath, device) || scanInto(entry.path, true, device, visitor));
    }
    ::closedir(dir);
    return goOn;
}

} // namespace

qint64 ScanEntry::size() const
{
    return isFolder ? 0 : QFileInfo(path).size();
}

QDateTime ScanEntry::modified() const
{
    return QFileInfo(path).lastModified();
}

void scanFolder(const QString& folder, bool recursive, const ScanVisitor& visitor, bool oneFileSystem)
{
    if (folder.isEmpty() || !visitor)
        return;
    struct stat root {};
    if (oneFileSystem && ::stat(QFile::encodeName(folder).constData(), &root) != 0)
        return;
    scanInto(withTrailingSlash(folder), recursive, oneFileSystem ? &root.st_dev : nullptr, visitor);
}

QStringList scanPictures(const QString& folder, bool recursive)
{
    const PictureFileTypes& types = PictureFileTypes::instance();
    QStringList pictures;
    scanFolder(folder, recursive, [&](const ScanEntry& entry) {
        if (!entry.isFolder && types.isPictureFile(entry.path))
            pictures.append(entry.path);
        return true;
    });
    return pictures;
}

} // namespace vistello
