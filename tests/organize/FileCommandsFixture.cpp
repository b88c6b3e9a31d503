#include "organize/FileCommandsFixture.h"

#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/BuiltInFormats.h"
#include "jpegedit/jpegwrite/PictureWriting.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QFileInfo>

namespace vistello::test {

TrashResult FaultyFileOperations::moveToTrash(const QString& path, QString* pathInTrash)
{
    if (fails())
        return TrashResult::Failed;
    if (noTrash)
        return QFileInfo::exists(path) ? TrashResult::Unavailable : TrashResult::Failed;
    QString inTrash;
    const TrashResult result = realFileOperations().moveToTrash(path, &inTrash);
    if (result == TrashResult::Trashed)
        trashed << inTrash;
    if (pathInTrash)
        *pathInTrash = inTrash;
    return result;
}

bool FaultyFileOperations::removePermanently(const QString& path)
{
    return !fails() && realFileOperations().removePermanently(path);
}

bool FaultyFileOperations::copyToNewFile(const QString& from, const QString& to)
{
    return !fails() && realFileOperations().copyToNewFile(from, to);
}

MoveOutcome FaultyFileOperations::move(const QString& from, const QString& to)
{
    if (fails())
        return MoveOutcome::Failed;
    return crossDevice ? MoveOutcome::CrossDevice : realFileOperations().move(from, to);
}

bool FaultyFileOperations::setModificationTime(const QString& path, const QDateTime& time)
{
    return !fails() && realFileOperations().setModificationTime(path, time);
}

void RecordingView::pictureChanged(const QString& path)
{
    events << QStringLiteral("changed ") + QFileInfo(path).fileName();
}

void RecordingView::pictureRemoved(const QString& path, int index)
{
    events << QStringLiteral("removed %1 %2").arg(QFileInfo(path).fileName()).arg(index);
}

void RecordingView::pictureAdded(const QString& path, int index)
{
    events << QStringLiteral("added %1 %2").arg(QFileInfo(path).fileName()).arg(index);
}

void RecordingView::pictureReplaced(const QString& path, int index)
{
    events << QStringLiteral("replaced %1 %2").arg(QFileInfo(path).fileName()).arg(index);
}

QString RecordingPrompts::chooseSaveFile(const FileChoice& choice)
{
    proposed << choice.proposedPath;
    return ScriptedPrompts::chooseSaveFile(choice);
}

QByteArray checksum(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

FileCommandsTest::FileCommandsTest()
    : settings(root.path())
    , oldDataHome_(qgetenv("XDG_DATA_HOME"))
{
    // Trashed files land in a trash of our own, not in the user's.
    qputenv("XDG_DATA_HOME", dataHome_.path().toUtf8());
    registerBuiltInFormats(PictureFileTypes::instance(), false, nullptr);
    enablePictureWriting(PictureFileTypes::instance());
}

FileCommandsTest::~FileCommandsTest()
{
    if (oldDataHome_.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", oldDataHome_);
}

FileCommands FileCommandsTest::commands()
{
    return FileCommands({lists, settings, prompts, files, [this](const QString& f) { foldersChanged << f; },
                         [this](const QString& a, const QString& b) { commentsCopied << a + u'>' + b; },
                         [this](const QString& a, const QString& b) { commentsMoved << a + u'>' + b; }});
}

void FileCommandsTest::showFolder(const QStringList& paths, int current, const QStringList& selection)
{
    PictureList& list = lists.folderPictures();
    list.clear(false);
    list.selection().clear(false);
    for (const QString& p : paths)
        list.entries().append(p);
    list.entries().setCurrentIndex(current);
    for (const QString& p : selection)
        list.selection().append(p);
    lists.setCurrent(ListId::FolderPictures);
}

QSet<QByteArray> FileCommandsTest::survivingChecksums() const
{
    QSet<QByteArray> sums;
    QDirIterator it(root.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        sums.insert(checksum(readAll(it.next())));
    for (const QString& p : files.trashed)
        sums.insert(checksum(readAll(p)));
    return sums;
}

} // namespace vistello::test
