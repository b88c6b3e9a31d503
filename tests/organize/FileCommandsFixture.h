#pragma once
// Shared set-up of the file-command tests: a scratch tree with its own
// trash, file operations that fail at a chosen step, a view that records
// what it is told, and the checksums that must survive any failure.
#include "core/lists/PictureLists.h"
#include "core/prompts/Prompts.h"
#include "core/settings/SettingsStore.h"
#include "organize/filecommands/FileCommands.h"
#include "organize/filecommands/ViewListener.h"
#include "platform/FileOperations.h"
#include "support/TempDir.h"

#include <QSet>
#include <gtest/gtest.h>

namespace vistello::test {

// The real operations, except that step number failAt (1-based, counting
// every operation) fails; optionally without a trash or across file systems.
class FaultyFileOperations : public FileOperations {
public:
    int failAt = 0;
    bool noTrash = false;
    bool crossDevice = false;
    int steps = 0;
    QStringList trashed; // where trashed files went

    TrashResult moveToTrash(const QString& path, QString* pathInTrash) override;
    bool removePermanently(const QString& path) override;
    bool copyToNewFile(const QString& from, const QString& to) override;
    MoveOutcome move(const QString& from, const QString& to) override;
    bool setModificationTime(const QString& path, const QDateTime& time) override;

private:
    bool fails() { return ++steps == failAt; }
};

class RecordingView : public ViewListener {
public:
    QStringList events;
    void pictureChanged(const QString& path) override;
    void pictureRemoved(const QString& path, int index) override;
    void deleteBegins() override { events << QStringLiteral("deleteBegins"); }
    void pictureAdded(const QString& path, int index) override;
    void pictureReplaced(const QString& path, int index) override;
    void moveBegins() override { events << QStringLiteral("moveBegins"); }
    void moveEnds() override { events << QStringLiteral("moveEnds"); }
};

// Records the path each save dialog proposes.
class RecordingPrompts : public ScriptedPrompts {
public:
    QStringList proposed;
    QString chooseSaveFile(const FileChoice& choice) override;
};

QByteArray checksum(const QByteArray& bytes);

class FileCommandsTest : public ::testing::Test {
protected:
    FileCommandsTest();
    ~FileCommandsTest() override;

    FileCommands commands();
    // A folder list of these pictures (names in the scratch tree), current at index.
    void showFolder(const QStringList& paths, int current, const QStringList& selection);
    // Checksums of every file under the scratch tree and in the trash.
    QSet<QByteArray> survivingChecksums() const;

    TempDir root;
    PictureLists lists;
    SettingsStore settings;
    RecordingPrompts prompts;
    FaultyFileOperations files;
    RecordingView view;
    QStringList foldersChanged;
    QStringList commentsCopied;
    QStringList commentsMoved;

private:
    TempDir dataHome_;
    QByteArray oldDataHome_;
};

} // namespace vistello::test
