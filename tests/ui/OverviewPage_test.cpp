#include "ui/overview/OverviewPage.h"

#include "core/lists/PictureLists.h"

#include <QItemSelectionModel>
#include <QListView>
#include <gtest/gtest.h>

using namespace vistello;

TEST(OverviewPageWidget, MarkersFollowTheSelection)
{
    PictureLists lists;
    for (const char* path : {"/none/a.jpg", "/none/b.jpg", "/none/c.jpg"})
        lists.current().entries().append(QString::fromLatin1(path));
    OverviewPage page(lists, true, nullptr);
    page.currentPictureChanged();
    ASSERT_EQ(page.itemCount(), 3);
    QItemSelectionModel* selection = page.view()->selectionModel();
    selection->select(page.view()->model()->index(0, 0), QItemSelectionModel::ClearAndSelect);
    selection->select(page.view()->model()->index(2, 0), QItemSelectionModel::Select);
    page.markSelected(true);
    EXPECT_EQ(lists.markedPictures().entries().toStringList(), QStringList({"/none/a.jpg", "/none/c.jpg"}));
    selection->select(page.view()->model()->index(0, 0), QItemSelectionModel::ClearAndSelect);
    page.markSelected(false);
    EXPECT_EQ(lists.markedPictures().entries().toStringList(), QStringList({"/none/c.jpg"}));

    OverviewPage withoutBoxes(lists, false, nullptr);
    withoutBoxes.currentPictureChanged();
    withoutBoxes.view()->selectionModel()->select(withoutBoxes.view()->model()->index(1, 0),
                                                  QItemSelectionModel::ClearAndSelect);
    withoutBoxes.markSelected(true);
    EXPECT_EQ(lists.markedPictures().entries().count(), 1);
}
