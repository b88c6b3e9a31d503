// Coming back to a folder, in this run or the next, starts at the picture
// it showed.
#include "core/filetypes/PictureFileTypes.h"
#include "core/lists/FirstList.h"
#include "core/lists/PictureLists.h"
#include "core/settings/SettingsStore.h"
#include "organize/folders/FolderSwitch.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace vistello {
namespace {

TEST(FolderSwitch, FoldersKeepTheirCurrentPicture)
{
    PictureFileTypes::instance().clear();
    PictureFileTypes::instance().registerBuiltIns(false, nullptr);
    test::TempDir dir;
    for (const char* name : {"a/1.jpg", "a/2.jpg", "a/3.jpg", "b/1.jpg", "b/2.jpg"})
        dir.write(QString::fromLatin1(name), QByteArray(64, 'p'));
    const QString a = dir.file("a/"), b = dir.file("b/");
    PictureLists lists;
    showFolderList(lists, {}, a, false);
    ASSERT_EQ(lists.current().count(), 3);
    lists.current().entries().setCurrentIndex(2);
    showFolderList(lists, a, b, false);
    EXPECT_EQ(lists.current().currentIndex(), 0);
    lists.current().entries().setCurrentIndex(1);
    showFolderList(lists, b, a, false);
    EXPECT_EQ(lists.current().currentIndex(), 2);
    showFolderList(lists, a, b, false);
    EXPECT_EQ(lists.current().currentIndex(), 1);

    // The next run starts in the last folder at its picture.
    SettingsStore store{dir.path()};
    storeLastFolder(store, lists, b, true);
    PictureLists next;
    chooseFirstList(next, PictureList(), {}, false, &store);
    EXPECT_EQ(next.current().entries().toStringList(), lists.current().entries().toStringList());
    EXPECT_EQ(next.current().currentIndex(), 1);
}

} // namespace
} // namespace vistello
