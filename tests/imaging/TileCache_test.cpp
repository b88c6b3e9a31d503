#include "imaging/cache/TileCache.h"

#include <gtest/gtest.h>

using namespace vistello;

namespace {

QImage tile()
{
    return QImage(512, 512, QImage::Format_RGB888); // 786,432 bytes
}

} // namespace

TEST(TileCache, KeepsItsBytesBoundedLeastRecentlyUsedFirst)
{
    TileCache cache(3 * tile().sizeInBytes());
    for (int column = 0; column < 3; ++column)
        cache.store(TileCache::keyOf(8, column, 0), tile());
    EXPECT_FALSE(cache.find(TileCache::keyOf(8, 0, 0)).isNull()); // used: column 1 is the oldest now
    cache.store(TileCache::keyOf(8, 3, 0), tile());
    EXPECT_EQ(cache.size(), 3);
    EXPECT_LE(cache.bytes(), 3 * tile().sizeInBytes());
    EXPECT_FALSE(cache.contains(TileCache::keyOf(8, 1, 0)));
    EXPECT_TRUE(cache.contains(TileCache::keyOf(8, 0, 0)));
}

TEST(TileCache, KeysOfLevelsColumnsAndRowsDiffer)
{
    EXPECT_NE(TileCache::keyOf(8, 1, 0), TileCache::keyOf(8, 0, 1));
    EXPECT_NE(TileCache::keyOf(8, 1, 2), TileCache::keyOf(10, 1, 2));
    EXPECT_NE(TileCache::keyOf(8, 100, 0), TileCache::keyOf(8, 0, 100));
}

TEST(TileCache, StoringAgainReplacesTheBytes)
{
    TileCache cache(10 * tile().sizeInBytes());
    cache.store(1, tile());
    cache.store(1, tile());
    EXPECT_EQ(cache.bytes(), tile().sizeInBytes());
    cache.clear();
    EXPECT_EQ(cache.bytes(), 0);
}
