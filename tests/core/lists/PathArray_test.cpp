#include "core/lists/PathArray.h"
#include "core/lists/PathCollation.h"

#include <gtest/gtest.h>

using namespace vistello;

namespace {

PathArray arrayOf(std::initializer_list<const char*> paths, int growStep = 10)
{
    PathArray a(growStep);
    for (const char* p : paths)
        a.append(QString::fromUtf8(p));
    return a;
}

QStringList listOf(std::initializer_list<const char*> paths)
{
    QStringList l;
    for (const char* p : paths)
        l.append(QString::fromUtf8(p));
    return l;
}

} // namespace

TEST(PathArray, IndicesWrapRound)
{
    const PathArray a = arrayOf({"/p/1.jpg", "/p/2.jpg", "/p/3.jpg"});
    EXPECT_EQ(a.at(-1), "/p/3.jpg");
    EXPECT_EQ(a.at(3), "/p/1.jpg");
    EXPECT_EQ(a.at(-4), "/p/3.jpg");
    EXPECT_EQ(a.at(7), "/p/2.jpg");
    EXPECT_EQ(a.at(INT_MIN), a.at(int(qint64(INT_MIN) % 3 + 3)));
    EXPECT_EQ(PathArray().at(0), "");
    EXPECT_EQ(PathArray().at(-1), "");
}

TEST(PathArray, SetBeyondCountLeavesEmptyEntriesAndGrowsByStep)
{
    PathArray a(4);
    a.set(5, QStringLiteral("/p/x.jpg"));
    EXPECT_EQ(a.count(), 6);
    EXPECT_EQ(a.capacity(), 9); // index + growStep
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(a.at(i), "") << i;
    EXPECT_EQ(a.at(5), "/p/x.jpg");

    a.append(QStringLiteral("/p/y.jpg"));
    EXPECT_EQ(a.capacity(), 9);
    a.set(2, QStringLiteral("/p/gap.jpg"));
    EXPECT_EQ(a.count(), 7);
    EXPECT_EQ(a.at(2), "/p/gap.jpg");
}

TEST(PathArray, RejectsEmptyOverlongPathsAndNegativeIndices)
{
    PathArray a(0); // a step below 1 becomes 1
    EXPECT_EQ(a.growStep(), 1);
    a.append(QString());
    a.append(QString(512, u'a'));
    a.set(-1, QStringLiteral("/p/a.jpg"));
    a.set(PathArray::kMaxCount, QStringLiteral("/p/a.jpg"));
    EXPECT_EQ(a.count(), 0);
    a.append(QString(511, u'a'));
    EXPECT_EQ(a.count(), 1);
    a.set(0, QString()); // an entry cannot be emptied by set
    EXPECT_EQ(a.at(0).size(), 511);
}

TEST(PathArray, FindComparesExactly)
{
    const PathArray a = arrayOf({"/p/a.jpg", "/p/A.jpg", "/p/a.jpg"});
    EXPECT_EQ(a.find(0, u"/p/A.jpg"), 1);
    EXPECT_EQ(a.find(1, u"/p/a.jpg"), 2);
    EXPECT_EQ(a.find(0, u"/p/a.JPG"), -1);
    EXPECT_EQ(a.find(0, u"/p/a.jp"), -1);
    EXPECT_EQ(a.find(-1, u"/p/a.jpg"), -1);
    EXPECT_EQ(a.find(3, u"/p/a.jpg"), -1);
}

TEST(PathArray, RemoveAtKeepsCurrentIndexOnTheEntryThatMovedIn)
{
    PathArray a = arrayOf({"/p/1.jpg", "/p/2.jpg", "/p/3.jpg", "/p/4.jpg"});
    a.setCurrentIndex(2);
    EXPECT_EQ(a.removeAt(0), 0);
    EXPECT_EQ(a.count(), 3);
    EXPECT_EQ(a.currentIndex(), 2);
    EXPECT_EQ(a.at(a.currentIndex()), "/p/4.jpg");
    EXPECT_EQ(a.removeAt(3), -1);
    EXPECT_EQ(a.removeAt(-1), -1);
    a.removeAt(0);
    a.removeAt(0);
    a.removeAt(0);
    EXPECT_TRUE(a.isEmpty());
    EXPECT_EQ(a.currentIndex(), 0);
}

