#include "terraloom/core/region_clipboard.h"

#include <gtest/gtest.h>

namespace terraloom {
namespace {

std::string refusal(std::string_view text)
{
    const tervok::Result<CellBlock> cells = parseCellsText(text);
    return cells ? "taken" : cells.error().describe();
}

TEST(CellsText, WritesAndReadsBack)
{
    const CellBlock block{3, 2, {0, 100, 7, 12, 0, 99}};
    EXPECT_EQ(cellsText(block), "tervok-cells 3 2\n0,100,7\n12,0,99\n");
    EXPECT_EQ(parseCellsText(cellsText(block)), block);
    CellBlock whole{100, 100, std::vector<std::uint8_t>(10000, 100)};
    EXPECT_EQ(parseCellsText(cellsText(whole)), whole);
}

// Blanks and tabs around words and numbers, CR LF or LF (mixed, even), the
// last line end left out, leading zeros.
TEST(CellsText, TakesOddSpacingAndEitherLineEnd)
{
    const CellBlock block{3, 2, {1, 2, 3, 40, 5, 100}};
    EXPECT_EQ(parseCellsText("tervok-cells 3 2\r\n1,2,3\r\n40,5,100\r\n"), block);
    EXPECT_EQ(parseCellsText("tervok-cells 3 2\n1,2,3\r\n40,5,100"), block);
    EXPECT_EQ(parseCellsText(" \ttervok-cells  3\t2 \n 1 ,\t2,3\t\n040 , 5 ,100 "), block);
}

TEST(CellsText, RefusesAnythingElse)
{
    EXPECT_EQ(refusal(""), "no text");
    EXPECT_EQ(refusal("hello"), "line 1: not \"tervok-cells WIDTH HEIGHT\"");
    EXPECT_EQ(refusal("tervok-cells 2 1 x\n1,2"), "line 1: not \"tervok-cells WIDTH HEIGHT\"");
    EXPECT_EQ(refusal("tervok-cells 0 1\n"), "line 1: width and height run from 1 to 100");
    EXPECT_EQ(refusal("tervok-cells 2 101\n"), "line 1: width and height run from 1 to 100");
    EXPECT_EQ(refusal("tervok-cells -2 1\n1,2"), "line 1: width and height run from 1 to 100");
    EXPECT_EQ(refusal("tervok-cells 3 1\n1,2"), "line 2: 2 numbers where the width is 3");
    EXPECT_EQ(refusal("tervok-cells 2 1\n1,2,3"), "line 2: more numbers than the width 2");
    EXPECT_EQ(refusal("tervok-cells 2 1\n1,,2"), "line 2: a number is missing");
    EXPECT_EQ(refusal("tervok-cells 2 1\n1,2,"), "line 2: a number is missing");
    EXPECT_EQ(refusal("tervok-cells 2 1\n1 2"), "line 2: \"1 2\" is no tile from 0 to 100");
    EXPECT_EQ(refusal("tervok-cells 2 1\n1,101"), "line 2: \"101\" is no tile from 0 to 100");
    EXPECT_EQ(refusal("tervok-cells 2 1\n1,-1"), "line 2: \"-1\" is no tile from 0 to 100");
    EXPECT_EQ(refusal("tervok-cells 1 1\n123456789012345678901"),
              "line 2: \"12345678901234567890...\" is no tile from 0 to 100");
    EXPECT_EQ(refusal("tervok-cells 1 1\n12345678901234567890"),
              "line 2: \"12345678901234567890\" is no tile from 0 to 100");
    EXPECT_EQ(refusal("tervok-cells 2 1\n1,2\r\r\n"), "line 2: \"2?\" is no tile from 0 to 100");
    EXPECT_EQ(refusal("tervok-cells 2 2\n1,2\n"), "only 1 of 2 rows");
    EXPECT_EQ(refusal("tervok-cells 2 1\n1,2\n\n"), "line 3: more rows than the height 1");
    EXPECT_EQ(refusal("tervok-cells 2 1\n1,2\n3,4"), "line 3: more rows than the height 1");
}

}  // namespace
}  // namespace terraloom
