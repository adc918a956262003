// The built tervok-render, run as from a console without any display: its
// exit statuses, messages and the pictures it writes.
#include "common/testing/console_run.h"
#include "common/testing/temp_dir.h"
#include "formats/map_file.h"
#include "tools/render/map_picture.h"
#include "tools/render/render_options.h"
#include "tools/render/render_test_data.h"
#include "tools/render/script_marks.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace render {
namespace {

namespace fs = std::filesystem;
using namespace render::testing;
using tervok::testing::ProgramRun;
using tervok::testing::writeFile;

ProgramRun runRender(std::vector<std::string> arguments, const fs::path& folder = ".")
{
    return tervok::testing::runOnConsole(TERVOK_RENDER_PROGRAM, std::move(arguments), folder);
}

constexpr QRgb kGrass = 0xFFA0C040;

// A game folder "game" in the test's folder: tile 3 is grass, map1 has it
// at cell (2, 1) and a script with one player, a line of two rows and one
// broken row on line 3.
void writeGameFolder(const fs::path& game)
{
    writeFile(game / "map/mapteile.lst", catalogueText({{3, 4, "grass_01"}}));
    writeFile(game / "ep/grass.bmp", tervok::testing::bmpFile(20, 20, 0xA0C040));
    writeFile(game / "map/map1.map", mapBytes({{2, 1, 3}}));
    writeFile(game / "map/map1.msc", "[set <type>]\r\nset player 7 1 30 10 2,set door 1 1 5 5 1\r\nbroken\r\n");
}

struct GameFolder {
    tervok::testing::TempDir dir;

    GameFolder() { writeGameFolder("game"); }
};

QImage pictureAt(const fs::path& file)
{
    return QImage(QString::fromStdString(file.string()), "png");
}

TEST(RenderProgram, HelpAndVersionNeedNoDisplay)
{
    const ProgramRun version = runRender({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("tervok-render (Tervok editors) ") + TERVOK_EXPECTED_VERSION + "\n");
    EXPECT_EQ(version.err, "");
    const ProgramRun help = runRender({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out, tervok::startup::helpText(renderSyntax()));
    EXPECT_EQ(help.out.rfind("Usage: tervok-render [OPTION]... MAP\n", 0), 0u);
    for (const char* part : {"#808080", "  -o, --output=FILE  write the picture to FILE", "      --overview ",
                             "      --script ", "      --scale=S      scale the picture by S (0.05 to 4)"})
        EXPECT_NE(help.out.find(part), std::string::npos) << part;
    std::istringstream lines(help.out);
    for (std::string line; std::getline(lines, line);)
        EXPECT_LE(line.size(), 79u) << line;
    EXPECT_EQ(help.err, "");
}

TEST(RenderProgram, UsageErrorsExitWithTwoAndDrawNothing)
{
    GameFolder game;
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{}, "no map named"},
        {{"map\\map1.map", "map\\map2.map"}, "one map only ('map\\map2.map' is a second one)"},
        {{"--scale=0.01", "map\\map1.map"}, "the scale must be a number from 0.05 to 4, not '0.01'"},
        {{"--bogus", "map\\map1.map"}, "unknown option '--bogus'"},
        {{"-o", "", "map\\map1.map"}, "the output file's name is empty"}};
    for (const auto& [arguments, problem] : cases) {
        const ProgramRun run = runRender(arguments, "game");
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "tervok-render: " + problem +
                               "\nUsage: tervok-render [OPTION]... MAP\nTry 'tervok-render --help' for more information.\n");
    }
    EXPECT_EQ(tervok::testing::entryCount("game"), 2u);
}

TEST(RenderProgram, AGamePathIsFoundWithoutRegardToCaseAndDrawnBesideTheCaller)
{
    GameFolder game;
    const ProgramRun run = runRender({"MAP\\Map1.MAP"}, "game");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const QImage picture = pictureAt("game/Map1.png");
    ASSERT_EQ(picture.size(), QSize(2000, 2000));
    EXPECT_EQ(picture.pixel(20, 0), kGrass);
    EXPECT_EQ(picture.pixel(0, 0), kNeutralColour);
}

TEST(RenderProgram, FilePathsAndTheOutputAreTakenFromTheStartingFolder)
{
    GameFolder game;
    fs::create_directories("elsewhere/pictures");
    const ProgramRun fromFile =
        runRender({"../game/map/map1.map", "--overview", "--scale", "0.5", "-o", "pictures/o.png"}, "elsewhere");
    EXPECT_EQ(fromFile.status, 0) << fromFile.err;
    const QImage overview = pictureAt("elsewhere/pictures/o.png");
    ASSERT_EQ(overview.size(), QSize(100, 100));
    EXPECT_EQ(overview.pixel(1, 0), 0xFF00FF00u);  // class 4: green

    const ProgramRun withFolder = runRender({"-C", "game", "--output=m.png", "map\\map1.map"});
    EXPECT_EQ(withFolder.status, 0) << withFolder.err;
    EXPECT_EQ(pictureAt("m.png").pixel(20, 0), kGrass);
}

