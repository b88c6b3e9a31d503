// The picture cache: keys, capacity, least-recently-used eviction and the
// exact-path drop and rename that follow file changes.
#include "imaging/cache/PictureCache.h"

#include <gtest/gtest.h>

namespace vistello {
namespace {

CachedPicture pictureOf(int width, QRgb colour = qRgb(10, 20, 30))
{
    CachedPicture picture;
    picture.image = QImage(width, 1, QImage::Format_RGB888);
    picture.image.fill(colour);
    picture.fileWidth = width * 10;
    return picture;
}

QString key(const QString& path, int box = 80)
{
    return PictureCache::keyFor(path, box, box, 1, 1);
}

// Which entry a lookup finds, told by the stored width (0: none).
int found(PictureCache& cache, const QString& k)
{
    const CachedPicture* hit = cache.lookup(k);
    return hit ? hit->image.width() : 0;
}

TEST(PictureCacheKey, PathIsExactAndBoxAndScaleCount)
{
    EXPECT_NE(key(QStringLiteral("/p/a.jpg")), key(QStringLiteral("/p/A.jpg")));
    EXPECT_NE(key(QStringLiteral("/p/a.jpg"), 80), key(QStringLiteral("/p/a.jpg"), 81));
    EXPECT_NE(PictureCache::keyFor(QStringLiteral("/a"), 80, 80, 1, 1),
              PictureCache::keyFor(QStringLiteral("/a"), 80, 80, 1, 2));
    EXPECT_TRUE(key(QStringLiteral("/p/a.jpg")).endsWith(QStringLiteral("80x80+1x1")));
    // A path ending in digits must not run into the box numbers.
    EXPECT_NE(PictureCache::keyFor(QStringLiteral("/p1"), 180, 80, 1, 1),
              PictureCache::keyFor(QStringLiteral("/p11"), 80, 80, 1, 1));
}

TEST(PictureCache, CapacityBelowOneNeitherStoresNorFinds)
{
    for (int capacity : {0, -1}) {
        PictureCache cache(capacity);
        cache.store(key(QStringLiteral("/a")), pictureOf(5));
        EXPECT_EQ(cache.size(), 0) << capacity;
        EXPECT_EQ(found(cache, key(QStringLiteral("/a"))), 0) << capacity;
    }
}

TEST(PictureCache, CapacityOneDecodesTheOtherPictureAgain)
{
    // Showing A, B, A: with room for one, A is gone; with two, A is a hit.
    for (int capacity : {1, 2}) {
        PictureCache cache(capacity);
        cache.store(key(QStringLiteral("/A")), pictureOf(1));
        cache.store(key(QStringLiteral("/B")), pictureOf(2));
        EXPECT_EQ(found(cache, key(QStringLiteral("/A"))), capacity == 1 ? 0 : 1);
    }
}

TEST(PictureCache, EvictsTheLeastRecentlyUsedOnePerStore)
{
    PictureCache cache(2);
    cache.store(key(QStringLiteral("/A")), pictureOf(1));
    cache.store(key(QStringLiteral("/B")), pictureOf(2));
    ASSERT_EQ(found(cache, key(QStringLiteral("/A"))), 1); // A is now the most recent
    cache.store(key(QStringLiteral("/C")), pictureOf(3));
    EXPECT_EQ(cache.size(), 2);
    EXPECT_EQ(found(cache, key(QStringLiteral("/B"))), 0);
    EXPECT_EQ(found(cache, key(QStringLiteral("/A"))), 1);
    EXPECT_EQ(found(cache, key(QStringLiteral("/C"))), 3);

    // Overwriting an entry adds nothing, so nothing is evicted.
    cache.store(key(QStringLiteral("/C")), pictureOf(4));
    EXPECT_EQ(cache.size(), 2);
    EXPECT_EQ(found(cache, key(QStringLiteral("/A"))), 1);
    EXPECT_EQ(found(cache, key(QStringLiteral("/C"))), 4);
}

TEST(PictureCache, ChangingTheCapacityEmptiesEvenWhenLarger)
{
    PictureCache cache(4);
    cache.store(key(QStringLiteral("/A")), pictureOf(1));
    cache.setCapacity(4); // unchanged: kept
    EXPECT_EQ(cache.size(), 1);
    cache.setCapacity(-3); // invalid: ignored
    EXPECT_EQ(cache.size(), 1);
    EXPECT_EQ(cache.capacity(), 4);
    cache.setCapacity(10);
    EXPECT_EQ(cache.size(), 0);
    EXPECT_EQ(cache.capacity(), 10);
    cache.store(key(QStringLiteral("/A")), pictureOf(1));
    cache.clear();
    EXPECT_EQ(found(cache, key(QStringLiteral("/A"))), 0);
}

TEST(PictureCache, DropPathRemovesEveryBoxOfExactlyThatPath)
{
    PictureCache cache(10);
    cache.store(key(QStringLiteral("/p/a.jpe"), 80), pictureOf(1));
    cache.store(key(QStringLiteral("/p/a.jpe"), 300), pictureOf(2));
    cache.store(key(QStringLiteral("/p/a.jpeg")), pictureOf(3));
    cache.store(key(QStringLiteral("/p/A.jpe")), pictureOf(4));
    cache.store(key(QStringLiteral("/p/a.jp")), pictureOf(5));
    cache.dropPath(QStringLiteral("/p/a.jpe"));
    EXPECT_EQ(cache.size(), 3);
    EXPECT_EQ(found(cache, key(QStringLiteral("/p/a.jpeg"))), 3);
    EXPECT_EQ(found(cache, key(QStringLiteral("/p/A.jpe"))), 4);
    EXPECT_EQ(found(cache, key(QStringLiteral("/p/a.jp"))), 5);
}

TEST(PictureCache, RenameMovesTheBitmapsOfExactlyThatPath)
{
    PictureCache cache(10);
    cache.store(key(QStringLiteral("/p/a.jpe"), 80), pictureOf(1));
    cache.store(key(QStringLiteral("/p/a.jpe"), 300), pictureOf(2));
    cache.store(key(QStringLiteral("/p/a.jpeg")), pictureOf(3));
    cache.renamePath(QStringLiteral("/p/a.jpe"), QStringLiteral("/q/B.jpe"));
    EXPECT_EQ(cache.size(), 3);
    EXPECT_EQ(found(cache, key(QStringLiteral("/p/a.jpe"), 80)), 0);
    EXPECT_EQ(found(cache, key(QStringLiteral("/q/B.jpe"), 80)), 1);
    EXPECT_EQ(found(cache, key(QStringLiteral("/q/B.jpe"), 300)), 2);
    EXPECT_EQ(found(cache, key(QStringLiteral("/p/a.jpeg"))), 3);
    EXPECT_EQ(found(cache, key(QStringLiteral("/q/B.jpeg"))), 0);
}

TEST(PictureCache, ShownBitmapSurvivesEviction)
{
    PictureCache cache(1);
    cache.store(key(QStringLiteral("/A")), pictureOf(7, qRgb(1, 2, 3)));
    const QImage shown = cache.lookup(key(QStringLiteral("/A")))->image; // the view's copy
    cache.store(key(QStringLiteral("/B")), pictureOf(8));
    cache.clear();
    ASSERT_EQ(shown.width(), 7);
    EXPECT_EQ(shown.pixel(6, 0), qRgb(1, 2, 3));
}

} // namespace
} // namespace vistello
