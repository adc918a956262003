#include "formats/player_file.h"

#include "common/testing/temp_dir.h"
#include "formats/player_file_samples.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace formats {
namespace {

using tervok::testing::readFile;
using tervok::testing::TempDir;
using tervok::testing::writeFile;

// A record that survives a save and a load unchanged.
PlayerRecord fullRecord()
{
    PlayerRecord record;
    record.sprite = "12";
    record.team = "2";
    record.health = "250";
    record.moveSpeed = "175";
    record.stepSpeed = "80";
    record.blood = "05";
    record.exploBlood = "11";
    for (int i = 0; i < kWeaponSlotCount; ++i) {
        WeaponSlot& slot = record.slots[static_cast<std::size_t>(i)];
        slot.shottyp = "1" + std::to_string(i);
        slot.present = i % 2;
        slot.munnition = i == 3 ? "00-1" : "01" + std::to_string(i) + "0";
        slot.maxMunni = std::to_string(9990 + i);
    }
    return record;
}

TEST(PlayerFileTest, NewPlayerGivesTheFixedLayout)
{
    const std::string bytes = playerFileBytes(withFilledAmmunition(PlayerRecord{}));
    EXPECT_EQ(bytes, samples::newPlayerFile());
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 35);
}

TEST(PlayerFileTest, SaveThenLoadGivesEveryFieldBack)
{
    TempDir dir;
    std::filesystem::create_directory("player");
    PlayerRecord record = fullRecord();
    ASSERT_TRUE(savePlayerFile("player\\hero.dat", record));
    EXPECT_EQ(record, fullRecord());
    EXPECT_EQ(loadPlayerFile("player\\hero.dat"), fullRecord());
}

TEST(PlayerFileTest, SaveFillsAmmunitionButNotTheWeaponNumber)
{
    TempDir dir;
    PlayerRecord record;
    record.slots[0] = WeaponSlot{"5", 1, "-1", ""};
    record.slots[1] = WeaponSlot{"7", 0, "12345", "30"};
    ASSERT_TRUE(savePlayerFile("p.dat", record));

    const PlayerRecord filled = withFilledAmmunition(record);
    EXPECT_EQ(filled.slots[0], (WeaponSlot{"5", 1, "00-1", "0000"}));
    EXPECT_EQ(filled.slots[1], (WeaponSlot{"7", 0, "12345", "0030"}));
    const std::string bytes = readFile("p.dat");
    EXPECT_NE(bytes.find("\r\n05 1 00-1 0000\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\n07 0 12345 0030\r\n"), std::string::npos);

    const tervok::Result<PlayerRecord> loaded = loadPlayerFile("p.dat");
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->slots[0], (WeaponSlot{"05", 1, "00-1", "0000"}));
    EXPECT_EQ(loaded->slots[1], (WeaponSlot{"07", 0, "1234", " 003"}));
}

TEST(PlayerFileTest, EmptyWeaponNumberComesBackAsZeroAndBlankUnticked)
{
    TempDir dir;
    PlayerRecord record;
    record.slots[4] = WeaponSlot{"", 1, "10", "20"};
    ASSERT_TRUE(savePlayerFile("p.dat", record));
    EXPECT_NE(readFile("p.dat").find("weapon[5]\r\n0 1 0010 0020\r\n"), std::string::npos);
    const tervok::Result<PlayerRecord> loaded = loadPlayerFile("p.dat");
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->slots[4].shottyp, "0 ");
    EXPECT_EQ(loaded->slots[4].present, 0);
}

TEST(PlayerFileTest, CommaShiftsEveryLaterFieldAndLeadingBlanksAreLost)
{
    PlayerRecord record = fullRecord();
    record.sprite = "1,2";
    record.health = "  300";
    const tervok::Result<PlayerRecord> loaded = parsePlayerFile(playerFileBytes(record));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->sprite, "1");
    EXPECT_EQ(loaded->team, "[team]");   // the header, read as a value
    EXPECT_EQ(loaded->health, "[health]");
    EXPECT_EQ(loaded->moveSpeed, "[move speed *100]");

    record = fullRecord();
    record.health = "  300";
    EXPECT_EQ(parsePlayerFile(playerFileBytes(record))->health, "300");
}

TEST(PlayerFileTest, ReaderNeedsThirtyFiveFieldsAndIgnoresTheRest)
{
    const std::string full = playerFileBytes(fullRecord());
    EXPECT_EQ(parsePlayerFile(full + "trailing\r\nlines\r\n"), fullRecord());

    // The last slot line without its CR LF is still read.
    EXPECT_EQ(parsePlayerFile(full.substr(0, full.size() - 2)), fullRecord());

    const std::size_t lastLine = full.rfind("\r\n", full.size() - 3) + 2;
    EXPECT_FALSE(parsePlayerFile(full.substr(0, lastLine)));
    EXPECT_FALSE(parsePlayerFile(""));
}

TEST(PlayerFileTest, HeadersAndLabelsAreNotChecked)
{
    std::string text;
    for (int i = 0; i < 15; ++i)
        text += (i % 2 == 0 ? "x\r\n" : std::to_string(i) + "\r\n");
    for (int i = 0; i < kWeaponSlotCount; ++i)
        text += "?\r\n0" + std::to_string(i) + " 1 0001 0002\r\n";
    const tervok::Result<PlayerRecord> loaded = parsePlayerFile(text);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->sprite, "1");
    EXPECT_EQ(loaded->exploBlood, "13");
    EXPECT_EQ(loaded->slots[9], (WeaponSlot{"09", 1, "0001", "0002"}));
}

TEST(PlayerFileTest, FailedSaveLeavesTheOldFile)
{
    TempDir dir;
    PlayerRecord record;
    record.slots[0].munnition = "5";
    EXPECT_FALSE(savePlayerFile("missing\\p.dat", record));

    writeFile("old.dat", "old");
    tervok::testing::makeReadOnly("old.dat");
    EXPECT_FALSE(savePlayerFile("old.dat", record));
    EXPECT_EQ(readFile("old.dat"), "old");
}

TEST(PlayerFileTest, PathJoinsItsPartsAndAMissingFileLoadsNothing)
{
    TempDir dir;
    EXPECT_EQ(playerFilePath("player\\", "", ".dat"), "player\\.dat");
    EXPECT_FALSE(loadPlayerFile(playerFilePath("player\\", "nobody", ".dat")));
}

}  // namespace
}  // namespace formats
