// The address field's suggestions, from an injected folder listing.
#include "organize/folders/FolderCompletion.h"

#include <QHash>
#include <gtest/gtest.h>

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

} // namespace
} // namespace vistello
