#include "sample/sample_map.h"
#include "sample/sample_tiles.h"

#include <gtest/gtest.h>

#include <set>

namespace sample {
namespace {

TEST(SampleData, TilesAreDistinctAndCoverEveryClass)
{
    const std::vector<SampleTile> tiles = sampleTiles();
    EXPECT_GE(tiles.size(), 40u);
    std::set<int> numbers, classes;
    std::set<std::string> images, names;
    for (const SampleTile& t : tiles) {
        numbers.insert(t.number);
        classes.insert(t.tileClass);
        names.insert(t.image);
        images.insert(t.picture.bmpFile());
        EXPECT_GE(t.number, 1);
        EXPECT_LE(t.number, 99);
    }
    EXPECT_EQ(numbers.size(), tiles.size());
    EXPECT_EQ(names.size(), tiles.size());
    EXPECT_EQ(images.size(), tiles.size());
    EXPECT_EQ(classes, (std::set<int>{0, 1, 2, 3, 4, 5, 6}));
}

TEST(SampleData, BitmapsAre20By20With24Bits)
{
    const std::string bmp = sampleTiles().front().picture.bmpFile();
    ASSERT_EQ(bmp.size(), 54u + 20 * 20 * 3);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(bmp[18], 20);
    EXPECT_EQ(bmp[22], 20);
    EXPECT_EQ(bmp[28], 24);
}

TEST(SampleData, MapIsALevelOfKnownTiles)
{
    const std::string map = sampleMapFile();
    ASSERT_EQ(map.size(), 10000u);
    std::set<int> used;
    for (const char c : map)
        used.insert(static_cast<unsigned char>(c));
    EXPECT_GE(used.size(), 30u);
    EXPECT_LE(*used.rbegin(), static_cast<int>(sampleTiles().size()));
    EXPECT_EQ(used.count(0), 0u);
    EXPECT_EQ(map[0], tile::stoneWall);
}

}  // namespace
}  // namespace sample
