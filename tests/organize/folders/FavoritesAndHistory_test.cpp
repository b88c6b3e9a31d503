// The favorites and the address history as stored in the settings: pairs
// and entries never shift, names stay unique, comparisons are exact.
#include "core/settings/SettingsStore.h"
#include "organize/folders/AddressHistory.h"
#include "organize/folders/Favorites.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace vistello {
namespace {

QStringList namesOf(const FavoritesList& f)
{
    QStringList names;
    for (const Favorite& item : f.items())
        names << item.name + QLatin1Char('=') + item.path;
    return names;
}

TEST(Favorites, LoadsPairsAndDropsIncompleteOnes)
{
    const struct {
        const char* stored;
        QStringList expected;
    } cases[] = {
        {"Pics|/p|", {"Pics=/p"}},
        {"Pics|/p", {"Pics=/p"}},
        {"A|/a||/b|C||D|/d|E", {"A=/a", "D=/d"}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(namesOf(FavoritesList::fromStoredText(QString::fromUtf8(c.stored))), c.expected) << c.stored;
}

// A "|" in a path shifted every later pair by one when the list was read back.
TEST(Favorites, PathsWithTheSeparatorAreRefusedNamesLoseIt)
{
    FavoritesList favorites;
    EXPECT_EQ(favorites.add(QStringLiteral("/a|b/"), QStringLiteral("New favorite")), -1);
    EXPECT_EQ(favorites.add(QStringLiteral("/x/"), QStringLiteral("New favorite")), 0);
    EXPECT_EQ(favorites.add(QStringLiteral("/y/"), QStringLiteral("New favorite")), 1);
    EXPECT_EQ(favorites.rename(1, QStringLiteral("my|pics")), FavoritesList::RenameResult::Renamed);
    EXPECT_TRUE(favorites.renameFolder(QStringLiteral("/x"), QStringLiteral("/x|y")));
    const FavoritesList back = FavoritesList::fromStoredText(favorites.storedText());
    EXPECT_EQ(namesOf(back), QStringList({"my pics=/y/"}));
}

TEST(Favorites, NamesAreUniqueExactly)
{
    FavoritesList favorites;
    for (const char* path : {"/a/", "/b/", "/c/"})
        favorites.add(QString::fromLatin1(path), QStringLiteral("New favorite"));
    EXPECT_EQ(namesOf(favorites), QStringList({"New favorite=/a/", "New favorite (2)=/b/", "New favorite (3)=/c/"}));
    using R = FavoritesList::RenameResult;
    EXPECT_EQ(favorites.rename(2, QStringLiteral("New favorite")), R::NameTaken);
    EXPECT_EQ(favorites.rename(2, QStringLiteral("New favorite (3)")), R::Renamed); // its own name
    EXPECT_EQ(favorites.rename(2, QStringLiteral("new FAVORITE")), R::Renamed);     // case makes another name
    EXPECT_EQ(favorites.rename(1, QString()), R::Refused);
    EXPECT_EQ(favorites.indexOfName(QStringLiteral("new favorite")), -1);
    favorites.remove(0);
    EXPECT_EQ(namesOf(favorites), QStringList({"New favorite (2)=/b/", "new FAVORITE=/c/"}));

    test::TempDir dir;
    SettingsStore settings(dir.path());
    favorites.save(settings);
    FavoritesList loaded;
    loaded.load(settings);
    EXPECT_EQ(namesOf(loaded), namesOf(favorites));
}

TEST(AddressHistory, KeepsEntryOrderExactlyAndClearsOnR)
{
    AddressHistory history = AddressHistory::fromStoredText(QStringLiteral("/b/|/a/|/b/||"));
    EXPECT_EQ(history.entries(), QStringList({"/b/", "/a/"}));
    using S = AddressHistory::Submitted;
    EXPECT_EQ(history.submit(QStringLiteral("/A/")), S::Kept); // another folder on Linux
    EXPECT_EQ(history.submit(QStringLiteral("/a/")), S::Kept);
    EXPECT_EQ(history.submit(QStringLiteral("/odd|name/")), S::Kept); // gone to, but never stored
    EXPECT_EQ(history.submit(QString()), S::Empty);
    EXPECT_EQ(history.entries(), QStringList({"/b/", "/a/", "/A/"}));
    EXPECT_EQ(AddressHistory::fromStoredText(history.storedText()).entries(), history.entries());
    EXPECT_EQ(history.submit(QStringLiteral(":r")), S::Cleared);
    EXPECT_TRUE(history.entries().isEmpty());
}

} // namespace
} // namespace vistello
