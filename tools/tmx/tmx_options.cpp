#include "tools/tmx/tmx_options.h"

#include "common/startup/program_info.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

namespace tmx {
namespace {

using Action = TmxOptions::Action;

enum class Option { Directory, Output, Help, Version };

struct OptionName {
    Option option;
    std::string_view shortName;
    std::string_view longName;
    bool takesValue;
};

constexpr std::array<OptionName, 4> kOptions = {{
    {Option::Directory, "-C", "--directory", true},
    {Option::Output, "-o", "--output", true},
    {Option::Help, "-h", "--help", false},
    {Option::Version, "", "--version", false},
}};

const OptionName* findOption(std::string_view name)
{
    for (const OptionName& option : kOptions)
        if (name == option.longName || (!option.shortName.empty() && name == option.shortName))
            return &option;
    return nullptr;
}

void usageError(TmxOptions& options, std::string problem)
{
    options.action = Action::UsageError;
    options.problem = std::move(problem);
}

// Reads the option at arguments[i], and its value from the next argument
// when it needs one and none is joined to it.
void readOption(TmxOptions& options, const std::vector<std::string>& arguments, std::size_t& i)
{
    const std::string& argument = arguments[i];
    const bool isLong = argument.rfind("--", 0) == 0;
    const std::size_t equals = isLong ? argument.find('=') : std::string::npos;
    const std::string name = isLong ? argument.substr(0, equals) : argument.substr(0, 2);
    std::optional<std::string> joined;
    if (isLong && equals != std::string::npos)
        joined = argument.substr(equals + 1);
    else if (!isLong && argument.size() > 2)
        joined = argument.substr(2);
    const OptionName* option = findOption(name);
    if (!option)
        return usageError(options, "unknown option '" + argument + "'");
    if (!option->takesValue && joined)
        return usageError(options, "option '" + name + "' takes no value");
    if (option->takesValue && !joined) {
        if (i + 1 == arguments.size())
            return usageError(options, "option '" + name + "' needs a value");
        joined = arguments[++i];
    }
    switch (option->option) {
    case Option::Directory: options.folder = *joined; break;
    case Option::Output: options.output = *joined; break;
    case Option::Help: options.action = Action::Help; break;
    case Option::Version: options.action = Action::Version; break;
    }
}

// The operands in order: the command, then what it works on.
void checkOperands(TmxOptions& options, const std::vector<std::string>& operands)
{
    if (operands.empty())
        return usageError(options, "no command: export or import");
    if (operands[0] == "export")
        options.action = Action::Export;
    else if (operands[0] == "import")
        options.action = Action::Import;
    else
        return usageError(options, "unknown command '" + operands[0] + "': export or import");
    const bool exporting = options.action == Action::Export;
    const std::string what = exporting ? "map" : "Tiled file";
    if (operands.size() < 2 || operands[1].empty())
        return usageError(options, "no " + what + " named");
    if (operands.size() > 2)
        return usageError(options, "one " + what + " only ('" + operands[2] + "' is a second one)");
    options.input = operands[1];
    const std::optional<std::string>& document = exporting ? options.output : std::optional<std::string>(options.input);
    if (document && !documentFormOf(*document))
        return usageError(options, "the Tiled file '" + *document + "' must end in .tmx, .tmj or .json");
    if (!exporting && options.output && options.output->empty())
        usageError(options, "the map's name is empty");
}

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

TmxOptions parseTmxOptions(const std::vector<std::string>& arguments)
{
    TmxOptions options;
    options.action = Action::Export;  // until the operands say otherwise
    std::vector<std::string> operands;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-')
            operands.push_back(argument);
        else if (argument == "--")
            optionsEnded = true;
        else
            readOption(options, arguments, i);
        if (options.action != Action::Export)
            return options;
    }
    checkOperands(options, operands);
    return options;
}

std::string usageText()
{
    return std::string("Usage: ") + kProgram + " export [OPTION]... MAP\n" + "  or:  " + kProgram +
           " import [OPTION]... FILE.tmx|FILE.tmj\n";
}

std::string helpText()
{
    return usageText() +
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
           "the Tiled file, -o FILE) are taken from the working directory, also with -C.\n"
           "\n"
           "Options:\n"
           "  -C, --directory=GAME-FOLDER  the game folder\n"
           "  -o, --output=FILE  export: the Tiled file to write (default: the map's name\n"
           "                     with .tmx, in the working directory);\n"
           "                     import: the MAP to write (default: map\\NAME.map in the\n"
           "                     game folder, NAME being the Tiled file's name)\n"
           "  -h, --help         show this help and exit\n"
           "      --version      show the version and exit\n"
           "  --                 end the options\n"
           "\n"
           "Exit status: 0 the file was written (warnings allowed), 1 a file could not be\n"
           "read, was refused or could not be written, 2 a usage error or a game folder\n"
           "that cannot be entered.\n";
}

std::string versionText()
{
    return std::string(kProgram) + " (Tervok editors) " + tervok::startup::suiteVersion() + "\n";
}

}  // namespace tmx
