#include "files/game_path.h"

#include "temp_dir.h"

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

}  // namespace
}  // namespace tervok
