#include "sparkloom/core/row_edits.h"

#include <gtest/gtest.h>

namespace sparkloom {
namespace {

TEST(EntryLine, PadsSingleDigitValuesToTwoColumns)
{
    EXPECT_EQ(entryLine("5", "0", "smoke.spr"), "05 00 smoke.spr");
    EXPECT_EQ(entryLine("5", "12", "fire.spr"), "05 12 fire.spr");
    EXPECT_EQ(entryLine("42", "12", "fire.spr"), "42 12 fire.spr");
    EXPECT_EQ(entryLine("10", "9", ""), "10 09 ");
    EXPECT_EQ(entryLine("99", "99", "x.spr"), "99 99 x.spr");
}

TEST(EntryLine, RefusesValuesAbove99)
{
    EXPECT_FALSE(entryLine("100", "0", "a.spr"));
    EXPECT_FALSE(entryLine("0", "100", "a.spr"));
    EXPECT_FALSE(entryLine("99.5", "0", "a.spr"));
    EXPECT_FALSE(entryLine("0", " 1 0 0", "a.spr"));
    EXPECT_FALSE(entryLine("1e999", "0", "a.spr"));
}

TEST(EntryLine, KeepsTheTextsAsTypedAndPadsByValue)
{
    EXPECT_EQ(entryLine("05", "0", "a.spr"), "005 00 a.spr");
    EXPECT_EQ(entryLine("", "", "a.spr"), "0 0 a.spr");
    EXPECT_EQ(entryLine("7.5", "1", "a.spr"), "07.5 01 a.spr");
    EXPECT_EQ(entryLine("ab", "3 ", "a.spr"), "0ab 03  a.spr");
    EXPECT_EQ(entryLine("99.0", "-1", "a.spr"), "99.0 0-1 a.spr");
}

TEST(SwitchedRow, BracketGoesOnAndComesOffAgain)
{
    EXPECT_EQ(switchedRow("05 12 fire.spr"), "[05 12 fire.spr");
    EXPECT_EQ(switchedRow("[05 12 fire.spr"), "05 12 fire.spr");
    // Only one bracket comes off at a time.
    EXPECT_EQ(switchedRow("[[x"), "[x");
    EXPECT_EQ(switchedRow(""), "[");
    EXPECT_EQ(switchedRow("["), "");
}

TEST(SelectionAfterDelete, FollowsTheRowThatMovedUpOrTheNewLastRow)
{
    EXPECT_EQ(selectionAfterDelete(1, 4), 1);
    EXPECT_EQ(selectionAfterDelete(0, 4), 0);
    EXPECT_EQ(selectionAfterDelete(4, 4), 3);
    EXPECT_EQ(selectionAfterDelete(0, 0), -1);
}

}  // namespace
}  // namespace sparkloom
