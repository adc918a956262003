#include "common/files/game_path.h"

#include "common/encoding/cp1252.h"

#include "common/testing/temp_dir.h"

#include <gtest/gtest.h>

namespace tervok {
namespace {

using testing::TempDir;
using testing::writeFile;

TEST(GamePath, BackslashesBecomeSeparators)
{
    TempDir dir;
    EXPECT_EQ(nativePath("map\\map1.map"), std::filesystem::path("map/map1.map"));
    EXPECT_EQ(nativePath("map\\.map"), std::filesystem::path("map/.map"));
}

// The path as written is what nativePath builds for a path that exists,
// also where a component holds a "/" or starts with one.
TEST(GamePath, ThePathAsWrittenJoinsComponentsAsPathDoes)
{
    for (const char* game : {"map\\map1.map", "a\\\\b\\", "..\\x", "ep\\/abs\\y", "ep\\a/\\b", "\\lead", "",
                             "map\\K\xE4" "fer.map"}) {
        std::filesystem::path joined;
        for (const std::string& part : gamePathComponents(game))
            joined /= cp1252ToUtf8(part);
        EXPECT_EQ(pathAsWritten(game).string(), joined.string()) << game;
    }
}

TEST(GamePath, MatchesCaseInsensitivelyOnlyWhenOneEntryFits)
{
    TempDir dir;
    writeFile("Sprites/Particle.LST", "x");
    EXPECT_EQ(nativePath("sprites\\particle.lst"), std::filesystem::path("Sprites/Particle.LST"));

    writeFile("ep/Grass.bmp", "a");
    writeFile("ep/GRASS.bmp", "b");
    EXPECT_EQ(nativePath("ep\\grass.bmp"), std::filesystem::path("ep/grass.bmp"));
    EXPECT_EQ(nativePath("ep\\GRASS.bmp"), std::filesystem::path("ep/GRASS.bmp"));
}

TEST(GamePath, NamesAreConvertedFromWindows1252)
{
    TempDir dir;
    EXPECT_EQ(nativePath("map\\K\xE4" "fer.map").string(), "map/K\xC3\xA4" "fer.map");
}

TEST(GamePath, MatchesWindows1252LettersCaseInsensitively)
{
    TempDir dir;
    writeFile("map/w\xC3\x9Cste.map", "x");  // wÜste.map
    EXPECT_EQ(nativePath("map\\w\xFCste.map").string(), "map/w\xC3\x9Cste.map");  // typed wüste
    EXPECT_EQ(nativePath("MAP\\W\xDCSTE.MAP").string(), "map/w\xC3\x9Cste.map");
    writeFile("map/\xC5\xA0" "ar.map", "x");  // Šar.map
    EXPECT_EQ(nativePath("map\\\x9A" "ar.map").string(), "map/\xC5\xA0" "ar.map");

    // Still only when exactly one entry fits, and never across a name that
    // Windows-1252 cannot hold.
    writeFile("map/W\xC3\x9CSTE.map", "y");
    EXPECT_EQ(nativePath("map\\w\xFCste.map").string(), "map/w\xC3\xBCste.map");
    writeFile("map/\xD0\xBA.map", "z");
    EXPECT_EQ(nativePath("map\\?.map").string(), "map/?.map");
}

}  // namespace
}  // namespace tervok
