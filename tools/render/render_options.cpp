#include "tools/render/render_options.h"

#include "tools/render/tile_blocks.h"

#include <charconv>

namespace render {
namespace {

using tervok::startup::CommandLine;
using tervok::startup::CommandSyntax;

enum RenderOption { kDirectory = 1, kOutput, kScale, kOverview, kScript };

std::optional<std::string> scaleProblem(const std::string& value)
{
    if (readScale(value))
        return std::nullopt;
    return "the scale must be a number from 0.05 to 4, not '" + value + "'";
}

std::optional<std::string> outputProblem(const std::string& value)
{
    return value.empty() ? std::optional<std::string>("the output file's name is empty") : std::nullopt;
}

std::optional<std::string> mapProblem(const std::string& value)
{
    return value.empty() ? std::optional<std::string>("the map's name is empty") : std::nullopt;
}

}  // namespace

const CommandSyntax& renderSyntax()
{
    static const CommandSyntax syntax{
        kProgram,
        {"[OPTION]... MAP"},
        {{kDirectory, 'C', "directory", "GAME-FOLDER", "the game folder"},
         {kOutput, 'o', "output", "FILE",
          "write the picture to FILE, '-' for standard output (default: the map's name with .png, in the working "
          "directory)",
          outputProblem},
         {kOverview, 0, "overview", "",
          "draw the overview instead: 200 x 200 pixels,\neach cell 2 x 2 in the colour of its tile's class"},
         {kScript, 0, "script", "",
          "mark every player row of the map's script (map\\NAME.msc) at its position: a magenta cross and the "
          "player number"},
         {kScale, 0, "scale", "S", "scale the picture by S (0.05 to 4), pixels kept sharp", scaleProblem}},
        {"map", 1, 1, mapProblem},
        "Draws the map file MAP of a Tervok game folder as a PNG picture, without a\n"
        "window or a display.\n"
        "\n"
        "MAP is a game path such as 'map\\map1.map' (with backslashes, relative to the\n"
        "game folder, letter case ignored) or the path of a .map file in the map\n"
        "folder of a game folder. The game folder is the one given with -C; without\n"
        "it, the working directory for a game path, and the folder that holds the\n"
        "map's folder for a file path. File paths on the command line (a file MAP,\n"
        "-o FILE) are taken from the working directory, also with -C. The picture\n"
        "never replaces a file the run reads (the map, its script, the tile\n"
        "catalogue, a bitmap), whatever the name or link that leads to it.\n"
        "\n"
        "The map is 2000 x 2000 pixels: each cell shows its tile's bitmap (the tile\n"
        "catalogue map\\mapteile.lst names it) from its top-left corner, cut at 20 x 20\n"
        "pixels. A cell whose tile has no name or no readable bitmap, and what a\n"
        "smaller bitmap leaves of its cell, is mid grey, " +
            std::string(kNeutralColourName) + ".\n",
        "the map",
        "\n"
        "Exit status: 0 the picture was written, 1 the map could not be read or the\n"
        "picture could not be written (or would have replaced a file the run reads),\n"
        "2 a usage error or a game folder that cannot be entered.\n"};
    return syntax;
}

RenderOptions renderOptionsOf(const CommandLine& line)
{
    RenderOptions options;
    options.map = line.operands.at(0);
    options.folder = line.last(kDirectory);
    options.output = line.last(kOutput);
    if (const std::optional<std::string> scale = line.last(kScale))
        options.scale = readScale(*scale).value_or(1);
    options.overview = line.has(kOverview);
    options.script = line.has(kScript);
    return options;
}

std::optional<double> readScale(std::string_view text)
{
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || !(value >= kMinScale && value <= kMaxScale))
        return std::nullopt;
    return value;
}

}  // namespace render
