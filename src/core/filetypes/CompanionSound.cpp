#include "core/filetypes/FolderScan.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace vistello {
namespace {

// Exists means: a regular file (FIFOs would block) that can be opened for reading.
bool isOpenableFile(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

// The folder's entries that equal one of the names when case is ignored; the
// exact names were already tried, so a single pass over the folder finds the
// rest in order of preference.
QString findIgnoringCase(const QString& folder, const QString& first, const QString& second)
{
    QString secondExact;
    QString secondFolded;
    QDirIterator it(folder.isEmpty() ? QStringLiteral(".") : folder,
                    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        if (name.compare(first, Qt::CaseInsensitive) == 0) {
            if (isOpenableFile(folder + name))
                return name;
        } else if (!second.isEmpty() && name.compare(second, Qt::CaseInsensitive) == 0) {
            QString& slot = name == second ? secondExact : secondFolded;
            if (slot.isEmpty() && isOpenableFile(folder + name))
                slot = name;
        }
    }
    return secondExact.isEmpty() ? secondFolded : secondExact;
}

} // namespace

QString findCompanionSound(const QString& picturePath, bool fullPath)
{
    const qsizetype slash = picturePath.lastIndexOf(QLatin1Char('/'));
    const QString folder = picturePath.left(slash + 1);
    const QString name = picturePath.mid(slash + 1);
    if (name.isEmpty())
        return {};

    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString first = (dot < 0 ? name + QLatin1Char('.') : name.left(dot + 1)) + QStringLiteral("wav");
    // "IMG_0001.wav" -> "SND_0001.wav"; a name of four units or fewer has no rest to keep.
    const QString second = first.size() > 4 ? QStringLiteral("SND_") + first.mid(4) : QString();

    QString found;
    if (isOpenableFile(folder + first))
        found = first;
    else
        found = findIgnoringCase(folder, first, second);
    // A folder that may be entered but not listed still answers exact names.
    if (found.isEmpty() && !second.isEmpty() && isOpenableFile(folder + second))
        found = second;
    if (found.isEmpty())
        return {};
    return fullPath ? folder + found : found;
}

} // namespace vistello
