#include "app/window/overview/NameLayout.h"

#include <gtest/gtest.h>

using namespace vistello;

// Every character 10 pixels wide: a 100-pixel line holds 10.
TEST(NameLayout, WrapsToTwoLinesWithEllipsis)
{
    const TextWidth measure = [](const QString& text) { return 10 * int(text.size()); };
    struct Row { const char* name; QStringList lines; };
    const Row rows[] = {
        {"short.jpg", {"short.jpg"}},
        {"abcdefghij klmno", {"abcdefghij", "klmno"}},
        {"holiday at the sea.jpg", {"holiday at", "the sea.j\u2026"}},
        {"IMG_20240101_123456.jpg", {"IMG_202401", "01_123456\u2026"}},
        {"", {}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(nameLines(QString::fromUtf8(row.name), 100, measure), row.lines) << row.name;
}

TEST(NameLayout, OverviewItemSitsInItsCell)
{
    const QRect cell(220, 125, OverviewItemLayout::kCellWidth, OverviewItemLayout::kCellHeight);
    const OverviewItemLayout item = overviewItemLayout(cell);
    EXPECT_EQ(item.tileRect.size(), QSize(80, 80));
    EXPECT_EQ(item.tileRect.center().x(), cell.center().x());
    EXPECT_TRUE(cell.contains(item.iconRect) && cell.contains(item.labelRect));
    EXPECT_GT(item.labelRect.top(), item.iconRect.bottom());
}
