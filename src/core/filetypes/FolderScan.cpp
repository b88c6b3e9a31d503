#include "core/filetypes/FolderScan.h"

#include "core/filetypes/PictureFileTypes.h"

#include <QDirIterator>
#include <QFileInfo>

namespace vistello {
namespace {

// A picture path is 1 to 511 UTF-16 units everywhere in the program.
constexpr qsizetype kMaxPathUnits = 511;

// Returns false once the visitor asked to stop. Recursion depth is bounded by
// the path limit (every level adds at least two units), so even a bind-mount
// loop ends.
bool scanInto(const QString& folder, bool recursive, const ScanVisitor& visitor)
{
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        ScanEntry entry;
        if (info.isDir()) {
            if (!recursive || info.isSymLink())
                continue;
            entry.path = folder + info.fileName() + QLatin1Char('/');
            if (entry.path.size() > kMaxPathUnits)
                continue;
            entry.isFolder = true;
            entry.modified = info.lastModified();
            if (!visitor(entry) || !scanInto(entry.path, true, visitor))
                return false;
        } else if (info.isFile()) { // false for FIFOs, sockets, devices and dangling links
            entry.path = folder + info.fileName();
            if (entry.path.size() > kMaxPathUnits)
                continue;
            entry.size = info.size();
            entry.modified = info.lastModified();
            if (!visitor(entry))
                return false;
        }
    }
    return true;
}

} // namespace

void scanFolder(const QString& folder, bool recursive, const ScanVisitor& visitor)
{
    if (folder.isEmpty() || !visitor)
        return;
    scanInto(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'), recursive, visitor);
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
