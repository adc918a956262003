// The built tervok-check on game folders on disk: what the folder view
// meets there (folders that cannot be listed, links, names that are no
// UTF-8) and how the findings are printed.
#include "common/testing/bmp_bytes.h"
#include "common/testing/console_run.h"
#include "common/testing/other_user.h"
#include "common/testing/temp_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <sstream>

namespace check {
namespace {

namespace fs = std::filesystem;
using tervok::testing::bmpFile;
using tervok::testing::writeFile;
using CheckRun = tervok::testing::ProgramRun;
using Lines = std::vector<std::string>;

CheckRun runCheckProgram(std::vector<std::string> arguments)
{
    return tervok::testing::runOnConsole(TERVOK_CHECK_PROGRAM, std::move(arguments));
}

Lines linesOf(const std::string& text)
{
    Lines lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// A clean game folder "game" in the test's folder: tile 1 is grass with its
// bitmap, the three catalogues are there and empty. Tests add what they
// break.
class CheckOnDisk : public ::testing::Test {
protected:
    CheckOnDisk()
    {
        writeFile("game/map/mapteile.lst", "[nr kl name]\r\n01 04 grass_01\r\n");
        writeFile("game/ep/grass.bmp", bmpFile());
        writeFile("game/player/player.lst", "[player (nummer name)]\r\n");
        writeFile("game/shots/weapons.lst", "[weapons (nummer name)]\r\n");
        writeFile("game/sprites/particle.lst", "[nummer repeat sprite]\r\n");
    }

    std::string game() const { return (dir_.path() / "game").string(); }

    tervok::testing::TempDir dir_;
};

// As an ordinary user: a folder of mode 311 may be searched but not listed,
// one of mode 000 not even searched. Each is a finding of its own; the
// files the game names are still opened by name (as the game spells them,
// then in lower case) and checked, files only a listing would find are not
// looked for, and nothing unread is called missing.
TEST_F(CheckOnDisk, FoldersThatCannotBeListedAreFindingsAndNamedFilesAreStillChecked)
{
    std::string cells(10000, '\x01');
    cells[0] = '\xC8';  // tile 200: the map is never listed, so never read
    writeFile("game/map/map1.map", cells);
    writeFile("game/shots/weapons.lst", "[weapons (nummer name)]\r\n01 blaster\r\n01 again\r\n");
    writeFile("game/shots/broken.sht", "");
    writeFile("game/sprites/particle.lst", "[nummer repeat sprite]\r\n01 05 Blood.spr\r\n02 05 gone.spr\r\n");
    writeFile("game/sprites/blood.spr", "");
    const std::vector<std::pair<std::string, fs::perms>> locked = {
        {"game/map", fs::perms(0311)}, {"game/shots", fs::perms(0311)},
        {"game/sprites", fs::perms(0311)}, {"game/ep", fs::perms(0)}};
    for (const auto& [folder, mode] : locked)
        fs::permissions(folder, mode);
    const std::optional<std::string> seen = tervok::testing::runAsOrdinaryUser([&] {
        const CheckRun run = runCheckProgram({game()});
        return std::to_string(run.status) + "\n" + run.out + run.err;
    });
    for (const auto& [folder, mode] : locked)
        fs::permissions(folder, fs::perms(0755));
    ASSERT_TRUE(seen);
    EXPECT_EQ(linesOf(*seen), (Lines{
        "1",
        "ep: error: cannot list the folder: permission denied",
        "map: error: cannot list the folder: permission denied",
        "map/mapteile.lst:2: error: tile 1 (grass_01): the bitmap ep/grass.bmp cannot be read: permission denied",
        "shots: error: cannot list the folder: permission denied",
        "shots/weapons.lst:3: warning: number 1 is listed again (first on line 2)",
        "sprites: error: cannot list the folder: permission denied",
        "sprites/particle.lst:3: error: the sprite gone.spr of particle 2 is missing from sprites",
        "6 errors, 1 warning in 5 files",
    }));
}

// A bitmap of another size shows in its cells, cut at 20 x 20 or leaving
// the rest of the cell empty, as the editor and tervok-render draw it: only
// the catalogue says so. Cells show nothing only for a bitmap that is
// missing or cannot be read.
TEST_F(CheckOnDisk, ABitmapOfAnotherSizeIsOnlyACatalogueFinding)
{
    writeFile("game/map/mapteile.lst",
              "[nr kl name]\r\n01 04 grass_01\r\n02 03 water_01\r\n03 04 sand_01\r\n04 04 dust_01\r\n");
    writeFile("game/ep/grass.bmp", bmpFile(40, 40));
    writeFile("game/ep/water.bmp", bmpFile(5, 5));
    writeFile("game/ep/sand.bmp", "\x89PNG\r\n\x1A\n");
    std::string cells(10000, '\x01');
    for (std::size_t i = 0; i < 5000; ++i)
        cells[i] = '\x02';
    cells[9998] = '\x03';
    cells[9999] = '\x04';
    writeFile("game/map/map1.map", cells);
    const CheckRun run = runCheckProgram({game()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(linesOf(run.out), (Lines{
        "map/map1.map: error: cell (99, 100): tile 3 (sand_01) has no bitmap: the cell shows nothing",
        "map/map1.map: error: cell (100, 100): tile 4 (dust_01) has no bitmap: the cell shows nothing",
        "map/mapteile.lst:2: error: tile 1 (grass_01): the bitmap ep/grass.bmp is 40 x 40 pixels, not 20 x 20",
        "map/mapteile.lst:3: error: tile 2 (water_01): the bitmap ep/water.bmp is 5 x 5 pixels, not 20 x 20",
        "map/mapteile.lst:4: error: tile 3 (sand_01): the bitmap ep/sand.bmp cannot be read: no bitmap header",
        "map/mapteile.lst:5: error: tile 4 (dust_01): the bitmap ep/dust.bmp is missing",
        "6 errors, 0 warnings in 8 files",
    }));
}

// In the text form every finding stays one line that cannot drive a
// terminal; the JSON form is strict UTF-8, every byte that is no part of it
// replaced by U+FFFD.
TEST_F(CheckOnDisk, NamesThatAreNoUtf8OrHoldControlsPrintSafely)
{
    const Lines names = {"\x1B[31m", "a\nb", "caf\xC3\xA9", "\x9B", "\xC0\x80", "\xC2\x9B", "\xED\xA0\x80",
                         "\xF4\x90\x80\x80", "\xF5"};
    for (const std::string& name : names)
        writeFile("game/map/" + name + ".map", std::string(5, '\x01'));
    const std::string shortMap = ": warning: the file holds 5 bytes, fewer than the 10000 cells of a map: the "
                                 "cells past its end are 0";
    const CheckRun text = runCheckProgram({game()});
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(linesOf(text.out), (Lines{
        "map/\\x1b[31m.map" + shortMap,
        "map/a\\nb.map" + shortMap,
        "map/caf\xC3\xA9.map" + shortMap,
        "map/\\x9b.map" + shortMap,
        "map/\\xc0\\x80.map" + shortMap,
        "map/\\u009b.map" + shortMap,
        "map/\\xed\\xa0\\x80.map" + shortMap,
        "map/\\xf4\\x90\\x80\\x80.map" + shortMap,
        "map/\\xf5.map" + shortMap,
        "0 errors, 9 warnings in 14 files",
    }));
    const CheckRun json = runCheckProgram({"--format=json", game()});
    Lines files;
    for (const std::string& line : linesOf(json.out))
        if (line.rfind("  {\"file\": ", 0) == 0)
            files.push_back(line.substr(11, line.find(", \"line\"") - 11));
    EXPECT_EQ(files, (Lines{
        "\"map/\\u001b[31m.map\"",
        "\"map/a\\u000ab.map\"",
        "\"map/caf\xC3\xA9.map\"",
        "\"map/\\ufffd.map\"",
        "\"map/\\ufffd\\ufffd.map\"",
        "\"map/\\u009b.map\"",
        "\"map/\\ufffd\\ufffd\\ufffd.map\"",
        "\"map/\\ufffd\\ufffd\\ufffd\\ufffd.map\"",
        "\"map/\\ufffd.map\"",
    })) << json.out;
}

// Per map and kind of problem: five cell lines, then one line that counts
// the rest, after them; the summary counts the lines printed.
TEST_F(CheckOnDisk, AMapListsFiveCellsOfEachKindThenCountsTheRest)
{
    writeFile("game/map/mapteile.lst", "[nr kl name]\r\n01 04 grass_01\r\n02 03 water_01\r\n");
    std::string cells(10000, '\x01');
    for (std::size_t x = 0; x < 7; ++x)
        cells[x] = '\x03';  // no name
    for (std::size_t x = 0; x < 6; ++x)
        cells[100 + x] = static_cast<char>(101 + x);
    for (std::size_t x = 0; x < 5; ++x)
        cells[200 + x] = '\x02';  // no bitmap
    writeFile("game/map/map1.map", cells);
    const CheckRun run = runCheckProgram({game()});
    EXPECT_EQ(run.status, 1);
    Lines expected;
    for (int x = 1; x <= 5; ++x)
        expected.push_back("map/map1.map: error: cell (" + std::to_string(x) +
                           ", 1): tile 3 has no name in the tile catalogue: the cell shows nothing");
    for (int x = 1; x <= 5; ++x)
        expected.push_back("map/map1.map: error: cell (" + std::to_string(x) + ", 2): tile " + std::to_string(100 + x) +
                           " is above 100: the editor refuses the whole file");
    for (int x = 1; x <= 5; ++x)
        expected.push_back("map/map1.map: error: cell (" + std::to_string(x) +
                           ", 3): tile 2 (water_01) has no bitmap: the cell shows nothing");
    expected.push_back("map/map1.map: error: 1 more cell holds a tile above 100 (6 in all)");
    expected.push_back("map/map1.map: error: 2 more cells hold tiles with no name (7 in all)");
    expected.push_back("map/mapteile.lst:3: error: tile 2 (water_01): the bitmap ep/water.bmp is missing");
    expected.push_back("18 errors, 0 warnings in 6 files");
    EXPECT_EQ(linesOf(run.out), expected);
}

// A link that leads nowhere and links in a circle read the same here as in
// every editor.
TEST_F(CheckOnDisk, DanglingLinksAndLinkCirclesAreSaidSo)
{
    fs::remove("game/ep/grass.bmp");
    fs::create_symlink("gone.bmp", "game/ep/grass.bmp");
    fs::create_symlink("gone.map", "game/map/map1.map");
    fs::create_symlink("loop2.map", "game/map/loop1.map");
    fs::create_symlink("loop1.map", "game/map/loop2.map");
    const CheckRun run = runCheckProgram({game()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(linesOf(run.out), (Lines{
        "map/loop1.map: error: cannot read: symbolic links in a circle",
        "map/loop2.map: error: cannot read: symbolic links in a circle",
        "map/map1.map: error: cannot read: broken symbolic link",
        "map/mapteile.lst:2: error: tile 1 (grass_01): the bitmap ep/grass.bmp cannot be read: broken symbolic link",
        "4 errors, 0 warnings in 8 files",
    }));
}

}  // namespace
}  // namespace check
