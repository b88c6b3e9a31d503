#include "organize/folders/FolderOperations.h"

#include "organize/folders/UniqueName.h"
#include "platform/FolderPath.h"
#include "platform/NoReplaceMove.h"

#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace vistello {
namespace {

constexpr qsizetype kMaxNameBytes = 255;

// "/a/b/" and "/a/b" both give "/a/" and "b".
std::pair<QString, QString> splitFolder(const QString& folder)
{
    QString path = folder;
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    const qsizetype slash = path.lastIndexOf(u'/');
    return {path.left(slash + 1), path.mid(slash + 1)};
}

} // namespace

bool isValidFolderLabel(const QString& label)
{
    return !label.isEmpty() && label != QLatin1String(".") && label != QLatin1String("..") && !label.contains(u'/')
        && !label.contains(QChar(0)) && QFile::encodeName(label).size() <= kMaxNameBytes;
}

QString createNewFolder(const QString& parent, const QString& baseName)
{
    const QString folder = withTrailingSlash(parent);
    const QString name = uniqueLabel(baseName, [&](const QString& label) { return entryExists(folder + label); });
    const QString path = folder + name;
    if (::mkdir(QFile::encodeName(path).constData(), 0777) != 0)
        return {};
    return path + QLatin1Char('/');
}

bool removeEmptyFolder(const QString& folder)
{
    return !folder.isEmpty() && ::rmdir(QFile::encodeName(folder).constData()) == 0;
}

FolderRename renameFolder(const QString& folder, const QString& newLabel)
{
    FolderRename rename;
    const auto [parent, name] = splitFolder(folder);
    if (!isValidFolderLabel(newLabel) || name.isEmpty()) {
        rename.result = FolderRenameResult::InvalidLabel;
        return rename;
    }
    if (newLabel == name) {
        rename.result = FolderRenameResult::Unchanged;
        return rename;
    }
    switch (moveWithoutReplacing(parent + name, parent + newLabel)) {
    case MoveResult::Moved:
        rename.result = FolderRenameResult::Renamed;
        rename.newPath = parent + newLabel + QLatin1Char('/');
        break;
    case MoveResult::TargetExists:
        rename.result = FolderRenameResult::TargetExists;
        break;
    case MoveResult::Failed:
        rename.result = FolderRenameResult::Failed;
        break;
    }
    return rename;
}

} // namespace vistello
