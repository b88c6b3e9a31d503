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

// A folder of 100,000 pictures cannot hold every tile: beyond the budget the
// tiles farthest from the kept rows go, and those come back near the view
// are asked for again.
TEST(OverviewModel, TilesBeyondTheBudgetAreDroppedFarthestFirst)
{
    PictureLists lists;
    OverviewModel model(lists);
    QStringList paths;
    for (int i = 0; i < 100; ++i)
        paths << QStringLiteral("/a/%1.jpg").arg(i);
    model.setPaths(paths);
    QImage tile(80, 80, QImage::Format_RGB888);
    tile.fill(Qt::red);
    const qint64 bytes = tile.sizeInBytes();
    model.setTileBudget(bytes * 20);
    model.keepRows(40, 49);
    for (int i = 0; i < 100; ++i)
        model.setTile(i, tile.copy(), 0);
    EXPECT_LE(model.tileBytes(), bytes * 20);
    EXPECT_GT(model.tilesDropped(), 0);
    for (int i = 40; i <= 49; ++i)
        EXPECT_EQ(model.index(i).data(OverviewModel::kTileRole).toInt(), int(OverviewModel::Tile::Picture)) << i;
    // The farthest (0 and 99's neighbours) went; what stays lies near 40..49.
    EXPECT_TRUE(model.droppedBetween(0, 0) == std::vector<int>{0});
    EXPECT_EQ(model.index(0).data(OverviewModel::kTileRole).toInt(), int(OverviewModel::Tile::Placeholder));
    EXPECT_EQ(model.tilesDone(), 100) << "a dropped tile was made: the page is complete";
    // Made again: no longer dropped.
    model.setTile(0, tile.copy(), 0);
    EXPECT_TRUE(model.droppedBetween(0, 0).empty());
    // A broken picture holds no pixels and is never dropped.
    model.setTile(99, QImage(), 0);
    EXPECT_EQ(model.index(99).data(OverviewModel::kTileRole).toInt(), int(OverviewModel::Tile::Broken));
}
