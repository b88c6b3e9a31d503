#include "organize/comments/CommentStore.h"

namespace vistello {

CommentStore& CommentStore::instance()
{
    static CommentStore store;
    return store;
}

QString CommentStore::keyOf(QStringView path)
{
    if (path.size() < 5 || path.size() > 511)
        return {};
    // Skip the root: the key must not change when the folder tree above moves.
    const QStringView rest = path.startsWith(u'/') ? path.mid(1) : path;
    const qsizetype last = rest.lastIndexOf(u'/');
    if (last <= 0)
        return rest.toString();
    const qsizetype secondLast = rest.left(last).lastIndexOf(u'/');
    return rest.mid(secondLast + 1).toString();
}

QString CommentStore::get(const QString& path) const
{
    return listFileComment(path);
}

void CommentStore::setListFileComment(const QString& path, const QString& text)
{
    const QString key = keyOf(path);
    if (key.isEmpty())
        return;
    std::lock_guard lock(mutex_);
    if (text.isEmpty())
        listFileComments_.remove(key);
    else
        listFileComments_.insert(key, text);
}

QString CommentStore::listFileComment(const QString& path) const
{
    const QString key = keyOf(path);
    if (key.isEmpty())
        return {};
    std::lock_guard lock(mutex_);
    return listFileComments_.value(key);
}

void CommentStore::clearListFileComments()
{
    std::lock_guard lock(mutex_);
    listFileComments_.clear();
}

int CommentStore::listFileCommentCount() const
{
    std::lock_guard lock(mutex_);
    return int(listFileComments_.size());
}

} // namespace vistello
