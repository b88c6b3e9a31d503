// The "Rename" page's and the comment dialog's rules: what they show for the
// selection, and the request and settings their buttons make.
#include "app/window/taskpane/CommentDialogRules.h"
#include "app/window/taskpane/RenamePageRules.h"
#include "core/settings/SettingKeys.h"
#include "core/settings/SettingsStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace vistello {
namespace {

TEST(RenamePageFill, FieldAndDateBoxBySelection)
{
    const std::optional<QString> dated = QStringLiteral("2004-01-01@12-00-00");
    struct Case {
        RenamePageInputs in;
        const char* name;
        bool readOnly;
        bool dateEnabled;
    };
    const Case cases[] = {
        {{0, false, false, {}, {}, {}}, "Picture_%04d", false, true},
        {{3, false, false, QStringLiteral("Trip_%03d"), {}, {}}, "Trip_%03d", false, true},
        {{1, false, false, QStringLiteral("Trip_%03d"), QStringLiteral("IMG_0001"), {}}, "IMG_0001", false, false},
        {{1, false, true, {}, QStringLiteral("IMG_0001"), {}}, "IMG_0001", false, false},
        {{1, false, false, {}, QStringLiteral("IMG_0001"), dated}, "IMG_0001", false, true},
        {{1, false, true, {}, QStringLiteral("IMG_0001"), dated}, "2004-01-01@12-00-00", true, true},
        {{1, true, true, QStringLiteral("Trip_%03d"), QStringLiteral("IMG_0001"), {}}, "Trip_%03d", false, true},
    };
    for (const Case& c : cases) {
        const RenamePageFill fill = renamePageFill(c.in);
        EXPECT_EQ(fill.name, QString::fromLatin1(c.name)) << c.name;
        EXPECT_EQ(fill.nameReadOnly, c.readOnly) << c.name;
        EXPECT_EQ(fill.dateEnabled, c.dateEnabled) << c.name;
    }
}

TEST(RenamePageRequest, PatternNameAndNumbering)
{
    const QStringList three{QStringLiteral("/p/a.jpg"), QStringLiteral("/p/b.jpg"), QStringLiteral("/p/c.jpg")};
    const QStringList one{QStringLiteral("/p/a.jpg")};
    EXPECT_FALSE(renameRequestFrom({QStringLiteral("x"), 1, false, false}, {}, {}));

    // An empty field numbers with the stored pattern, else the default.
    std::optional<RenameRequest> r = renameRequestFrom({{}, 1, false, false}, three, QStringLiteral("Trip_%03d"));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->pattern, QStringLiteral("Trip_%03d"));
    EXPECT_EQ(r->firstIndex, 1);
    r = renameRequestFrom({{}, 0, false, false}, three, {});
    EXPECT_EQ(r->pattern, QStringLiteral("Picture_%04d"));

    // One picture takes the typed name as it is, never formatted.
    r = renameRequestFrom({QStringLiteral("Day_%d"), 5, true, false}, one, {});
    EXPECT_FALSE(r->severalPictures());
    EXPECT_EQ(r->name, QStringLiteral("Day_%d"));
    EXPECT_TRUE(r->byDate);

    // The whole list numbers even a single picture.
    r = renameRequestFrom({QStringLiteral("Day_%d"), 5, false, true}, one, {});
    EXPECT_TRUE(r->severalPictures());
    EXPECT_EQ(r->pattern, QStringLiteral("Day_%d"));
}

TEST(RenamePageRequest, StoresTheTypedNameOnlyAsAPattern)
{
    test::TempDir dir;
    SettingsStore store(dir.path());
    const RenamePageValues several{QStringLiteral("Trip_%03d"), 7, true, false};
    storeRenameSettings(store, several, *renameRequestFrom(several, {QStringLiteral("/p/a.jpg"), QStringLiteral("/p/b.jpg")}, {}));
    EXPECT_EQ(store.get(setting::RenameNewPictureName), QStringLiteral("Trip_%03d"));
    EXPECT_EQ(store.get(setting::RenameFirstIndex), 7);
    EXPECT_TRUE(store.get(setting::RenameUseExifDateTime));
    EXPECT_FALSE(store.get(setting::RenameAll));

    const RenamePageValues single{QStringLiteral("Beach"), 2, false, false};
    storeRenameSettings(store, single, *renameRequestFrom(single, {QStringLiteral("/p/a.jpg")}, {}));
    EXPECT_EQ(store.get(setting::RenameNewPictureName), QStringLiteral("Trip_%03d"));
    EXPECT_EQ(store.get(setting::RenameFirstIndex), 2);
}

TEST(CommentDialogFill, BySelection)
{
    CommentDialogFill fill = commentDialogFill({0, {}, {}, false});
    EXPECT_EQ(fill.heading, QStringLiteral("Change picture comment:"));
    EXPECT_FALSE(fill.applyEnabled);

    fill = commentDialogFill({1, QStringLiteral("list"), QStringLiteral("file"), true});
    EXPECT_EQ(fill.heading, QStringLiteral("Add picture comment:"));
    EXPECT_EQ(fill.listText, QStringLiteral("list"));
    EXPECT_EQ(fill.fileText, QStringLiteral("file"));
    EXPECT_TRUE(fill.fileBoxEnabled);
    EXPECT_TRUE(fill.applyEnabled);

    // A format without comments: the file part cannot be used.
    fill = commentDialogFill({1, {}, {}, false});
    EXPECT_FALSE(fill.fileBoxEnabled);
    EXPECT_EQ(fill.fileText, QString());

    // Several pictures keep what the fields hold.
    fill = commentDialogFill({4, QStringLiteral("ignored"), QStringLiteral("ignored"), false});
    EXPECT_EQ(fill.heading, QStringLiteral("Change picture comment:"));
    EXPECT_FALSE(fill.listText);
    EXPECT_FALSE(fill.fileText);
    EXPECT_TRUE(fill.fileBoxEnabled);

    EXPECT_TRUE(commentFieldEnabled(true, true));
    EXPECT_FALSE(commentFieldEnabled(true, false));
    EXPECT_FALSE(commentFieldEnabled(false, true));
}

TEST(CommentDialogApply, StoresTheBoxesAndTakesTheBackupSetting)
{
    test::TempDir dir;
    SettingsStore store(dir.path());
    store.set(setting::CopyOriginal, false);
    EXPECT_FALSE(commentChangeFrom(store, {false, false, true, QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_FALSE(store.get(setting::WriteCommentToList));
    EXPECT_TRUE(store.get(setting::AddToComment));

    const std::optional<CommentChange> change =
        commentChangeFrom(store, {true, true, false, QStringLiteral("a"), QStringLiteral("b")});
    ASSERT_TRUE(change);
    EXPECT_TRUE(store.get(setting::WriteCommentToList));
    EXPECT_TRUE(store.get(setting::WriteCommentToFile));
    EXPECT_FALSE(store.get(setting::AddToComment));
    EXPECT_FALSE(change->keepOriginal);
    EXPECT_EQ(change->listText, QStringLiteral("a"));
    EXPECT_EQ(change->fileText, QStringLiteral("b"));
}

} // namespace
} // namespace vistello
