#include "shot_file.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

namespace boltloom {
namespace {

using tervok::testing::readFile;
using tervok::testing::TempDir;
using tervok::testing::writeFile;

const ShotRecord kLaser{"25", "800", "60", "20", "laser.spr", "5", "Laser", "0"};

const char* const kLaserBytes =
    "[Schaden]\r\n25\r\n"
    "[Speed]\r\n800\r\n"
    "[ttl in frames]\r\n60\r\n"
    "[reload time in frames]\r\n20\r\n"
    "[Shot-Sprite]\r\nlaser.spr\r\n"
    "[Explo-Sprite]\r\n5\r\n"
    "[Name]\r\nLaser\r\n"
    "[Schadenradius]\r\n0\r\n";

TEST(ShotFilePath, JoinsTheThreePartsWithNothingAdded)
{
    EXPECT_EQ(shotFilePath("shots\\", "laser", ".sht"), "shots\\laser.sht");
    EXPECT_EQ(shotFilePath("shots\\", "", ".sht"), "shots\\.sht");
}

TEST(ShotFileBytes, WritesSixteenLinesHeadersAndValuesAlternating)
{
    EXPECT_EQ(shotFileBytes(kLaser), kLaserBytes);
    EXPECT_EQ(shotFileBytes(ShotRecord{}),
              "[Schaden]\r\n\r\n[Speed]\r\n\r\n[ttl in frames]\r\n\r\n[reload time in frames]\r\n\r\n"
              "[Shot-Sprite]\r\n\r\n[Explo-Sprite]\r\n\r\n[Name]\r\n\r\n[Schadenradius]\r\n\r\n");
}

TEST(ShotFileBytes, WritesEveryValueUnchecked)
{
    ShotRecord odd{" 1", "x,y", "\"q\"", "-", "a b.spr", "\xE4", "Laser, big", "[r]"};
    const std::string bytes = shotFileBytes(odd);
    EXPECT_NE(bytes.find("\r\n 1\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\nx,y\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\n\"q\"\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\n\xE4\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\nLaser, big\r\n"), std::string::npos);
}

TEST(ParseShotFile, ReadsWhatWasWrittenWhateverTheHeadersSay)
{
    EXPECT_EQ(parseShotFile(kLaserBytes), kLaser);
    EXPECT_EQ(parseShotFile(shotFileBytes(ShotRecord{})), ShotRecord{});

    const std::string otherHeaders = "[a]\r\n25\r\nb\r\n800\r\n\r\n60\r\n[]\r\n20\r\n"
                                     "x\r\nlaser.spr\r\ny\r\n5\r\nz\r\nLaser\r\nw\r\n0\r\n";
    EXPECT_EQ(parseShotFile(otherHeaders), kLaser);
}

TEST(ParseShotFile, IgnoresTrailingDataAndAcceptsAMissingLastLineEnd)
{
    EXPECT_EQ(parseShotFile(std::string(kLaserBytes) + "more\r\nlines\r\n"), kLaser);
    std::string unterminated = kLaserBytes;
    unterminated.resize(unterminated.size() - 2);
    EXPECT_EQ(parseShotFile(unterminated), kLaser);
}

TEST(ParseShotFile, FailsWhenFewerThanSixteenFieldsCanBeRead)
{
    EXPECT_FALSE(parseShotFile(""));
    EXPECT_FALSE(parseShotFile("[Schaden]\r\n25\r\n[Speed]\r\n800\r\n[ttl in frames]\r\n60\r\n"
                               "[reload time in frames]\r\n20\r\n[Shot-Sprite]\r\nlaser.spr\r\n"));
    // The empty last value of a file cut before its final line end is lost.
    const std::string empty = shotFileBytes(ShotRecord{});
    EXPECT_FALSE(parseShotFile(empty.substr(0, empty.size() - 2)));
}

TEST(ParseShotFile, SplitsValuesTheFieldReaderSplits)
{
    ShotRecord shot = kLaser;
    shot.schaden = " 25";
    shot.name = "Laser, big";
    const std::optional<ShotRecord> back = parseShotFile(shotFileBytes(shot));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->schaden, "25");  // a leading blank is lost
    EXPECT_EQ(back->name, "Laser");
    EXPECT_EQ(back->schadenradius, "[Schadenradius]");  // "big" was taken for the header
}

TEST(ShotFileOnDisk, SavesAndLoadsThroughGamePaths)
{
    TempDir dir;
    std::filesystem::create_directory("shots");
    ASSERT_TRUE(saveShotFile("shots\\laser.sht", kLaser));
    EXPECT_EQ(readFile("shots/laser.sht"), kLaserBytes);
    EXPECT_EQ(loadShotFile("shots\\laser.sht"), kLaser);
    EXPECT_FALSE(loadShotFile("shots\\missing.sht"));
}

TEST(ShotFileOnDisk, FailedSaveLeavesTheOldFile)
{
    TempDir dir;
    EXPECT_FALSE(saveShotFile("shots\\laser.sht", kLaser));  // no folder
    EXPECT_FALSE(std::filesystem::exists("shots"));

    writeFile("shots/laser.sht", "old");
    tervok::testing::makeReadOnly("shots/laser.sht");
    EXPECT_FALSE(saveShotFile("shots\\laser.sht", kLaser));
    EXPECT_EQ(readFile("shots/laser.sht"), "old");
    EXPECT_EQ(tervok::testing::entryCount("shots"), 1u);
}

}  // namespace
}  // namespace boltloom
