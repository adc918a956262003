// The built tervok-tmx, run as from a console without any display: its
// command line, the files it writes and where, the data encodings a Tiled
// file may hold, and the refusals that leave both files as they were.
#include "common/testing/console_run.h"
#include "common/testing/temp_dir.h"
#include "tools/tmx/packed_layers.h"
#include "tools/tmx/tmx_test_data.h"

#include <gtest/gtest.h>

#include <regex>

namespace tmx {
namespace {

namespace fs = std::filesystem;
using tervok::testing::ProgramRun;
using tervok::testing::readFile;
using tervok::testing::writeFile;

ProgramRun runTmx(std::vector<std::string> arguments, const fs::path& folder = ".")
{
    return tervok::testing::runOnConsole(TERVOK_TMX_PROGRAM, std::move(arguments), folder);
}

// A game folder "game" holding map\level.map with its script, exported as
// level.tmx and level.tmj in the test's folder; and map\target.map and
// map\target.msc with other bytes, for the imports to write.
struct ExportedGame {
    tervok::testing::TempDir dir;
    testing::GeneratedMap map = testing::MapGenerator(7, true).next();
    std::string tmx;

    ExportedGame()
    {
        map.script = "[set <type> <nmr> <anz> <x> <y> <r>]\r\nset player 1 1 130 90 2\r\nbroken,row\r\n";
        testing::writeGameFolder("game", map, "level");
        writeFile("game/map/target.map", "old map");
        writeFile("game/map/target.msc", "old script");
        EXPECT_EQ(runTmx({"export", "-C", "game", "map\\level.map"}).status, 0);
        EXPECT_EQ(runTmx({"export", "-C", "game", "-o", "level.tmj", "map\\level.map"}).status, 0);
        tmx = readFile("level.tmx");
    }

