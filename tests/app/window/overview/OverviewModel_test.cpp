#include "app/window/overview/OverviewModel.h"

#include "core/lists/PictureLists.h"

#include <QTextDocument>
#include <gtest/gtest.h>

using namespace vistello;

TEST(OverviewModel, EveryPathGetsItsItem)
{
    PictureLists lists;
    OverviewModel model(lists);
    model.setPaths({"/a/x.jpg", "plain.jpg", "/a/<i>y&amp;.jpg"});
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.index(1).data().toString(), "plain.jpg");
    EXPECT_EQ(model.index(2).data().toString(), "<i>y&amp;.jpg");
    // The tool tip (the picture's information) shows the name as it is, tags and all.
    QTextDocument tip;
    tip.setHtml(model.index(2).data(Qt::ToolTipRole).toString());
    EXPECT_TRUE(tip.toPlainText().contains("\t<i>y&amp;.jpg\n")) << tip.toPlainText().toStdString();
}

TEST(OverviewModel, TilesAndCheckBoxes)
{
    PictureLists lists;
    OverviewModel model(lists);
    model.setPaths({"/a/x.jpg", "/a/y.jpg"});
    QImage tile(80, 80, QImage::Format_RGB888);
    tile.fill(Qt::red);
    model.setTile(0, tile, 0);
    model.setTile(1, QImage(), 0);
    model.setTile(1, QImage(), 0); // made again: still one tile
    EXPECT_EQ(model.tilesDone(), 2);
    EXPECT_EQ(model.index(0).data(OverviewModel::kTileRole).toInt(), int(OverviewModel::Tile::Picture));
    EXPECT_EQ(model.index(1).data(OverviewModel::kTileRole).toInt(), int(OverviewModel::Tile::Broken));

    EXPECT_TRUE(model.setData(model.index(1), Qt::Checked, Qt::CheckStateRole));
    EXPECT_TRUE(lists.isMarked("/a/y.jpg"));
    EXPECT_TRUE(model.setData(model.index(1), Qt::Unchecked, Qt::CheckStateRole));
    EXPECT_FALSE(lists.isMarked("/a/y.jpg"));
    model.setUserSelect(false);
    EXPECT_FALSE(model.index(0).data(Qt::CheckStateRole).isValid());
    EXPECT_FALSE(model.setData(model.index(0), Qt::Checked, Qt::CheckStateRole));
}
