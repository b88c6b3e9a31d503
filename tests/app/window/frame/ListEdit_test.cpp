#include "app/window/frame/ListEdit.h"

#include <gtest/gtest.h>

using namespace vistello;

TEST(ListEdit, FindsOneRemovalOrInsertion)
{
    const QStringList abcd{"a", "b", "c", "d"};
    struct Row { QStringList after; std::optional<ListEdit::Kind> kind; int index; };
    const Row rows[] = {
        {{"a", "c", "d"}, ListEdit::Removed, 1},
        {{"a", "b", "c"}, ListEdit::Removed, 3},
        {{"b", "c", "d"}, ListEdit::Removed, 0},
        {{"a", "b", "x", "c", "d"}, ListEdit::Inserted, 2},
        {{"a", "b", "c", "d", "e"}, ListEdit::Inserted, 4},
        {{"a", "c", "b"}, std::nullopt, 0},          // removed and reordered
        {{"a", "b", "c", "d"}, std::nullopt, 0},     // unchanged
        {{"a", "b"}, std::nullopt, 0},               // two removed
        {{"x", "a", "b", "c", "e"}, std::nullopt, 0}, // inserted and replaced
    };
    for (const Row& row : rows) {
        const std::optional<ListEdit> edit = singleEdit(abcd, row.after);
        ASSERT_EQ(edit.has_value(), row.kind.has_value()) << row.after.join(",").toStdString();
        if (edit) {
            EXPECT_EQ(edit->kind, *row.kind) << row.after.join(",").toStdString();
            EXPECT_EQ(edit->index, row.index) << row.after.join(",").toStdString();
        }
    }
}