TEST(RenderProgram, TheScriptMarksPlayersAndWarnsOfRowsItCannotTakeApart)
{
    GameFolder game;
    const ProgramRun run = runRender({"--script", "-o", "-", "map\\map1.map"}, "game");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "tervok-render: map/map1.msc:3: warning: cannot take the row apart: broken\n");
    const QImage picture = QImage::fromData(reinterpret_cast<const uchar*>(run.out.data()),
                                            static_cast<int>(run.out.size()), "png");
    ASSERT_EQ(picture.size(), QSize(2000, 2000));
    EXPECT_EQ(picture.pixel(30, 10), kMarkColour);

    fs::remove("game/map/map1.msc");
    const ProgramRun noScript = runRender({"--script", "map\\map1.map"}, "game");
    EXPECT_EQ(noScript.status, 0);
    EXPECT_EQ(noScript.err, "tervok-render: map/map1.msc: warning: cannot load: no such file\n");
    EXPECT_EQ(pictureAt("game/map1.png").pixel(20, 0), kGrass);
}

TEST(RenderProgram, AMapThatCannotBeReadOrAPictureThatCannotBeWrittenExitWithOne)
{
    GameFolder game;
    writeFile("game/map/bad.map", std::string(150, '\0') + '\xC8');
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"MAP\\BAD.MAP"}, "tervok-render: map/bad.map: cannot load: byte 150: cell (51, 2) holds tile 200, above 100\n"},
        {{"map\\none.map"}, "tervok-render: map/none.map: cannot load: no such file\n"},
        {{"-o", "nowhere/x.png", "map\\map1.map"}, "tervok-render: nowhere/x.png: cannot save: no such folder\n"},
    };
    for (const auto& [arguments, message] : cases) {
        const ProgramRun run = runRender(arguments, "game");
        EXPECT_EQ(run.status, 1) << message;
        EXPECT_EQ(run.err, message);
    }
    const ProgramRun noFolder = runRender({"-C", "no game", "map\\map1.map"}, "game");
    EXPECT_EQ(noFolder.status, 2);
    EXPECT_EQ(noFolder.err, "tervok-render: no game: cannot open the game folder: no such file or directory\n");
    EXPECT_FALSE(fs::exists("game/bad.png"));
}

// A bitmap that exists but cannot be shown is named once with its reason,
// however many cells hold its tile; a missing one is left to tervok-check.
// Either way its cells are neutral and the picture is written.
TEST(RenderProgram, ABitmapThatCannotBeShownIsNamedOnce)
{
    GameFolder game;
    writeFile("game/map/map1.map", mapBytes({{2, 1, 3}, {5, 5, 3}}));
    writeFile("game/ep/grass.bmp", "not a bitmap");
    const ProgramRun damaged = runRender({"map\\map1.map"}, "game");
    EXPECT_EQ(damaged.status, 0);
    EXPECT_EQ(damaged.err, "tervok-render: ep/grass.bmp: warning: cannot read: no bitmap header\n");
    EXPECT_EQ(pictureAt("game/map1.png").pixel(20, 0), kNeutralColour);

    fs::remove("game/ep/grass.bmp");
    const ProgramRun missing = runRender({"map\\map1.map"}, "game");
    EXPECT_EQ(missing.status, 0);
    EXPECT_EQ(missing.err, "");
}

// An output that is a file the run reads, by whatever name or link, is
// refused before anything is drawn; one that is no regular file is written
// where it is, never replaced.
TEST(RenderProgram, NeverWritesOverAFileItReads)
{
    GameFolder game;
    fs::create_symlink("game/map/map1.map", "link.png");
    fs::create_hard_link("game/ep/grass.bmp", "grass.png");
    const std::vector<fs::path> inputs = {"game/map/map1.map", "game/map/mapteile.lst", "game/map/map1.msc",
                                          "game/ep/grass.bmp"};
    std::vector<std::string> before;
    for (const fs::path& input : inputs)
        before.push_back(tervok::testing::readFile(input));
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"-o", "game/map/map1.map", "game/map/map1.map"}, "game/map/map1.map: is the input map"},
        {{"-o", "link.png", "-C", "game", "MAP\\MAP1.MAP"}, "link.png: is the input map"},
        {{"-o", "game/map/mapteile.lst", "--overview", "game/map/map1.map"},
         "game/map/mapteile.lst: is the tile catalogue"},
        {{"--script", "-ogame/ep/../map/map1.msc", "game/map/map1.map"},
         "game/ep/../map/map1.msc: is the map's script"},
        {{"-o", "grass.png", "game/map/map1.map"}, "grass.png: is a tile bitmap"},
    };
    for (const auto& [arguments, message] : cases) {
        const ProgramRun run = runRender(arguments);
        EXPECT_EQ(run.status, 1) << message;
        EXPECT_EQ(run.err, "tervok-render: " + message + "\n");
    }
    for (std::size_t i = 0; i < inputs.size(); ++i)
        EXPECT_EQ(tervok::testing::readFile(inputs[i]), before[i]) << inputs[i];
    EXPECT_TRUE(fs::is_symlink("link.png"));
    EXPECT_EQ(tervok::testing::entryCount("game/map"), 3u);

    const ProgramRun toNull = runRender({"-o", "/dev/null", "map\\map1.map"}, "game");
    EXPECT_EQ(toNull.status, 0);
    EXPECT_EQ(toNull.err, "");
    // /dev/stdout on a pipe: the pipe gets the picture.
    const std::string command = std::string("'") + TERVOK_RENDER_PROGRAM + "' -C game -o /dev/stdout 'map\\map1.map'";
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string piped;
    char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        piped.append(buffer, n);
    EXPECT_EQ(::pclose(pipe), 0);
    const QImage picture =
        QImage::fromData(reinterpret_cast<const uchar*>(piped.data()), static_cast<int>(piped.size()), "png");
    EXPECT_EQ(picture.size(), QSize(2000, 2000));
}