    ProgramRun import(const std::string& file) { return runTmx({"import", "-C", "game", "-o", "map\\target.map", file}); }
    bool targetHolds(const std::string& mapBytes, const std::string& scriptBytes) const
    {
        return readFile("game/map/target.map") == mapBytes && readFile("game/map/target.msc") == scriptBytes;
    }
};

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// The layer's <data> element replaced by another spelling of the same cells.
std::string withData(std::string tmx, const std::string& data)
{
    const std::size_t start = tmx.find("<data encoding=\"csv\">");
    const std::size_t end = tmx.find("</data>", start) + 7;
    return tmx.replace(start, end - start, data);
}

Gids gidsOf(const std::string& tmx)
{
    const std::size_t start = tmx.find("<data encoding=\"csv\">") + 21;
    return *decodeCsv(tmx.substr(start, tmx.find("</data>", start) - start));
}

TEST(TmxProgram, HelpVersionAndUsageErrors)
{
    const ProgramRun version = runTmx({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("tervok-tmx (Tervok editors) ") + TERVOK_EXPECTED_VERSION + "\n");
    const ProgramRun help = runTmx({"import", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: tervok-tmx export [OPTION]... MAP\n  or:  tervok-tmx import", 0), 0u);
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{}, "no command: export or import"},
        {{"convert", "x"}, "unknown command 'convert': export or import"},
        {{"export"}, "no map named"},
        {{"export", "-o", "x.png", "map\\m.map"}, "the Tiled file 'x.png' must end in .tmx, .tmj or .json"},
        {{"import", "x.tmx", "y.tmx"}, "one Tiled file only ('y.tmx' is a second one)"},
        {{"import", "-o", "", "x.tmx"}, "the map's name is empty"},
        {{"import", "--frob", "x.tmx"}, "unknown option '--frob'"},
    };
    for (const auto& [arguments, problem] : cases) {
        const ProgramRun run = runTmx(arguments);
        EXPECT_EQ(run.status, 2) << problem;
        EXPECT_EQ(run.err, "tervok-tmx: " + problem + "\n" + "Usage: tervok-tmx export [OPTION]... MAP\n" +
                               "  or:  tervok-tmx import [OPTION]... FILE.tmx|FILE.tmj\n" +
                               "Try 'tervok-tmx --help' for more information.\n");
    }
}

TEST(TmxProgram, FilesGoWhereTheCommandLineSays)
{
    ExportedGame game;
    // Bitmaps are named relative to the document, which lies outside the game folder.
    EXPECT_NE(game.tmx.find("source=\"game/ep/t"), std::string::npos);
    fs::create_directories("out");
    ASSERT_EQ(runTmx({"export", "../game/map/level.map"}, "out").status, 0);  // a file path: its game folder
    EXPECT_NE(readFile("out/level.tmx").find("source=\"../game/ep/t"), std::string::npos);
    EXPECT_NE(readFile("level.tmj").find("\"type\": \"map\""), std::string::npos);

    // By default the map of the file's name, with its script beside it.
    const ProgramRun imported = runTmx({"import", "-C", "game", "out/level.tmx"});
    EXPECT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(imported.err, "");
    fs::rename("level.tmj", "copy.tmj");
    ASSERT_EQ(runTmx({"import", "-C", "game", "copy.tmj"}).status, 0);
    EXPECT_EQ(readFile("game/map/copy.map"), game.map.map);
    EXPECT_EQ(readFile("game/map/copy.msc"), game.map.script);

    // A map file longer than a map keeps its tail; a document without a
    // script group leaves the script alone.
    writeFile("game/map/target.map", std::string(10000, '\x05') + "tail");
    writeFile("no-script.tmx", game.tmx.substr(0, game.tmx.find(" <objectgroup")) + "</map>\n");
    ASSERT_EQ(game.import("no-script.tmx").status, 0);
    EXPECT_TRUE(game.targetHolds(game.map.map + "tail", "old script"));

    const ProgramRun noFolder = runTmx({"export", "-C", "nowhere", "map\\level.map"});
    EXPECT_EQ(noFolder.status, 2);
    EXPECT_EQ(noFolder.err, "tervok-tmx: nowhere: cannot open the game folder: no such file or directory\n");
    writeFile("game/map/bad.map", std::string(150, '\0') + '\xC8');
    const ProgramRun bad = runTmx({"export", "-C", "game", "map\\bad.map"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err, "tervok-tmx: map/bad.map: cannot load: byte 150: cell (51, 2) holds tile 200, above 100\n");
    EXPECT_FALSE(fs::exists("bad.tmx"));
}

// Files are named from the starting folder and the game folder, never by
// a path from the root, which would be too long here.
TEST(TmxProgram, WorksInAFolderDeeperThanAPathCanReach)
{
    tervok::testing::TempDir dir;
    tervok::testing::enterFolderDeeperThanAPathCanReach();
    const testing::GeneratedMap map = testing::MapGenerator(3, true).next();
    testing::writeGameFolder("game", map, "level");
    fs::create_directory("other");

    const ProgramRun gamePath = runTmx({"export", "-C", "game", "map\\level.map"});
    EXPECT_EQ(gamePath.status, 0) << gamePath.err;
    EXPECT_NE(readFile("level.tmx").find("source=\"game/ep/t"), std::string::npos);
    const ProgramRun filePath = runTmx({"export", "../game/map/level.map", "-o", "beside.tmj"}, "other");
    EXPECT_EQ(filePath.status, 0) << filePath.err;
    EXPECT_NE(readFile("other/beside.tmj").find("\"image\": \"../game/ep/t"), std::string::npos);

    const ProgramRun intoGame = runTmx({"import", "-C", "game", "-o", "map\\copy.map", "other/beside.tmj"});
    EXPECT_EQ(intoGame.status, 0) << intoGame.err;
    EXPECT_EQ(readFile("game/map/copy.map"), map.map);
    EXPECT_EQ(readFile("game/map/copy.msc"), map.script);
    const ProgramRun intoFile = runTmx({"import", "-o", "../game/map/back.map", "../level.tmx"}, "other");
    EXPECT_EQ(intoFile.status, 0) << intoFile.err;
    EXPECT_EQ(readFile("game/map/back.map"), map.map);
    EXPECT_EQ(readFile("game/map/back.msc"), map.script);
    fs::current_path(dir.path());
}

// The cells spelt in every way a Tiled file may spell them give the same map.
TEST(TmxProgram, EveryDataEncodingGivesTheSameMap)
{
    ExportedGame game;
    const Gids gids = gidsOf(game.tmx);
    std::vector<std::pair<std::string, std::string>> documents;
    for (const char* compression : {"", "zlib", "gzip", "zstd"}) {
        const std::string attribute = *compression ? std::string(" compression=\"") + compression + "\"" : "";
        documents.push_back({std::string("base64 ") + compression,
                             withData(game.tmx, "<data encoding=\"base64\"" + attribute + ">\n   " +
                                                    testing::packed(gids, compression) + "\n  </data>")});
    }
    std::string tiles = "<data>\n";
    for (const std::uint32_t gid : gids)
        tiles += gid ? "   <tile gid=\"" + std::to_string(gid) + "\"/>\n" : "   <tile/>\n";
    documents.push_back({"xml", withData(game.tmx, tiles + "  </data>")});
    const std::string tmj = readFile("level.tmj");
    const std::string jsonData = tmj.substr(tmj.find("\"data\": ["), tmj.find(']', tmj.find("\"data\": [")) - tmj.find("\"data\": [") + 1);
    for (const char* compression : {"zlib", "zstd"})
        documents.push_back({std::string("json ") + compression,
                             replaced(tmj, jsonData, "\"data\": \"" + testing::packed(gids, compression) +
                                                         "\", \"encoding\": \"base64\", \"compression\": \"" + compression + "\"")});
    for (const auto& [form, text] : documents) {
        writeFile("game/map/target.map", "old map");
        const std::string file = form.rfind("json", 0) == 0 ? "edited.tmj" : "edited.tmx";
        writeFile(file, text);
        const ProgramRun run = game.import(file);
        EXPECT_EQ(run.status, 0) << form << ": " << run.err;
        EXPECT_TRUE(game.targetHolds(game.map.map, game.map.script)) << form;
    }
}

// Each refusal names the cell or object, exits with 1 and writes nothing.
TEST(TmxProgram, RefusalsLeaveBothFilesAsTheyWere)
{
    ExportedGame game;
    const std::string firstCell = "<data encoding=\"csv\">\n" + std::to_string(gidsOf(game.tmx)[0]) + ",";
    auto cellIs = [&](std::uint32_t gid) { return replaced(game.tmx, firstCell, "<data encoding=\"csv\">\n" + std::to_string(gid) + ","); };
    const std::string layer = game.tmx.substr(game.tmx.find(" <layer"), game.tmx.find("</layer>") + 9 - game.tmx.find(" <layer"));
    const std::string number = "<property name=\"number\" value=\"1\"/>";
    std::vector<std::pair<std::string, std::string>> cases = {
        {cellIs(102), "cell (1, 1): gid 102 lies past the game's tiles, gids 1 to 101"},
        {replaced(cellIs(200), "<layer", "<tileset firstgid=\"200\" name=\"other\" source=\"o.tsx\"/>\n <layer"),
         "cell (1, 1): gid 200 is a tile of the tileset 'other', not of the game's"},
        {replaced(game.tmx, "orientation=\"orthogonal\" renderorder", "orientation=\"isometric\" renderorder"), "the map is isometric, not orthogonal"},
        {replaced(game.tmx, "width=\"100\" height=\"100\" tilewidth", "width=\"50\" height=\"100\" tilewidth"), "the map is 50 x 100 cells, not 100 x 100"},
        {replaced(game.tmx, "infinite=\"0\"", "infinite=\"1\""), "the map is infinite; a game map has a fixed size of 100 x 100 cells"},
        {replaced(game.tmx, layer, layer + layer), "the map has more than one tile layer"},
        {replaced(game.tmx, "<tile id=\"", "<tile id=\"150\" was=\""), "the tileset's tile 150 is none of the game's tile numbers, 0 to 100"},
        {replaced(game.tmx, "x=\"130\"", "x=\"2100\""), "object 1 (row 1): its point (2100, 90) lies outside the positions a script row can hold, 0 to 2010 on either axis"},
        {replaced(game.tmx, number, ""), "object 1 (row 1): it has no player number (property 'number')"},
        {replaced(game.tmx, "?>", "?>\n<!DOCTYPE map [<!ENTITY a \"aaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\">]>"),
         "the document type declares entities; a TMX map needs none, and they are not read"},
        {withData(game.tmx, "<data encoding=\"base64\" compression=\"zlib\">" + testing::packed(Gids(1'000'000, 1), "zlib") + "</data>"),
         "the layer data unpacks to more than 40000 bytes"},
    };
    for (const std::uint32_t flag : {0x80000000u, 0x40000000u, 0x20000000u, 0x10000000u})
        cases.push_back({cellIs(flag | 2), "cell (1, 1): the tile is flipped or rotated"});
    for (const auto& [text, message] : cases) {
        writeFile("edited.tmx", text);
        const ProgramRun run = game.import("edited.tmx");
        EXPECT_EQ(run.status, 1) << message;
        EXPECT_TRUE(std::regex_match(run.err, std::regex("tervok-tmx: edited\\.tmx:[0-9]+: error: .*\n"))) << run.err;
        EXPECT_EQ(run.err.substr(run.err.find(": error: ") + 9), message + "\n");
        EXPECT_TRUE(game.targetHolds("old map", "old script")) << message;
    }
}

// An output that is a file the run reads, by any link or name, is refused
// before anything is written, as cp refuses it.
TEST(TmxProgram, AnOutputThatIsAnInputIsRefused)
{
    ExportedGame game;
    const std::string bitmap = fs::directory_iterator("game/ep")->path().string();
    const std::string bitmapBytes = readFile(bitmap);
    const std::vector<std::pair<std::string, std::string>> exports = {
        {"game/map/level.map", "is the input map"},
        {"game/map/level.msc", "is the map's script"},
        {"game/map/mapteile.lst", "is the tile catalogue"},
        {bitmap, "is a tile bitmap"},
    };
    for (const auto& [input, message] : exports) {
        fs::remove("link.tmx");
        fs::create_symlink(fs::absolute(input), "link.tmx");
        const ProgramRun run = runTmx({"export", "-C", "game", "-o", "link.tmx", "map\\level.map"});
        EXPECT_EQ(run.status, 1) << input;
        EXPECT_EQ(run.err, "tervok-tmx: link.tmx: " + message + "\n");
    }
    fs::create_hard_link("game/map/level.map", "hard.tmx");
    EXPECT_EQ(runTmx({"export", "-o", "hard.tmx", "game/map/level.map"}).err, "tervok-tmx: hard.tmx: is the input map\n");
    EXPECT_EQ(readFile("game/map/level.map"), game.map.map);
    EXPECT_EQ(readFile("game/map/level.msc"), game.map.script);
    EXPECT_EQ(readFile(bitmap), bitmapBytes);

    // An import neither writes the map nor the script over the Tiled file.
    for (const std::string target : {"game/map/target.map", "game/map/target.msc"}) {
        fs::remove(target);
        fs::create_symlink(fs::absolute("level.tmx"), target);
        const ProgramRun run = game.import("level.tmx");
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, "tervok-tmx: " + target.substr(5) + ": is the Tiled file\n");
        EXPECT_EQ(readFile("level.tmx"), game.tmx);
        fs::remove(target);
        writeFile(target, "old");
    }
}

TEST(TmxProgram, ARoundedPointIsAWarningAndTheMapIsWritten)
{
    ExportedGame game;
    writeFile("edited.tmx", replaced(game.tmx, "x=\"130\"", "x=\"140.5\""));
    const ProgramRun run = game.import("edited.tmx");
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(std::regex_match(run.err, std::regex("tervok-tmx: edited\\.tmx:[0-9]+: warning: object 1 \\(row 1\\): "
                                                     "the point \\(140\\.5, 90\\) is rounded to \\(140, 90\\)\n")))
        << run.err;
    EXPECT_TRUE(game.targetHolds(game.map.map, "[set <type> <nmr> <anz> <x> <y> <r>]\r\nset player 1 1 140 90 2\r\nbroken,row\r\n"));
}

}  // namespace
}  // namespace tmx
