#include "formats/slot_line.h"

#include <gtest/gtest.h>

namespace formats {
namespace {

WeaponSlot slot(std::string shottyp, int present, std::string munnition, std::string maxMunni)
{
    return WeaponSlot{std::move(shottyp), present, std::move(munnition), std::move(maxMunni)};
}

TEST(SlotLineTest, FillPadsOnTheLeftWithZerosSignIncluded)
{
    EXPECT_EQ(fillAmmunition(""), "0000");
    EXPECT_EQ(fillAmmunition("7"), "0007");
    EXPECT_EQ(fillAmmunition("-1"), "00-1");
    EXPECT_EQ(fillAmmunition("9999"), "9999");
    EXPECT_EQ(fillAmmunition("12345"), "12345");
}

TEST(SlotLineTest, WritesFixedColumns)
{
    EXPECT_EQ(slotLine(slot("12", 1, "0250", "0500")), "12 1 0250 0500");
    // One "0" goes in front of a short weapon number; an empty one becomes
    // a single "0", which moves every later column one place to the left.
    EXPECT_EQ(slotLine(slot("5", 0, "0000", "0000")), "05 0 0000 0000");
    EXPECT_EQ(slotLine(slot("", 1, "0000", "0000")), "0 1 0000 0000");
    EXPECT_EQ(slotLine(slot("123", 2, "12345", "00-1")), "123 2 12345 00-1");
}

TEST(SlotLineTest, ReadsBackByColumn)
{
    EXPECT_EQ(readSlotLine("05 1 0250 00-1"), slot("05", 1, "0250", "00-1"));
    // A five-digit ammunition pushes the maximum one column to the right.
    EXPECT_EQ(readSlotLine("05 0 12345 0500"), slot("05", 0, "1234", " 050"));
    // An empty weapon number leaves a blank in column 2 and none in column 4.
    EXPECT_EQ(readSlotLine("0 1 0000 0000"), slot("0 ", 0, "000 ", "000"));
}

TEST(SlotLineTest, ShortOrOddLinesGiveShortTextsAndFlagZero)
{
    EXPECT_EQ(readSlotLine(""), slot("", 0, "", ""));
    EXPECT_EQ(readSlotLine("7"), slot("7", 0, "", ""));
    EXPECT_EQ(readSlotLine("07 x 1"), slot("07", 0, "1", ""));
    EXPECT_EQ(readSlotLine("07 -1").present, 0);
    EXPECT_EQ(readSlotLine("07 2 0000 0000").present, 2);
    EXPECT_EQ(readSlotLine("07 9 0000 0000").present, 9);
}

TEST(SlotLineTest, LabelsRunFromOneToColon)
{
    EXPECT_EQ(slotLabel(0), "weapon[1]");
    EXPECT_EQ(slotLabel(8), "weapon[9]");
    EXPECT_EQ(slotLabel(9), "weapon[:]");
}

TEST(SlotLineTest, CheckStateKeepsGreyedAndTicksOtherDigits)
{
    EXPECT_EQ(checkStateOf(0), 0);
    EXPECT_EQ(checkStateOf(1), 1);
    EXPECT_EQ(checkStateOf(2), 2);
    EXPECT_EQ(checkStateOf(7), 1);
}

}  // namespace
}  // namespace formats
