// The map and script files on disk, as the level editor's commands use them,
// without any window.
#include "formats/map_file.h"
#include "formats/script_file.h"
#include "formats/tile_catalogue.h"

#include "common/testing/other_user.h"
#include "common/testing/temp_dir.h"

#include <gtest/gtest.h>

namespace formats {
namespace {

using namespace tervok::testing;


TEST(MapFileOnDisk, ASaveKeepsTheBytesPastTheMapAndANewFileGetsNone)
{
    TempDir dir;
    writeFile("map/old.map", std::string(kMapFileSize, '\x01') + "tail bytes");
    MapGrid grid;
    grid.set(3, 2, 7);
    ASSERT_TRUE(saveMapFile("map\\old.map", grid));
    EXPECT_EQ(readFile("map/old.map"), mapFileBytes(grid, "") + "tail bytes");
    ASSERT_TRUE(saveMapFile("map\\fresh.map", grid));
    EXPECT_EQ(readFile("map/fresh.map").size(), kMapFileSize);

    const tervok::Result<MapGrid> loaded = loadMapFile("MAP\\OLD.MAP");
    ASSERT_TRUE(loaded);
    EXPECT_EQ(*loaded, grid);
}

// The old file is read before anything is written: one that cannot be read
// leaves the save undone.
TEST(MapFileOnDisk, AnUnreadableOldFileStopsTheSave)
{
    TempDir dir;
    const std::string old(kMapFileSize + 5, '\x02');
    writeFile("map/locked.map", old);
    giveToOrdinaryUser("map/locked.map");
    std::filesystem::permissions("map/locked.map", std::filesystem::perms::owner_write);
    const std::optional<std::string> outcome = runAsOrdinaryUser([] {
        const tervok::Status saved = saveMapFile("map\\locked.map", MapGrid{});
        return saved ? std::string("saved") : saved.error().describe();
    });
    ASSERT_TRUE(outcome);
    EXPECT_EQ(*outcome, "permission denied");
    std::filesystem::permissions("map/locked.map", std::filesystem::perms::owner_read,
                                 std::filesystem::perm_options::add);
    EXPECT_EQ(readFile("map/locked.map"), old);
}

TEST(MapFileOnDisk, LoadAndCreateSayWhyTheyFail)
{
    TempDir dir;
    writeFile("map/bad.map", std::string(150, '\0') + '\xC8');
    const tervok::Result<MapGrid> bad = loadMapFile("map\\bad.map");
    ASSERT_FALSE(bad);
    EXPECT_EQ(bad.error().describe(), "byte 150: cell (51, 2) holds tile 200, above 100");
    EXPECT_EQ(bad.error().path, "map\\bad.map");
    const tervok::Result<MapGrid> none = loadMapFile("map\\none.map");
    EXPECT_EQ(none.error().kind, tervok::ErrorKind::NotFound);
    EXPECT_EQ(none.error().path, "map\\none.map");
    EXPECT_EQ(createMapFile("nofolder\\x.map").error().kind, tervok::ErrorKind::FolderMissing);
    ASSERT_TRUE(createMapFile("map\\bad.map"));
    EXPECT_EQ(readFile("map/bad.map").size(), 151u);
}

TEST(ScriptFileOnDisk, SavesTheGrammarHeaderAndLoadsTheRowsBack)
{
    TempDir dir;
    std::filesystem::create_directory("map");
    const ScriptRows rows{"set player 3 1 130 250 2", "", "def x"};
    ASSERT_TRUE(saveScriptFile("map\\map1.msc", "set <type>", rows));
    EXPECT_EQ(readFile("map/map1.msc"), "[set <type>]\r\nset player 3 1 130 250 2\r\n\r\ndef x\r\n");
    EXPECT_EQ(loadScriptFile("map\\map1.msc"), rows);
    writeFile("map/empty.msc", "");
    EXPECT_EQ(loadScriptFile("map\\empty.msc").error().describe(), "no header line");
}

TEST(TileCatalogueOnDisk, LoadsTheCatalogueAtItsFixedPath)
{
    TempDir dir;
    EXPECT_EQ(loadTileCatalogue().error().kind, tervok::ErrorKind::NotFound);
    writeFile("Map/MapTeile.LST", "[nr kl name]\r\n01 04 grass001\r\n");
    const tervok::Result<TileCatalogue> tiles = loadTileCatalogue();
    ASSERT_TRUE(tiles);
    EXPECT_EQ(tiles->names[1], "grass001");
    EXPECT_EQ(tiles->classes[1], 4);
}

}  // namespace
}  // namespace formats
