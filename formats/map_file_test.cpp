#include "formats/map_file.h"

#include <gtest/gtest.h>

namespace formats {
namespace {

TEST(MapFile, OffsetsMapToCellsRowByRow)
{
    std::string bytes(10000, '\0');
    bytes[0] = 1;
    bytes[99] = 2;
    bytes[100] = 3;
    bytes[9999] = 100;
    const auto grid = parseMapFile(bytes);
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->at(1, 1), 1);
    EXPECT_EQ(grid->at(100, 1), 2);
    EXPECT_EQ(grid->at(1, 2), 3);
    EXPECT_EQ(grid->at(100, 100), 100);
    EXPECT_EQ(mapFileBytes(*grid, ""), bytes);
}

TEST(MapFile, RefusesBytesAboveOneHundredAnywhereInTheMap)
{
    std::string bytes(10000, '\0');
    bytes[9999] = static_cast<char>(101);
    EXPECT_FALSE(parseMapFile(bytes));
    bytes[9999] = 0;
    EXPECT_TRUE(parseMapFile(bytes + std::string(5, '\xFF')));  // past the map: ignored
}

TEST(MapFile, WriterKeepsTheOldTailOnly)
{
    MapGrid grid;
    grid.set(1, 1, 7);
    EXPECT_EQ(mapFileBytes(grid, std::string(10000, 'x') + "tail").substr(10000), "tail");
    EXPECT_EQ(mapFileBytes(grid, "short").size(), 10000u);
    EXPECT_EQ(mapPath(""), "map\\.map");
}

}  // namespace
}  // namespace formats
