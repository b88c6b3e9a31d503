#include "core/lists/ListFileComments.h"

namespace vistello {

QString pictureCommentKey(QStringView path)
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

ListFileComments& ListFileComments::instance()
{
    static ListFileComments comments;
    return comments;
}

void ListFileComments::set(const QString& path, const QString& text)
{
    const QString key = pictureCommentKey(path);
    if (key.isEmpty())
        return;
    std::lock_guard lock(mutex_);
    if (text.isEmpty())
        comments_.remove(key);
    else
        comments_.insert(key, text);
}

QString ListFileComments::get(const QString& path) const
{
    const QString key = pictureCommentKey(path);
    if (key.isEmpty())
        return {};
    std::lock_guard lock(mutex_);
    return comments_.value(key);
}

void ListFileComments::clear()
{
    std::lock_guard lock(mutex_);
    comments_.clear();
}

int ListFileComments::count() const
{
    std::lock_guard lock(mutex_);
    return int(comments_.size());
}

QList<std::pair<QString, QString>> ListFileComments::entries() const
{
    std::lock_guard lock(mutex_);
    QList<std::pair<QString, QString>> pairs;
    pairs.reserve(comments_.size());
    for (auto it = comments_.cbegin(); it != comments_.cend(); ++it)
        pairs.append({it.key(), it.value()});
    return pairs;
}

} // namespace vistello