// A working directory deeper than an absolute path may be long (4,096
// bytes): the game folder, the map and the picture are all found from it.
TEST(RenderProgram, WorksInAFolderDeeperThanAPathCanReach)
{
    tervok::testing::TempDir dir;
    tervok::testing::enterFolderDeeperThanAPathCanReach();
    writeGameFolder("game");
    fs::create_directory("other");

    const ProgramRun gamePath = runRender({"map\\map1.map"}, "game");
    EXPECT_EQ(gamePath.status, 0) << gamePath.err;
    EXPECT_EQ(pictureAt("game/map1.png").pixel(20, 0), kGrass);
    const ProgramRun filePath = runRender({"map/map1.map", "-o", "file.png"}, "game");
    EXPECT_EQ(filePath.status, 0) << filePath.err;
    EXPECT_EQ(pictureAt("game/file.png").pixel(20, 0), kGrass);
    const ProgramRun withFolder = runRender({"-C", "game", "--overview", "map\\map1.map"});
    EXPECT_EQ(withFolder.status, 0) << withFolder.err;
    EXPECT_EQ(pictureAt("map1.png").size(), QSize(200, 200));
    const ProgramRun fromBeside = runRender({"../game/map/map1.map", "-o", "beside.png"}, "other");
    EXPECT_EQ(fromBeside.status, 0) << fromBeside.err;
    EXPECT_EQ(pictureAt("other/beside.png").pixel(20, 0), kGrass);
    fs::current_path(dir.path());
}

// The bitmap of the tile at a cell of the sample map, read apart from the
// program.
QImage sampleBitmap(const fs::path& sample, const formats::TileCatalogue& tiles, std::uint8_t tile)
{
    std::string path = formats::tileImagePath(tiles.names[tile]).value_or("");
    std::replace(path.begin(), path.end(), '\\', '/');
    return QImage(QString::fromStdString((sample / path).string()));
}

// The sample data: the corners of every seventh cell match its tile's
// bitmap, and the players of the script are marked.
TEST(RenderProgram, DrawsTheSampleMapAsItsTilesShowIt)
{
    const char* sampleDir = std::getenv("TERVOK_SAMPLE_DIR");
    ASSERT_TRUE(sampleDir);
    const fs::path sample(sampleDir);
    const tervok::Result<formats::MapGrid> grid =
        formats::parseMapFile(tervok::testing::readFile(sample / "map" / "map1.map"));
    ASSERT_TRUE(grid);
    const formats::TileCatalogue tiles =
        formats::parseTileCatalogue(tervok::testing::readFile(sample / "map" / "mapteile.lst"));
    tervok::testing::TempDir dir;
    const ProgramRun run = runRender({"--script", (sample / "map" / "map1.map").string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const QImage picture = pictureAt("map1.png");
    ASSERT_EQ(picture.size(), QSize(2000, 2000));
    for (int y = 3; y <= formats::kMapSize; y += 7) {
        for (int x = 1; x <= formats::kMapSize; x += 7) {
            const QImage bitmap = sampleBitmap(sample, tiles, grid->at(x, y));
            ASSERT_EQ(bitmap.size(), QSize(20, 20)) << x << ", " << y;
            EXPECT_EQ(picture.pixel((x - 1) * 20, (y - 1) * 20), bitmap.pixel(0, 0)) << x << ", " << y;
            EXPECT_EQ(picture.pixel(x * 20 - 1, y * 20 - 1), bitmap.pixel(19, 19)) << x << ", " << y;
        }
    }
    EXPECT_EQ(picture.pixel(130, 90), kMarkColour);  // "def player 1 1 130 90 3"
}

}  // namespace
}  // namespace render
