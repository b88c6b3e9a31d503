#include "organize/comments/CommentStore.h"

#include "core/lists/ListFileComments.h"
#include "organize/regex/SearchPattern.h"
#include "resources/OrganizeStrings.h"

#include <QFileInfo>
#include <QSet>

namespace vistello {

namespace {

// Only absolute paths have a folder to record.
QString folderOf(const QString& path)
{
    if (!path.startsWith(QLatin1Char('/')))
        return {};
    return path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString oneLine(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text.trimmed();
}

// "/photos/2004/" and "2004/" share their last folder name.
bool endsWithFolder(const QString& folder, const QString& keyFolder)
{
    return folder.endsWith(keyFolder)
           && (folder.size() == keyFolder.size() || folder[folder.size() - keyFolder.size() - 1] == QLatin1Char('/'));
}

} // namespace

CommentStore& CommentStore::instance()
{
    static CommentStore store(ListFileComments::instance());
    return store;
}

CommentStore::CommentStore(ListFileComments& listFileComments) : listFileComments_(listFileComments) {}

void CommentStore::load(const QString& listPath)
{
    CommentListContents read = readCommentListFile(listPath);
    std::lock_guard lock(mutex_);
    listPath_ = listPath;
    contents_ = std::move(read);
}

QString CommentStore::listPath() const
{
    std::lock_guard lock(mutex_);
    return listPath_;
}

bool CommentStore::save() const
{
    const CommentListContents snapshot = contents();
    if (snapshot.comments.empty())
        return true;
    return writeCommentListFile(listPath(), snapshot);
}

QString CommentStore::saveFailedMessage() const
{
    return strings::formatInserts(strings::text(strings::kCommentListNotSaved), {listPath()});
}

QString CommentStore::get(const QString& path)
{
    const QString key = pictureCommentKey(path);
    if (key.isEmpty())
        return {};
    {
        std::lock_guard lock(mutex_);
        const auto it = contents_.comments.find(key);
        if (it != contents_.comments.end()) {
            recordFolderLocked(path);
            return it->second;
        }
    }
    return listFileComments_.get(path);
}

void CommentStore::set(const QString& path, const QString& text)
{
    const QString key = pictureCommentKey(path);
    if (key.isEmpty())
        return;
    std::lock_guard lock(mutex_);
    setLocked(key, path, oneLine(text));
}

void CommentStore::append(const QString& path, const QString& text)
{
    const QString key = pictureCommentKey(path);
    if (key.isEmpty() || text.isEmpty())
        return;
    std::lock_guard lock(mutex_);
    const auto it = contents_.comments.find(key);
    const QString before = it == contents_.comments.end() ? QString() : it->second + QLatin1Char(' ');
    setLocked(key, path, oneLine(before + text));
}

void CommentStore::move(const QString& oldPath, const QString& newPath)
{
    transfer(oldPath, newPath, false);
}

void CommentStore::copy(const QString& oldPath, const QString& newPath)
{
    transfer(oldPath, newPath, true);
}

void CommentStore::remove(const QString& path)
{
    set(path, QString());
}

void CommentStore::transfer(const QString& oldPath, const QString& newPath, bool keepOld)
{
    const QString oldKey = pictureCommentKey(oldPath);
    const QString newKey = pictureCommentKey(newPath);
    if (oldKey.isEmpty() || newKey.isEmpty())
        return;
    std::lock_guard lock(mutex_);
    const auto it = contents_.comments.find(oldKey);
    if (it == contents_.comments.end())
        return;
    // a/2004/x.jpg moved to b/2004/x.jpg keeps its key: only the new folder
    // is new.
    if (oldKey != newKey) {
        contents_.comments[newKey] = it->second;
        if (!keepOld)
            contents_.comments.erase(oldKey);
    }
    recordFolderLocked(newPath);
}

void CommentStore::setLocked(const QString& key, const QString& path, const QString& text)
{
    if (text.isEmpty()) {
        contents_.comments.erase(key);
        return;
    }
    contents_.comments[key] = text;
    recordFolderLocked(path);
}

void CommentStore::recordFolderLocked(const QString& path)
{
    const QString folder = folderOf(path);
    if (!folder.isEmpty())
        contents_.folders.insert(folder);
}

CommentListContents CommentStore::contents() const
{
    std::lock_guard lock(mutex_);
    return contents_;
}

void CommentStore::findByComment(const SearchPattern& pattern, QStringList& results,
                                 const std::atomic<bool>* stop) const
{
    const CommentListContents snapshot = contents();
    if (snapshot.comments.empty())
        return;
    QList<std::pair<QString, QString>> candidates = listFileComments_.entries();
    for (const auto& entry : snapshot.comments)
        candidates.append(entry);

    QSet<QString> known(results.cbegin(), results.cend());
    for (const auto& [key, comment] : candidates) {
        if (stop && stop->load())
            return;
        const qsizetype slash = key.indexOf(QLatin1Char('/'));
        if (slash < 0 || !pattern.matches(comment))
            continue;
        const QString keyFolder = key.left(slash + 1);
        const QString name = key.mid(slash + 1);
        for (const QString& folder : snapshot.folders) {
            if (!endsWithFolder(folder, keyFolder))
                continue;
            const QString path = folder + name;
            if (!known.contains(path) && QFileInfo(path).isFile()) {
                known.insert(path);
                results.append(path);
            }
        }
    }
}

} // namespace vistello
