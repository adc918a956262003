// The content check on small game folders held in memory: a clean folder,
// then one kind of file broken at a time, with the exact lines printed.
#include "tools/check/content_check.h"
#include "tools/check/findings_report.h"

#include "common/testing/bmp_bytes.h"
#include "formats/player_file.h"
#include "formats/shot_file.h"

#include <gtest/gtest.h>

#include <sstream>

namespace check {
namespace {

using tervok::testing::bmpFile;

std::string crlf(std::initializer_list<const char*> lines)
{
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + "\r\n";
    return text;
}

// Two tiles, one map of them with its script, a player, a shot and the
// three catalogues they refer to: nothing to find.
class ContentCheck : public ::testing::Test {
protected:
    ContentCheck()
    {
        game.addFile("map/mapteile.lst", crlf({"[nr kl name]", "01 04 grass_01", "02 03 water_01"}));
        game.addFile("ep/grass.bmp", bmpFile());
        game.addFile("ep/water.bmp", bmpFile());
        std::string cells(10000, '\x01');
        cells[5] = '\x02';
        game.addFile("map/map1.map", cells);
        game.addFile("map/map1.msc", crlf({"[set <type> <nmr> <anz> <x> <y> <r>]", "set player 1 1 130 250 2"}));
        game.addFile("player/player.lst", crlf({"[player (nummer name)]", "01 soldier"}));
        game.addFile("shots/weapons.lst", crlf({"[weapons (nummer name)]", "01 blaster"}));
        game.addFile("sprites/particle.lst", crlf({"[nummer repeat sprite]", "01 05 blood.spr", "[02 01 off.spr"}));
        game.addFile("sprites/blood.spr", "");
        game.addFile("sprites/laser.spr", "");
        formats::PlayerRecord soldier;
        soldier.blood = "1";
        soldier.slots[0] = {"01", 1, "-1", "-1"};
        game.addFile("player/soldier.dat", formats::playerFileBytes(formats::withFilledAmmunition(soldier)));
        game.addFile("shots/laser.sht",
                     formats::shotFileBytes({"25", "800", "60", "20", "laser.spr", "1", "Laser", "0"}));
    }

    // Every finding as printed, and the summary line apart.
    std::vector<std::string> lines()
    {
        std::ostringstream out;
        printText(out, checkContent(game));
        std::vector<std::string> printed;
        std::istringstream in(out.str());
        for (std::string line; std::getline(in, line);)
            printed.push_back(line);
        summary = printed.back();
        printed.pop_back();
        return printed;
    }

