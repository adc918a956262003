#include "formats/script_line.h"

#include <gtest/gtest.h>

namespace formats {
namespace {

// The examples of whole lines are checked through the window; these are the
// cases only a hand-edited script brings in.

TEST(ScriptLine, NegativeAndFractionalNumbersCarryTheirOwnSign)
{
    EXPECT_EQ(composeScriptLine({false, "player", "3", "", -2.5, -7, 1}), "set player 3 -2.5-7 1");
}

TEST(ScriptLine, OnlyAnExactSetIsComputerSteeredAndOnlyAnExactPlayerCarriesFields)
{
    const auto taken = takeScriptLineApart("SET Player 3 1 1 1 1");
    ASSERT_TRUE(taken);
    EXPECT_TRUE(taken->isUser);
    EXPECT_FALSE(taken->player);
}

TEST(ScriptLine, RefusesLinesWithoutAnEndForAWordOrAFinalDigit)
{
    for (const char* line : {"", "set player", "set player 3 1 130 250", "set player 3 1 130 250 "})
        EXPECT_FALSE(takeScriptLineApart(line)) << '"' << line << '"';
}

TEST(ScriptLine, ReadsHandEditedNumbers)
{
    const auto low = takeScriptLineApart("set player 7 2 abc -40000.5 9");
    ASSERT_TRUE(low && low->player);
    EXPECT_EQ(low->player->x, 0);
    EXPECT_EQ(low->player->y, -32768);
    EXPECT_EQ(low->player->direction, kNoDirection);

    const auto half = takeScriptLineApart("set player 7 2 1 2.5 3");
    ASSERT_TRUE(half && half->player);
    EXPECT_EQ(half->player->y, 2);  // a half goes to the even neighbour
    EXPECT_EQ(half->player->direction, 3);
}

}  // namespace
}  // namespace formats
