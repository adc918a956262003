#include "bench/worst_case_data.h"

#include "common/files/game_path.h"
#include "common/testing/temp_dir.h"
#include "formats/script_file.h"
#include "formats/tile_catalogue.h"

#include <gtest/gtest.h>

#include <set>

namespace bench {
namespace {

using tervok::testing::TempDir;

TEST(WorstCaseData, EveryViewPositionShowsOneHundredDifferentTiles)
{
    const std::string map = worstCaseMapFile();
    ASSERT_EQ(map.size(), 10000u);
    for (int row = 1; row <= 91; ++row) {
        for (int column = 1; column <= 91; ++column) {
            std::set<unsigned char> shown;
            for (int y = row; y < row + 10; ++y)
                for (int x = column; x < column + 10; ++x)
                    shown.insert(static_cast<unsigned char>(map[static_cast<std::size_t>((y - 1) * 100 + x - 1)]));
            ASSERT_EQ(shown.size(), 100u) << "view at " << column << " : " << row;
        }
    }
}

// The editor reads the catalogue by columns and derives each bitmap's path
// from the name; every tile must come out named, with a path of its own.
TEST(WorstCaseData, CatalogueNamesEveryTileWithItsOwnBitmapAndClassesVary)
{
    const formats::TileCatalogue catalogue = formats::parseTileCatalogue(worstCaseTileCatalogue());
    std::set<std::string> paths;
    std::set<int> classes;
    for (int tile = 0; tile < kWorstCaseTiles; ++tile) {
        const std::optional<std::string> path = formats::tileImagePath(catalogue.names[static_cast<std::size_t>(tile)]);
        ASSERT_TRUE(path) << "tile " << tile;
        paths.insert(*path);
        classes.insert(catalogue.classes[static_cast<std::size_t>(tile)]);
    }
    EXPECT_EQ(paths.size(), 100u);
    EXPECT_EQ(*paths.begin(), "ep\\tile00.bmp");
    EXPECT_EQ(classes.size(), 11u);
}

TEST(WorstCaseData, BitmapsAreAllDifferent20By20Images)
{
    std::set<std::string> bitmaps;
    for (int tile = 0; tile < kWorstCaseTiles; ++tile) {
        const std::string bmp = worstCaseTileBitmap(tile);
        ASSERT_EQ(bmp.size(), 54u + 20 * 20 * 3);
        EXPECT_EQ(bmp.substr(0, 2), "BM");
        bitmaps.insert(bmp);
    }
    EXPECT_EQ(bitmaps.size(), 100u);
}

TEST(WorstCaseData, FolderHoldsEveryFileTheEditorsOpen)
{
    TempDir dir;
    ASSERT_TRUE(writeWorstCaseData(dir.path()));
    const formats::TileCatalogue catalogue =
        formats::parseTileCatalogue(tervok::testing::readFile(tervok::nativePath("map\\mapteile.lst")));
    for (int tile = 0; tile < kWorstCaseTiles; ++tile) {
        const std::string path = *formats::tileImagePath(catalogue.names[static_cast<std::size_t>(tile)]);
        EXPECT_EQ(tervok::testing::readFile(tervok::nativePath(path)), worstCaseTileBitmap(tile)) << path;
    }
    EXPECT_EQ(tervok::testing::readFile("map/map1.map"), worstCaseMapFile());
    const tervok::Result<formats::ScriptRows> script =
        formats::parseScriptFile(tervok::testing::readFile("map/map1.msc"));
    ASSERT_TRUE(script);
    EXPECT_EQ(script->size(), formats::kMaxScriptRows);
    for (const char* file : {"player/player.lst", "shots/weapons.lst", "sprites/particle.lst", "player/soldier.dat",
                             "shots/laser.sht"})
        EXPECT_FALSE(tervok::testing::readFile(file).empty()) << file;
}

}  // namespace
}  // namespace bench