    MemoryFolder game;
    std::string summary;
};

using Lines = std::vector<std::string>;

TEST_F(ContentCheck, ACleanFolderHasNothingToReport)
{
    EXPECT_EQ(lines(), Lines{});
    EXPECT_EQ(summary, "0 errors, 0 warnings in 10 files");
}

TEST_F(ContentCheck, TileCatalogueEntriesAndTheirBitmaps)
{
    game.addFile("map/mapteile.lst",
                 crlf({"[nr kl name]", "01 04 grass_01", "02 03 water_01", "03 09 dark_01", "04 40 deep_01",
                       "05 04 7x_01", "06 04 ab", "07 04 cut_01", "08 04 big_01", "09 04 pipe_01", "01 04 grass_01",
                       "X1 04 zero_01", "11 04 a_01,12 04 b_01", "12 99 9far_01", "-1 04 neg_01", "13 -1 low_01"}));
    game.addFile("ep/cut.bmp", bmpFile().substr(0, 800));
    game.addFile("ep/big.bmp", bmpFile(32, 32));
    game.addOther("ep/pipe.bmp");
    game.addFile("ep/dark.bmp", bmpFile());
    game.addFile("ep/deep.bmp", bmpFile());
    game.addFile("ep/7x.bmp", bmpFile());
    game.addFile("ep/zero.bmp", bmpFile());
    game.addFile("ep/a.bmp", bmpFile());
    game.addFile("ep/low.bmp", bmpFile());
    // Columns are fixed: the tile number is columns 1-2, the class 4-5 (and
    // 6-8 when the name starts with digits), the name from 7 on. The comma on
    // line 13 makes tile 12 an entry of its own, which line 14 replaces; "X1"
    // reads as tile 0.
    EXPECT_EQ(lines(), (Lines{
        "map/mapteile.lst:4: warning: class 9 has no colour of its own: the overview draws it black",
        "map/mapteile.lst:5: warning: class 40 is above 10: the overview draws it black",
        "map/mapteile.lst:6: warning: class 47 is above 10: the overview draws it black",
        "map/mapteile.lst:6: warning: the digits that start the name join the class: it is read as 47, not 4",
        "map/mapteile.lst:7: error: tile 6 (ab): the name is too short to form an image path",
        "map/mapteile.lst:8: error: tile 7 (cut_01): the bitmap ep/cut.bmp cannot be read: pixel data cut short",
        "map/mapteile.lst:9: error: tile 8 (big_01): the bitmap ep/big.bmp is 32 x 32 pixels, not 20 x 20",
        "map/mapteile.lst:10: error: tile 9 (pipe_01): the bitmap ep/pipe.bmp is not a regular file",
        "map/mapteile.lst:11: warning: tile 1 is named again: this entry replaces line 2",
        "map/mapteile.lst:13: warning: the comma makes the rest of the line an entry of its own",
        "map/mapteile.lst:14: error: class 999 is outside 0 to 255: it is read as 0",
        "map/mapteile.lst:14: warning: the digits that start the name join the class: it is read as 999, not 99",
        "map/mapteile.lst:14: warning: tile 12 is named again: this entry replaces line 13",
        "map/mapteile.lst:14: error: tile 12 (9far_01): the bitmap ep/9far.bmp is missing",
        "map/mapteile.lst:15: error: tile number -1 is outside 0 to 100: the entry is skipped",
        "map/mapteile.lst:16: error: class -1 is outside 0 to 255: it is read as 0",
    }));
}

TEST_F(ContentCheck, MapCellsAgainstTheTileCatalogue)
{
    // Tile 3 has no name, tile 2 loses its bitmap; cells above 100 make the
    // editor refuse the file. Tile 0, the empty ground, is wrong only where
    // the catalogue names it without a bitmap. (Past five cells of a kind, a
    // count follows: see CheckOnDisk.)
    game.addFile("map/mapteile.lst", crlf({"[nr kl name]", "01 04 grass_01", "02 03 water_01", "00 04 zero_01"}));
    game.addFile("ep/water.bmp", "not a bitmap");
    std::string cells(10000, '\x01');
    cells[0] = '\x03';
    cells[101] = '\x02';
    for (std::size_t i = 200; i < 203; ++i)
        cells[i] = '\x02';
    cells[9998] = '\xC8';
    cells[9999] = '\xFF';
    game.addFile("map/map1.map", cells);
    game.addFile("map/short.map", std::string(40, '\x00'));
    EXPECT_EQ(lines(), (Lines{
        "map/map1.map: error: cell (1, 1): tile 3 has no name in the tile catalogue: the cell shows nothing",
        "map/map1.map: error: cell (2, 2): tile 2 (water_01) has no bitmap: the cell shows nothing",
        "map/map1.map: error: cell (1, 3): tile 2 (water_01) has no bitmap: the cell shows nothing",
        "map/map1.map: error: cell (2, 3): tile 2 (water_01) has no bitmap: the cell shows nothing",
        "map/map1.map: error: cell (3, 3): tile 2 (water_01) has no bitmap: the cell shows nothing",
        "map/map1.map: error: cell (99, 100): tile 200 is above 100: the editor refuses the whole file",
        "map/map1.map: error: cell (100, 100): tile 255 is above 100: the editor refuses the whole file",
        "map/mapteile.lst:3: error: tile 2 (water_01): the bitmap ep/water.bmp cannot be read: no bitmap header",
        "map/mapteile.lst:4: error: tile 0 (zero_01): the bitmap ep/zero.bmp is missing",
        "map/short.map: warning: the file holds 40 bytes, fewer than the 10000 cells of a map: the cells past its "
        "end are 0",
        "map/short.map: error: cell (1, 1): tile 0 (zero_01) has no bitmap: the cell shows nothing",
        "map/short.map: error: cell (2, 1): tile 0 (zero_01) has no bitmap: the cell shows nothing",
        "map/short.map: error: cell (3, 1): tile 0 (zero_01) has no bitmap: the cell shows nothing",
        "map/short.map: error: cell (4, 1): tile 0 (zero_01) has no bitmap: the cell shows nothing",
        "map/short.map: error: cell (5, 1): tile 0 (zero_01) has no bitmap: the cell shows nothing",
        "map/short.map: error: 35 more cells hold tiles without a bitmap (40 in all)",
    }));
}

// With at most eight tiles wrong, a map is first looked over as a whole and
// passed over when sound: the path most maps take. Here all tiles but 7 and
// 100 are named; tile 0 is empty ground.
TEST_F(ContentCheck, SoundMapsArePassedOverAndAWrongCellIsStillFound)
{
    std::string catalogue = "[nr kl name]\r\n";
    for (int tile = 1; tile < 100; ++tile)
        if (tile != 7)
            catalogue += (tile < 10 ? "0" : "") + std::to_string(tile) + " 04 grass_01\r\n";
    game.addFile("map/mapteile.lst", catalogue);
    std::string sound(10000, '\0');
    for (std::size_t i = 0; i < sound.size(); ++i)
        sound[i] = static_cast<char>(i % 100 == 7 ? 0 : i % 100);
    game.addFile("map/map1.map", sound);
    game.addFile("map/long.map", sound + "\x07");  // past the cells: no cell
    std::string lastWrong = sound;
    lastWrong[9999] = 100;
    game.addFile("map/last.map", lastWrong);
    std::string high = sound;
    high[5000] = '\x65';
    game.addFile("map/high.map", high);
    std::string unnamed = sound;
    unnamed[42] = 7;
    game.addFile("map/seven.map", unnamed);
    game.addFile("map/tail.map", unnamed + "\x07");  // the byte past the cells is still no cell
    std::string both = lastWrong;
    both[0] = 7;
    game.addFile("map/both.map", both);
    std::string above = sound;
    above[1] = '\x64';
    above[2] = '\xFF';
    game.addFile("map/above.map", above);
    EXPECT_EQ(lines(), (Lines{
        "map/above.map: error: cell (2, 1): tile 100 has no name in the tile catalogue: the cell shows nothing",
        "map/above.map: error: cell (3, 1): tile 255 is above 100: the editor refuses the whole file",
        "map/both.map: error: cell (1, 1): tile 7 has no name in the tile catalogue: the cell shows nothing",
        "map/both.map: error: cell (100, 100): tile 100 has no name in the tile catalogue: the cell shows nothing",
        "map/high.map: error: cell (1, 51): tile 101 is above 100: the editor refuses the whole file",
        "map/last.map: error: cell (100, 100): tile 100 has no name in the tile catalogue: the cell shows nothing",
        "map/seven.map: error: cell (43, 1): tile 7 has no name in the tile catalogue: the cell shows nothing",
        "map/tail.map: error: cell (43, 1): tile 7 has no name in the tile catalogue: the cell shows nothing",
    }));
}

TEST_F(ContentCheck, ScriptRowsAsTheEditorTakesThemApart)
{
    game.addFile("map/map1.msc", crlf({"[set <type> <nmr> <anz> <x> <y> <r>]", "set player 1 1 130 250 2",
                                       "set player 9 1 130 250 2", "set player 1 1 2100 250 2",
                                       "set player 1 1 130 250 7", "broken", "set player x 1 130 250 2",
                                       "def item 3", "set player 1 1 130 250 2,set x y"}));
    game.addFile("map/lost.msc", crlf({"set player 1 1 10 10 1", "set player 1 1 20 20 2"}));
    // One row more than the editor loads; a name the game cannot spell has
    // no map it could name either.
    std::string rows = "[set]\r\n";
    for (int row = 0; row <= 32767; ++row)
        rows += "set player 1 1 10 10 1\r\n";
    game.addFile("map/full.msc", rows);
    game.addFile("map/full.map", std::string(10000, '\x01'));
    game.addFile("map/\xE4\xB8\xAD.msc", crlf({"[set]"}));
    EXPECT_EQ(lines(), (Lines{
        "map/full.msc:32769: error: the editor cannot load the script: more than 32767 rows",
        "map/lost.msc: error: the map file map/lost.map is missing",
        "map/lost.msc:1: error: the first line is no header in brackets: it is skipped as one all the same",
        "map/map1.msc:3: error: player 9 is not listed in player/player.lst",
        "map/map1.msc:4: error: the position (2100, 250) lies outside the map (0 to 1999)",
        "map/map1.msc:5: error: the direction \"7\" is not one the editor writes (0 to 4)",
        "map/map1.msc:6: error: the editor's \"get\" cannot take the row apart: \"broken\"",
        "map/map1.msc:7: error: the player number \"x\" is not a number",
    }));
}

TEST_F(ContentCheck, PlayerAndShotFieldsAndWhatTheyReferTo)
{
    formats::PlayerRecord soldier;
    soldier.sprite = "7";
    soldier.team = "a";
    soldier.blood = "1";
    soldier.exploBlood = "2";  // switched off in the particle catalogue
    soldier.slots[2] = {"05", 1, "12x", "-1"};
    game.addFile("player/soldier.dat", formats::playerFileBytes(formats::withFilledAmmunition(soldier)));
    game.addFile("player/short.dat", crlf({"[sprite (player\\player.lst)]", "1"}));
    game.addFile("shots/laser.sht",
                 formats::shotFileBytes({"25", "fast", "60", "20", "gone.spr", "9", "Laser", "0"}));
    game.addFile("shots/empty.sht", "");
    game.addFile("shots/nameless.sht", formats::shotFileBytes({"25", "800", "60", "20", "", "1", "Laser", "0"}));
    EXPECT_EQ(lines(), (Lines{
        "player/short.dat: error: the file ends after 2 of 35 fields",
        "player/soldier.dat:2: error: the sprite particle 7 is not listed in sprites/particle.lst",
        "player/soldier.dat:4: error: the team \"a\" is not a number",
        "player/soldier.dat:14: error: the explosion particle 2 is not listed in sprites/particle.lst",
        "player/soldier.dat:21: error: the weapon 5 of slot 3 is not listed in shots/weapons.lst",
        "player/soldier.dat:21: error: the ammunition of slot 3 \"012x\" is not a number",
        "shots/empty.sht: error: the file ends after 0 of 16 fields",
        "shots/laser.sht:4: error: the speed \"fast\" is not a number",
        "shots/laser.sht:10: error: the shot sprite gone.spr is missing from sprites",
        "shots/laser.sht:12: error: the explosion particle 9 is not listed in sprites/particle.lst",
        "shots/nameless.sht:10: error: the shot names no sprite file",
    }));
}

TEST_F(ContentCheck, CataloguesTheContentFilesReferTo)
{
    game.addFile("player/player.lst", crlf({"[player (nummer name)]", "01 soldier", "01 scout"}));
    std::string weapons = "[weapons]\r\n";
    for (int i = 0; i < 101; ++i)
        weapons += (i < 9 ? "0" : "") + std::to_string(i % 99 + 1) + " gun\r\n";
    game.addFile("shots/weapons.lst", weapons);
    game.addFile("sprites/particle.lst", crlf({"[nummer repeat sprite]", "01 05 blood.spr", "[02 01 off.spr",
                                               "03 02 nothere.spr", "04 01 a.spr,05 01 blood.spr", "06 01"}));
    const Lines found = lines();
    EXPECT_EQ(found, (Lines{
        "player/player.lst:3: warning: number 1 is listed again (first on line 2)",
        "shots/weapons.lst:101: warning: number 1 is listed again (first on line 2)",
        "shots/weapons.lst:102: error: more than 100 entries: the editors list none from here on (1 entry)",
        "sprites/particle.lst:4: error: the sprite nothere.spr of particle 3 is missing from sprites",
        "sprites/particle.lst:5: warning: the comma makes the rest of the line an entry of its own",
        "sprites/particle.lst:5: error: the sprite a.spr of particle 4 is missing from sprites",
        "sprites/particle.lst:6: error: particle 6 names no sprite file",
    }));
    game = MemoryFolder();
    EXPECT_EQ(lines(), (Lines{
        "map/mapteile.lst: error: the tile catalogue is missing: no tile has a bitmap",
        "player/player.lst: error: the catalogue is missing: the editors list no entries",
        "shots/weapons.lst: error: the catalogue is missing: the editors list no entries",
        "sprites/particle.lst: error: the catalogue is missing: the editors list no entries",
    }));
    EXPECT_EQ(summary, "4 errors, 0 warnings in 0 files");
}

// A file that cannot be read is said so once, and the check goes on with
// everything else: here the catalogues are folders and the content files
// pipes. What a catalogue that could not be read would list is not called
// unlisted.
TEST_F(ContentCheck, FilesThatCannotBeReadAreSaidSo)
{
    const std::string shot = *game.read("shots/laser.sht");
    game = MemoryFolder();
    for (const char* catalogue : {"map/mapteile.lst", "player/player.lst", "shots/weapons.lst", "sprites/particle.lst"})
        game.addFolder(catalogue);
    for (const char* content : {"map/map1.map", "map/map1.msc", "player/soldier.dat", "shots/pipe.sht"})
        game.addOther(content);
    game.addFile("shots/laser.sht", shot);
    game.addFile("sprites/laser.spr", "");
    EXPECT_EQ(lines(), (Lines{
        "map/map1.map: error: cannot read: not a regular file",
        "map/map1.msc: error: cannot read: not a regular file",
        "map/mapteile.lst: error: cannot read: not a regular file",
        "player/player.lst: error: cannot read: not a regular file",
        "player/soldier.dat: error: cannot read: not a regular file",
        "shots/pipe.sht: error: cannot read: not a regular file",
        "shots/weapons.lst: error: cannot read: not a regular file",
        "sprites/particle.lst: error: cannot read: not a regular file",
    }));
    EXPECT_EQ(summary, "8 errors, 0 warnings in 9 files");
}

TEST_F(ContentCheck, LineEndsAndBytesOfEveryTextFile)
{
    // Lines end in CR LF, a lone LF and a lone CR, mixed: each is one line.
    game.addFile("player/player.lst", "[player (nummer name)]\r\n01 soldier\n02 scout\r\n03 a,04 b\r05 c\r\n06 d\x90\r\n");
    game.addFile("map/map1.msc", crlf({"[set <type> <nmr> <anz> <x> <y> <r>]", "set player 1 1 130 250 2",
                                       "set pl\x81yer 1 1 130 250 2", "set pl\x9Dyer 1 1 130 250 2"}));
    EXPECT_EQ(lines(), (Lines{
        "map/map1.msc:3: warning: a byte that Windows-1252 leaves undefined (2 such bytes)",
        "player/player.lst:2: warning: the line ends in a lone CR or LF, not CR LF (2 such lines)",
        "player/player.lst:4: warning: the comma makes the rest of the line an entry of its own",
        "player/player.lst:6: warning: a byte that Windows-1252 leaves undefined (1 such byte)",
    }));
    EXPECT_EQ(summary, "0 errors, 4 warnings in 10 files");
}

TEST_F(ContentCheck, JsonHoldsTheSameFindings)
{
    game.addFile("map/map1.map", std::string(5, '\x03'));
    game.addFile("shots/laser.sht",
                 formats::shotFileBytes({"25", "f\"a\\st", "60", "20", "laser.spr", "1", "Laser", "0"}));
    std::ostringstream out;
    printJson(out, checkContent(game));
    EXPECT_EQ(out.str(),
              "[\n"
              "  {\"file\": \"map/map1.map\", \"line\": null, \"x\": null, \"y\": null, \"severity\": \"warning\", "
              "\"code\": \"map-short\", \"message\": \"the file holds 5 bytes, fewer than the 10000 cells of a map: "
              "the cells past its end are 0\"},\n"
              "  {\"file\": \"map/map1.map\", \"line\": null, \"x\": 1, \"y\": 1, \"severity\": \"error\", \"code\": "
              "\"map-tile-unnamed\", \"message\": \"tile 3 has no name in the tile catalogue: the cell shows "
              "nothing\"},\n"
              "  {\"file\": \"map/map1.map\", \"line\": null, \"x\": 2, \"y\": 1, \"severity\": \"error\", \"code\": "
              "\"map-tile-unnamed\", \"message\": \"tile 3 has no name in the tile catalogue: the cell shows "
              "nothing\"},\n"
              "  {\"file\": \"map/map1.map\", \"line\": null, \"x\": 3, \"y\": 1, \"severity\": \"error\", \"code\": "
              "\"map-tile-unnamed\", \"message\": \"tile 3 has no name in the tile catalogue: the cell shows "
              "nothing\"},\n"
              "  {\"file\": \"map/map1.map\", \"line\": null, \"x\": 4, \"y\": 1, \"severity\": \"error\", \"code\": "
              "\"map-tile-unnamed\", \"message\": \"tile 3 has no name in the tile catalogue: the cell shows "
              "nothing\"},\n"
              "  {\"file\": \"map/map1.map\", \"line\": null, \"x\": 5, \"y\": 1, \"severity\": \"error\", \"code\": "
              "\"map-tile-unnamed\", \"message\": \"tile 3 has no name in the tile catalogue: the cell shows "
              "nothing\"},\n"
              "  {\"file\": \"shots/laser.sht\", \"line\": 4, \"x\": null, \"y\": null, \"severity\": \"error\", "
              "\"code\": \"not-a-number\", \"message\": \"the speed \\\"f\\\"a\\\\st\\\" is not a number\"}\n"
              "]\n");
}

}  // namespace
}  // namespace check
