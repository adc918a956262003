// The options of tervok-render, read without running anything, and where a
// named map and its game folder are taken to lie.
#include "tools/render/render_options.h"

#include "tools/render/map_location.h"

#include <gtest/gtest.h>

namespace render {
namespace {

using tervok::startup::CommandLine;

CommandLine parse(const std::vector<std::string>& arguments)
{
    return tervok::startup::parseCommandLine(renderSyntax(), arguments);
}

TEST(RenderOptions, ValuesAreTakenJoinedOrFromTheNextArgument)
{
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {"-C", "game", "-o", "out.png", "--scale", "0.5", "m.map"},
             {"m.map", "--directory=game", "-o", "x.png", "--output=out.png", "--scale=5e-1"},
         }) {
        const CommandLine line = parse(arguments);
        ASSERT_EQ(line.action, CommandLine::Action::Run) << line.problem;
        const RenderOptions options = renderOptionsOf(line);
        EXPECT_FALSE(options.overview || options.script);
        EXPECT_EQ(options.folder, "game");
        EXPECT_EQ(options.output, "out.png");
        EXPECT_EQ(options.scale, 0.5);
        EXPECT_EQ(options.map, "m.map");
    }
    const RenderOptions flags =
        renderOptionsOf(parse({"--overview", "--script", "-o", "-", "--scale=4", "--", "-odd.map"}));
    EXPECT_TRUE(flags.overview);
    EXPECT_TRUE(flags.script);
    EXPECT_EQ(flags.output, "-");
    EXPECT_EQ(flags.scale, 4);
    EXPECT_EQ(flags.map, "-odd.map");
    const RenderOptions plain = renderOptionsOf(parse({"m.map"}));
    EXPECT_EQ(plain.folder, std::nullopt);
    EXPECT_EQ(plain.output, std::nullopt);
    EXPECT_EQ(plain.scale, 1);
}

TEST(RenderOptions, UsageErrorsSayWhatIsWrong)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{}, "no map named"},
        {{"a.map", "b.map"}, "one map only ('b.map' is a second one)"},
        {{"--scale=abc", "a.map"}, "the scale must be a number from 0.05 to 4, not 'abc'"},
        {{"-o", "", "a.map"}, "the output file's name is empty"},
        {{""}, "the map's name is empty"},
    };
    for (const auto& [arguments, problem] : cases) {
        const CommandLine line = parse(arguments);
        EXPECT_EQ(line.action, CommandLine::Action::UsageError) << problem;
        EXPECT_EQ(line.problem, problem);
    }
}

TEST(RenderOptions, TheScaleIsANumberFromOneTwentiethToFourWithADecimalPoint)
{
    EXPECT_EQ(readScale("0.05"), 0.05);
    EXPECT_EQ(readScale("4"), 4.0);
    EXPECT_EQ(readScale("1.25"), 1.25);
    for (const char* bad : {"0.049", "4.001", "0", "-1", "1,5", "", "nan", "inf", " 1", "1 ", "1x", "0x1"})
        EXPECT_FALSE(readScale(bad)) << bad;
}

// Paths stay relative: the working directory may lie too deep for an
// absolute path.
TEST(MapLocation, AGamePathLiesInTheGameFolderAFilePathNamesItsOwn)
{
    const MapLocation game = locateMap("map\\Map1.MAP", std::nullopt);
    EXPECT_EQ(game.gamePath, "map\\Map1.MAP");
    EXPECT_EQ(game.gameFolder, ".");
    EXPECT_EQ(game.gameName, "Map1");
    EXPECT_EQ(game.pictureName, "Map1.png");
    EXPECT_EQ(locateMap("map\\map1.map", "elsewhere").gameFolder, "elsewhere");

    const MapLocation file = locateMap("games/./one/x/../map/level.map", std::nullopt);
    EXPECT_FALSE(file.gamePath);
    EXPECT_EQ(file.file, "games/one/map/level.map");
    EXPECT_EQ(file.gameFolder, "games/one");
    EXPECT_EQ(file.pictureName, "level.png");
    const std::vector<std::pair<std::string, std::string>> folders = {
        {"map/level.map", "."}, {"level.map", ".."}, {"./level.map", ".."}, {"../level.map", "../.."},
        {"../../g/map/level.map", "../../g"}, {"/data/map/level.map", "/data"}};
    for (const auto& [map, folder] : folders)
        EXPECT_EQ(locateMap(map, std::nullopt).gameFolder, folder) << map;
    EXPECT_EQ(locateMap("/data/map/x.dat", "g").gameFolder, "g");
    EXPECT_EQ(locateMap("/data/map/x.dat", std::nullopt).pictureName, "x.dat.png");

    // Game paths are Windows-1252, file names UTF-8.
    const MapLocation umlaut = locateMap("map\\k\xE4se.map", std::nullopt);
    EXPECT_EQ(umlaut.gameName, "k\xE4se");
    EXPECT_EQ(umlaut.pictureName, "k\xC3\xA4se.png");
    EXPECT_EQ(locateMap("map/k\xC3\xA4se.map", std::nullopt).gameName, "k\xE4se");
}

}  // namespace
}  // namespace render