// Regression: the search after a removal resumed one past the removed
// position, so the second of two adjacent equal entries survived.
TEST(PathArray, RemovePathRemovesAdjacentDuplicates)
{
    PathArray a = arrayOf({"/p/x.jpg", "/p/x.jpg", "/p/y.jpg", "/p/x.jpg", "/p/X.jpg"});
    a.removePath(u"/p/x.jpg");
    EXPECT_EQ(a.toStringList(), listOf({"/p/y.jpg", "/p/X.jpg"}));
}

TEST(PathArray, ResetClearCopyAndAppendAll)
{
    PathArray a = arrayOf({"/p/1.jpg", "/p/2.jpg"}, 3);
    a.setCurrentIndex(1);
    a.reset(QStringLiteral("/p/only.jpg"));
    EXPECT_EQ(a.toStringList(), listOf({"/p/only.jpg"}));
    EXPECT_EQ(a.currentIndex(), 0);

    PathArray b(7);
    b.copyFrom(arrayOf({"/p/1.jpg", "/p/2.jpg"}, 3));
    EXPECT_EQ(b.growStep(), 3);
    EXPECT_EQ(b.count(), 2);

    PathArray::appendAll(b, b); // onto itself: each entry once more
    EXPECT_EQ(b.toStringList(), listOf({"/p/1.jpg", "/p/2.jpg", "/p/1.jpg", "/p/2.jpg"}));

    const int capacity = b.capacity();
    b.clear(false);
    EXPECT_EQ(b.count(), 0);
    EXPECT_EQ(b.capacity(), capacity);
    b.clear(true);
    EXPECT_EQ(b.capacity(), 0);
}

struct SortCase {
    const char* name;
    QStringList input;
    QStringList expected;
};

class PathSort : public testing::TestWithParam<SortCase> {};

TEST_P(PathSort, SortsCaseInsensitivelyWithExactTieBreak)
{
    const SortCase& c = GetParam();
    PathArray a(10);
    for (const QString& p : c.input)
        a.append(p);
    a.sort();
    EXPECT_EQ(a.toStringList(), c.expected);

    // The order does not depend on the input order.
    QStringList reversed(c.input.rbegin(), c.input.rend());
    sortPaths(reversed);
    EXPECT_EQ(reversed, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    PathArray, PathSort,
    testing::Values(
        SortCase{"MixedCase", listOf({"/p/b.jpg", "/p/A.jpg", "/p/C.jpg", "/p/a2.jpg"}),
                 listOf({"/p/A.jpg", "/p/a2.jpg", "/p/b.jpg", "/p/C.jpg"})},
        SortCase{"CaseTiesBrokenExactly", listOf({"/p/a.jpg", "/p/A.jpg", "/p/B.jpg", "/p/b.jpg"}),
                 listOf({"/p/A.jpg", "/p/a.jpg", "/p/B.jpg", "/p/b.jpg"})},
        SortCase{"NonAsciiBesideTheirBaseLetters",
                 listOf({"/p/f.jpg", "/p/é.jpg", "/p/z.jpg", "/p/E.jpg", "/p/ä.jpg", "/p/b.jpg"}),
                 listOf({"/p/ä.jpg", "/p/b.jpg", "/p/E.jpg", "/p/é.jpg", "/p/f.jpg", "/p/z.jpg"})},
        SortCase{"DigitsAreNotNumbers", listOf({"/p/IMG_9.jpg", "/p/IMG_10.jpg", "/p/IMG_1.jpg"}),
                 listOf({"/p/IMG_1.jpg", "/p/IMG_10.jpg", "/p/IMG_9.jpg"})},
        SortCase{"FullPathsWithSubfolders", listOf({"/p/b.jpg", "/p/a/z.jpg", "/p/B/a.jpg", "/p/c.jpg"}),
                 listOf({"/p/a/z.jpg", "/p/b.jpg", "/p/B/a.jpg", "/p/c.jpg"})},
        SortCase{"SingleEntry", listOf({"/p/x.jpg"}), listOf({"/p/x.jpg"})}),
    [](const testing::TestParamInfo<SortCase>& p) { return p.param.name; });
