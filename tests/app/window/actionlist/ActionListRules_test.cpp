// The action list's rules: the actions and their commands, the quantities
// and the pictures a command is handed.
#include "app/window/actionlist/ActionListRules.h"
#include "app/window/frame/CommandIds.h"
#include "app/window/taskpane/TaskPageModes.h"

#include <gtest/gtest.h>

namespace vistello::actionlist {
namespace {

TEST(ActionList, TwelveActionsInListOrder)
{
    const std::pair<const char*, int> expected[] = {
        {"Create picture index", 40030}, {"Rename pictures", 40073},  {"Create a HTML page", 40010},
        {"Resize picture(s)", 40210},     {"Convert picture format", 40402}, {"Copy pictures", 40438},
        {"Rotate right", 40165},          {"Rotate left", 40175},     {"Auto rotate", 40168},
        {"Mirror vertical", 40167},       {"Greyscale", 40451},       {"Delete pictures", 40008},
    };
    ASSERT_EQ(actions().size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(QString::fromUtf16(actions()[i].text), QString::fromUtf8(expected[i].first)) << i;
        EXPECT_EQ(actions()[i].command, expected[i].second) << i;
    }
}

TEST(ActionList, EveryActionButDeleteOpensATaskPage)
{
    for (size_t i = 0; i < actions().size(); ++i)
        EXPECT_EQ(taskpage::modeForCommand(actions()[i].command) != taskpage::None, int(i) != kDeletePictures) << i;
}

TEST(ActionList, StoredPositionOutsideTheListReadsAsFirst)
{
    const std::pair<int, int> rows[] = {{0, 0}, {6, 6}, {11, 11}, {12, 0}, {-1, 0}, {1 << 30, 0}};
    for (const auto& [stored, shown] : rows)
        EXPECT_EQ(validAction(stored), shown) << stored;
}

TEST(ActionList, QuantityOnlyForIndexSheets)
{
    for (int action = 0; action < int(actions().size()); ++action)
        EXPECT_EQ(quantityAvailable(action), action == 0) << action;
}

TEST(ActionList, QuantityFromOneTo999)
{
    const std::pair<const char*, int> rows[] = {
        {"1", 1}, {"2", 2}, {" 17 ", 17}, {"999", 999}, {"0", 0}, {"-1", 0}, {"-5", 0},
        {"1000", 0}, {"4294967298", 0}, {"99999999999999999999", 0}, {"", 0}, {"x", 0}, {"2x", 0}, {"1.5", 0},
    };
    for (const auto& [text, value] : rows)
        EXPECT_EQ(parseQuantity(QString::fromUtf8(text)).value_or(0), value) << text;
}

TEST(ActionList, IndexRepeatsByQuantityOtherActionsTakeEachOnce)
{
    const QList<Entry> entries{{QStringLiteral("/one/a.jpg"), 2}, {QStringLiteral("/two/b.jpg"), 1}};
    EXPECT_EQ(collectionFor(kCreateIndex, entries), (QStringList{"/one/a.jpg", "/one/a.jpg", "/two/b.jpg"}));
    for (int action = 1; action < int(actions().size()); ++action)
        EXPECT_EQ(collectionFor(action, entries), (QStringList{"/one/a.jpg", "/two/b.jpg"})) << action;
}

TEST(ActionList, QuantityOutOfRangeNeverMultiplies)
{
    const QList<Entry> entries{{QStringLiteral("/a.jpg"), -3}, {QStringLiteral("/b.jpg"), 1 << 30}};
    const QStringList pictures = collectionFor(kCreateIndex, entries);
    EXPECT_EQ(pictures.count(QStringLiteral("/a.jpg")), 1);
    EXPECT_EQ(pictures.count(QStringLiteral("/b.jpg")), kMaxQuantity);
}

TEST(ActionList, EntriesFollowTheMarkedPicturesAndKeepQuantities)
{
    const QList<Entry> before{{QStringLiteral("/a.jpg"), 3}, {QStringLiteral("/b.jpg"), 2}};
    const QList<Entry> after = entriesFor({QStringLiteral("/b.jpg"), QStringLiteral("/c.jpg")}, before);
    ASSERT_EQ(after.size(), 2);
    EXPECT_EQ(after[0].path, QStringLiteral("/b.jpg"));
    EXPECT_EQ(after[0].quantity, 2);
    EXPECT_EQ(after[1].path, QStringLiteral("/c.jpg"));
    EXPECT_EQ(after[1].quantity, 1);
}

TEST(ActionList, QuantityPresetOfOneSelectedEntry)
{
    const QList<Entry> entries{{QStringLiteral("/a.jpg"), 4}, {QStringLiteral("/b.jpg"), 7}};
    EXPECT_EQ(quantityPreset(entries, {1}), 7);
    EXPECT_EQ(quantityPreset(entries, {0, 1}), 1);
    EXPECT_EQ(quantityPreset(entries, {}), 1);
    EXPECT_EQ(quantityPreset(entries, {5}), 1);
}

TEST(ActionList, CountLine)
{
    EXPECT_EQ(countLine(0), QStringLiteral("No selected pictures"));
    EXPECT_EQ(countLine(1), QStringLiteral("One selected picture"));
    EXPECT_EQ(countLine(5), QStringLiteral("5 selected pictures"));
}

} // namespace
} // namespace vistello::actionlist
