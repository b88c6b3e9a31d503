// The address field's suggestions, from an injected folder listing, and
// what it hands to the desktop when no folder has the typed path.
#include "core/filetypes/PictureFileTypes.h"
#include "organize/folders/AddressTarget.h"
#include "organize/folders/FolderCompletion.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>

#include <QHash>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace vistello {
namespace {

TEST(FolderCompletion, ListsEachFolderPartOnceAndMatchesPrefixesIgnoringCase)
{
    const QHash<QString, QStringList> disk{{"/", {"home", "Media", "mnt"}}, {"/home/", {"anna", "Bob", "ann"}}};
    QStringList listed;
    FolderCompletion completion(
        [&](const QString& folder) {
            listed << folder;
            return disk.value(folder);
        },
        [] { return QStringList({"/", "/home/anna/"}); });

    EXPECT_EQ(completion.suggestions(QString()), QStringList({"/", "/home/anna/"}));
    EXPECT_EQ(completion.suggestions(QStringLiteral("/m")), QStringList({"/Media", "/mnt"}));
    EXPECT_EQ(completion.suggestions(QStringLiteral("/me")), QStringList({"/Media"}));
    EXPECT_EQ(completion.suggestions(QStringLiteral("/home/AN")), QStringList({"/home/anna", "/home/ann"}));
    EXPECT_EQ(completion.suggestions(QStringLiteral("/home/x")), QStringList());
    EXPECT_EQ(listed, QStringList({"/", "/home/"}));
    // The folder part is compared exactly: "/HOME/" is listed on its own.
    EXPECT_EQ(completion.suggestions(QStringLiteral("/HOME/a")), QStringList());
    EXPECT_EQ(listed.last(), QStringLiteral("/HOME/"));
    EXPECT_EQ(FolderCompletion::chosenText(QStringLiteral("/home/anna")), QStringLiteral("/home/anna/"));
}

// The typed text went to the desktop's open action as it was: a program ran.
TEST(AddressTarget, OpensWebAddressesAndPlainFilesOnly)
{
    test::TempDir dir;
    const QString document = dir.write(QStringLiteral("notes.txt"), "x");
    const QString program = dir.write(QStringLiteral("run.sh"), "#!/bin/sh\n");
    ASSERT_TRUE(QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const struct {
        QString typed;
        std::optional<QUrl> opened;
    } cases[] = {
        {QStringLiteral("https://example.org/a"), QUrl(QStringLiteral("https://example.org/a"))},
        {QStringLiteral("HTTP://example.org"), QUrl(QStringLiteral("http://example.org"))},
        {document, QUrl::fromLocalFile(document)},
        {program, std::nullopt},
        {dir.path(), std::nullopt},
        {QStringLiteral("/bin/sh"), std::nullopt},
        {QStringLiteral("notes.txt"), std::nullopt},
        {QStringLiteral("file://") + document, std::nullopt},
        {QStringLiteral("javascript:alert(1)"), std::nullopt},
        {QStringLiteral("https://"), std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(addressToOpen(c.typed), c.opened) << c.typed.toStdString();
}

// Enter in the address field: folders and pictures stay in the program, and
// the message tells a missing path from one that is not opened.
TEST(AddressTarget, FoldersAndPicturesStayInTheProgram)
{
    test::TempDir dir;
    PictureFileTypes types;
    types.registerBuiltIns(false, nullptr);
    const QString picture = dir.write(QStringLiteral("sub/IMG 1.JPG"), "x");
    const QString document = dir.write(QStringLiteral("notes.txt"), "x");
    const QString program = dir.write(QStringLiteral("run.sh"), "#!/bin/sh\n");
    ASSERT_TRUE(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));
    const QString fifo = dir.file(QStringLiteral("pipe.txt"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    using Kind = AddressAction::Kind;
    const struct {
        QString typed;
        Kind kind;
        QString path;
        const char* messageHas;
    } cases[] = {
        {dir.path() + QStringLiteral("sub"), Kind::Folder, dir.path() + QStringLiteral("sub/"), ""},
        {QStringLiteral("  ") + dir.path() + QStringLiteral("sub/../sub//  "), Kind::Folder, dir.path() + QStringLiteral("sub/"), ""},
        {picture, Kind::Picture, picture, ""},
        {document, Kind::OpenOutside, {}, ""},
        {QStringLiteral("https://example.org/"), Kind::OpenOutside, {}, ""},
        {program, Kind::Refused, {}, "is a program or a special file"},
        {fifo, Kind::Refused, {}, "is a program or a special file"},
        {dir.path() + QStringLiteral("SUB"), Kind::Refused, {}, "was not found"},
        {QStringLiteral("sub"), Kind::Refused, {}, "was not found"},
    };
    for (const auto& c : cases) {
        const AddressAction action = resolveAddress(c.typed, types);
        EXPECT_EQ(action.kind, c.kind) << c.typed.toStdString();
        EXPECT_EQ(action.path, c.path) << c.typed.toStdString();
        EXPECT_TRUE(action.message.contains(QLatin1String(c.messageHas))) << action.message.toStdString();
    }
}

} // namespace
} // namespace vistello
