#include "formats/shot_file.h"

#include <gtest/gtest.h>

namespace formats {
namespace {

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

}  // namespace
}  // namespace formats
