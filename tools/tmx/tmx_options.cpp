#include "tools/tmx/tmx_options.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace tmx {
namespace {

using tervok::startup::CommandLine;
using tervok::startup::CommandSyntax;
using Command = TmxOptions::Command;

enum TmxOption { kDirectory = 1, kOutput };

}  // namespace

std::optional<DocumentForm> documentFormOf(const std::string& name)
{
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || name.find('/', dot) != std::string::npos)
        return std::nullopt;
    std::string extension = name.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".tmx")
        return DocumentForm::Tmx;
    if (extension == ".tmj" || extension == ".json")
        return DocumentForm::Json;
    return std::nullopt;
}

const CommandSyntax& tmxSyntax()
{
    // The operands are counted by tmxOptionsOf, which knows the command.
    static const CommandSyntax syntax{
        kProgram,
        {"export [OPTION]... MAP", "import [OPTION]... FILE.tmx|FILE.tmj"},
        {{kDirectory, 'C', "directory", "GAME-FOLDER", "the game folder"},
         {kOutput, 'o', "output", "FILE",
          "export: the Tiled file to write (default: the map's name with .tmx, in the working directory);\n"
          "import: the MAP to write (default: map\\NAME.map in the game folder, NAME being the Tiled file's name)"}},
        {"command", 0, std::numeric_limits<std::size_t>::max()},
        "Carries a Tervok map and its script into a map document of the Tiled map\n"
        "editor, and back, without losing a byte.\n"
        "\n"
        "export  writes MAP as a Tiled map: 100 x 100 cells of 20 x 20 pixels, one\n"
        "        tileset of the game's tiles (tile id = tile number, each with its\n"
        "        bitmap and its catalogue name and class as properties 'name' and\n"
        "        'kl'), the tile layer 'tiles' and the object group 'script': a point\n"
        "        object for each player row of map\\NAME.msc, every other row and the\n"
        "        header as properties. .tmx is Tiled's XML, .tmj or .json its JSON.\n"
        "import  writes the map in a Tiled file back to MAP, and its script beside it\n"
        "        (map\\NAME.msc) when the file has an object group 'script'. What the\n"
        "        game cannot hold (flipped tiles, other tilesets, another size...) is\n"
        "        refused, naming the cell or object, and nothing is written.\n"
        "\n"
        "MAP is a game path such as 'map\\map1.map' (with backslashes, relative to the\n"
        "game folder, letter case ignored) or the path of a .map file in the map\n"
        "folder of a game folder. The game folder is the one given with -C; without\n"
        "it, the working directory for a game path, and the folder that holds the\n"
        "map's folder for a file path. Files named on the command line (a file MAP,\n"
        "the Tiled file, -o FILE) are taken from the working directory, also with -C.\n",
        "the map or the Tiled file",
        "\n"
        "Exit status: 0 the file was written (warnings allowed), 1 a file could not be\n"
        "read, was refused or could not be written, 2 a usage error or a game folder\n"
        "that cannot be entered.\n"};
    return syntax;
}

std::variant<TmxOptions, std::string> tmxOptionsOf(const CommandLine& line)
{
    const std::vector<std::string>& operands = line.operands;
    if (operands.empty())
        return "no command: export or import";
    TmxOptions options;
    if (operands[0] == "import")
        options.command = Command::Import;
    else if (operands[0] != "export")
        return "unknown command '" + operands[0] + "': export or import";
    const bool exporting = options.command == Command::Export;
    const tervok::startup::OperandRule file{exporting ? "map" : "Tiled file", 1, 1};
    const std::vector<std::string> files(operands.begin() + 1, operands.end());
    if (std::optional<std::string> problem = operandCountProblem(file, files))
        return *problem;
    if (files[0].empty())
        return "no " + std::string(file.noun) + " named";
    options.input = files[0];
    options.folder = line.last(kDirectory);
    options.output = line.last(kOutput);
    const std::optional<std::string>& document = exporting ? options.output : std::optional<std::string>(options.input);
    if (document && !documentFormOf(*document))
        return "the Tiled file '" + *document + "' must end in .tmx, .tmj or .json";
    if (!exporting && options.output && options.output->empty())
        return "the map's name is empty";
    return options;
}

}  // namespace tmx
