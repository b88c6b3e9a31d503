#include "ui/search/FolderListCompleter.h"

#include "app/window/search/SearchPageRules.h"

#include <QFileSystemModel>
#include <QLineEdit>

namespace vistello {

FolderListCompleter::FolderListCompleter(QObject* parent) : QCompleter(parent)
{
    auto* folders = new QFileSystemModel(this);
    folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    folders->setRootPath(QString());
    setModel(folders);
}

QStringList FolderListCompleter::splitPath(const QString& path) const
{
    return QCompleter::splitPath(folderBeingTyped(path));
}

QString FolderListCompleter::pathFromIndex(const QModelIndex& index) const
{
    const QString folder = QCompleter::pathFromIndex(index);
    const auto* edit = qobject_cast<const QLineEdit*>(widget());
    return edit ? withFolderCompleted(edit->text(), folder) : folder;
}

} // namespace vistello
