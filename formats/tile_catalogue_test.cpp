#include "formats/tile_catalogue.h"

#include <gtest/gtest.h>

namespace formats {
namespace {

TEST(TileCatalogue, ReadsNumberClassAndNameByColumn)
{
    const auto c = parseTileCatalogue("[tiles]\r\n07 03 stone.bmp\r\n\r\n08 04 \r\n");
    EXPECT_EQ(c.names[7], "stone.bmp");
    EXPECT_EQ(c.classes[7], 3);
    EXPECT_EQ(c.names[8], "");
    EXPECT_EQ(c.classes[8], 4);
    EXPECT_EQ(c.names[0], "");
}

TEST(TileCatalogue, LaterEntriesWinAndCommasStartNewEntries)
{
    const auto c = parseTileCatalogue("05 01 old.bmp\r\n05 02 new.bmp\r\n00 01 zero.bmp\r\n06 01 a,bc\r\n");
    EXPECT_EQ(c.names[5], "new.bmp");
    EXPECT_EQ(c.classes[5], 2);
    EXPECT_EQ(c.names[0], "");  // "bc" after the comma replaced tile 0
    EXPECT_EQ(c.classes[0], 0);
    EXPECT_EQ(c.names[6], "a");
}

TEST(TileCatalogue, OutOfRangeNumbersAndClassesNeverStopTheReader)
{
    const auto c = parseTileCatalogue("-5 01 neg.bmp\r\n07 03 12wall.bmp\r\n09 -1 x.bmp\r\n\" 08 01 q.bmp\"\r\n");
    EXPECT_EQ(c.names[7], "12wall.bmp");
    EXPECT_EQ(c.classes[7], 0);  // 312 is no class
    EXPECT_EQ(c.classes[9], 0);
    EXPECT_EQ(c.names[8], "");  // a quoted field starting with a blank is skipped
}

TEST(TileCatalogue, ListHasAnEmptyFirstItemAnd100Names)
{
    const auto items = parseTileCatalogue("00 01 zero.bmp\r\n01 01 one.bmp\r\n").listItems();
    ASSERT_EQ(items.size(), 101u);
    EXPECT_EQ(items[0], "");
    EXPECT_EQ(items[1], "one.bmp");
}

TEST(TileCatalogue, ImagePathDropsTheLastThreeCharacters)
{
    EXPECT_EQ(tileImagePath("grass.bmp"), "ep\\grass..bmp");
    EXPECT_EQ(tileImagePath("abcdefg"), "ep\\abcd.bmp");
    EXPECT_EQ(tileImagePath("abc"), "ep\\.bmp");
    EXPECT_EQ(tileImagePath("ab"), std::nullopt);
}

}  // namespace
}  // namespace formats
