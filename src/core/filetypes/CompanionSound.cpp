#include "core/filetypes/CompanionSound.h"

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

// The exact names were already tried; among the entries that equal a name
// when case is ignored, the first name wins, then the second one spelled
// exactly, then the second in any case.
QString findIgnoringCase(const QString& folder, const FolderNameIndex& names, const QString& first,
                         const QString& second)
{
    for (const QString& name : names.matches(first)) {
        if (isOpenableFile(folder + name))
            return name;
    }
    if (second.isEmpty())
        return {};
    QString folded;
    for (const QString& name : names.matches(second)) {
        if (!isOpenableFile(folder + name))
            continue;
        if (name == second)
            return name;
        if (folded.isEmpty())
            folded = name;
    }
    return folded;
}

} // namespace

FolderNameIndex::FolderNameIndex(const QString& folder)
{
    QDirIterator it(folder.isEmpty() ? QStringLiteral(".") : folder,
                    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        byFolded_[name.toCaseFolded()].append(name);
    }
}

const FolderNameIndex& CompanionSoundIndex::names(const QString& folder)
{
    auto it = folders_.find(folder);
    if (it == folders_.end())
        it = folders_.insert(folder, FolderNameIndex(folder));
    return *it;
}

QString findCompanionSound(const QString& picturePath, bool fullPath, CompanionSoundIndex* index)
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
    if (isOpenableFile(folder + first)) {
        found = first;
    } else if (index) {
        found = findIgnoringCase(folder, index->names(folder), first, second);
    } else {
        found = findIgnoringCase(folder, FolderNameIndex(folder), first, second);
    }
    // A folder that may be entered but not listed still answers exact names.
    if (found.isEmpty() && !second.isEmpty() && isOpenableFile(folder + second))
        found = second;
    if (found.isEmpty())
        return {};
    return fullPath ? folder + found : found;
}

} // namespace vistello
