#include "ui/common/FileDrag.h"

#include <QDrag>
#include <QList>
#include <QMimeData>
#include <QPixmap>
#include <QUrl>
#include <QWidget>

namespace vistello {

Qt::DropAction startFileDrag(QWidget* source, const QStringList& paths, const QPixmap& feedback)
{
    if (paths.isEmpty())
        return Qt::IgnoreAction;
    QList<QUrl> urls;
    urls.reserve(paths.size());
    for (const QString& path : paths)
        urls.append(QUrl::fromLocalFile(path));
    auto* data = new QMimeData;
    data->setUrls(urls);
    auto* drag = new QDrag(source);
    drag->setMimeData(data);
    if (!feedback.isNull())
        drag->setPixmap(feedback);
    return drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
}

QStringList draggedFilePaths(const QMimeData* data)
{
    QStringList paths;
    if (data)
        for (const QUrl& url : data->urls())
            if (url.isLocalFile())
                paths.append(url.toLocalFile());
    return paths;
}

} // namespace vistello
