#pragma once
// Completes the folder being typed in a ";"-separated folder list from the
// file system's folders; the rest of the list stays as typed.
#include <QCompleter>

namespace vistello {

class FolderListCompleter : public QCompleter {
    Q_OBJECT
public:
    explicit FolderListCompleter(QObject* parent);

    QStringList splitPath(const QString& path) const override;
    QString pathFromIndex(const QModelIndex& index) const override;
};

} // namespace vistello
