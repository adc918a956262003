#include "tools/render/render_options.h"

#include "common/startup/program_info.h"
#include "tools/render/tile_blocks.h"

#include <array>
#include <charconv>

namespace render {
namespace {

using Action = RenderOptions::Action;

enum class Option { Directory, Output, Scale, Overview, Script, Help, Version };

struct OptionName {
    Option option;
    std::string_view shortName;  // "-C", or empty
    std::string_view longName;   // "--directory"
    bool takesValue;
};

constexpr std::array<OptionName, 7> kOptions = {{
    {Option::Directory, "-C", "--directory", true},
    {Option::Output, "-o", "--output", true},
    {Option::Scale, "", "--scale", true},
    {Option::Overview, "", "--overview", false},
    {Option::Script, "", "--script", false},
    {Option::Help, "-h", "--help", false},
    {Option::Version, "", "--version", false},
}};

// An option as written: its name, and a value joined to it ("--output=x",
// "-ox").
struct Written {
    std::string name;
    std::optional<std::string> joinedValue;
};

Written splitWritten(const std::string& argument)
{
    if (argument.rfind("--", 0) == 0) {
        const std::size_t equals = argument.find('=');
        if (equals == std::string::npos)
            return {argument, std::nullopt};
        return {argument.substr(0, equals), argument.substr(equals + 1)};
    }
    if (argument.size() > 2)
        return {argument.substr(0, 2), argument.substr(2)};
    return {argument, std::nullopt};
}

const OptionName* findOption(const std::string& name)
{
    for (const OptionName& option : kOptions)
        if (name == option.longName || (!option.shortName.empty() && name == option.shortName))
            return &option;
    return nullptr;
}

void usageError(RenderOptions& options, std::string problem)
{
    options.action = Action::UsageError;
    options.problem = std::move(problem);
}

void apply(RenderOptions& options, Option option, const std::string& value)
{
    switch (option) {
    case Option::Directory: options.folder = value; break;
    case Option::Output:
        if (value.empty())
            usageError(options, "the output file's name is empty");
        else
            options.output = value;
        break;
    case Option::Overview: options.overview = true; break;
    case Option::Script: options.script = true; break;
    case Option::Help: options.action = Action::Help; break;
    case Option::Version: options.action = Action::Version; break;
    case Option::Scale:
        if (const std::optional<double> scale = readScale(value))
            options.scale = *scale;
        else
            usageError(options, "the scale must be a number from 0.05 to 4, not '" + value + "'");
        break;
    }
}

// Reads the option at arguments[i], and its value from the next argument
// when it needs one and none is joined to it.
void readOption(RenderOptions& options, const std::vector<std::string>& arguments, std::size_t& i)
{
    const Written written = splitWritten(arguments[i]);
    const OptionName* option = findOption(written.name);
    if (!option)
        return usageError(options, "unknown option '" + arguments[i] + "'");
    if (!option->takesValue && written.joinedValue)
        return usageError(options, "option '" + written.name + "' takes no value");
    std::string value = written.joinedValue.value_or(std::string());
    if (option->takesValue && !written.joinedValue) {
        if (i + 1 == arguments.size())
            return usageError(options, "option '" + written.name + "' needs a value");
        value = arguments[++i];
    }
    apply(options, option->option, value);
}

void takeMap(RenderOptions& options, bool& mapSeen, const std::string& argument)
{
    if (mapSeen)
        return usageError(options, "one map only ('" + argument + "' is a second map)");
    if (argument.empty())
        return usageError(options, "the map's name is empty");
    options.map = argument;
    mapSeen = true;
}

}  // namespace

RenderOptions parseRenderOptions(const std::vector<std::string>& arguments)
{
    RenderOptions options;
    bool optionsEnded = false;
    bool mapSeen = false;
    for (std::size_t i = 0; i < arguments.size() && options.action == Action::Render; ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-')
            takeMap(options, mapSeen, argument);
        else if (argument == "--")
            optionsEnded = true;
        else
            readOption(options, arguments, i);
    }
    if (options.action == Action::Render && !mapSeen)
        usageError(options, "no map named");
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

std::string usageText()
{
    return std::string("Usage: ") + kProgram + " [OPTION]... MAP\n";
}

std::string helpText()
{
    return usageText() +
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
           std::string(kNeutralColourName) +
           ".\n"
           "\n"
           "Options:\n"
           "  -C, --directory=GAME-FOLDER  the game folder\n"
           "  -o, --output=FILE  write the picture to FILE, '-' for standard output\n"
           "                     (default: the map's name with .png, in the working\n"
           "                     directory)\n"
           "      --overview     draw the overview instead: 200 x 200 pixels, each cell\n"
           "                     2 x 2 in the colour of its tile's class\n"
           "      --script       mark every player row of the map's script\n"
           "                     (map\\NAME.msc) at its position: a magenta cross and\n"
           "                     the player number\n"
           "      --scale=S      scale the picture by S (0.05 to 4), pixels kept sharp\n"
           "  -h, --help         show this help and exit\n"
           "      --version      show the version and exit\n"
           "  --                 end the options; what follows is the map\n"
           "\n"
           "Exit status: 0 the picture was written, 1 the map could not be read or the\n"
           "picture could not be written (or would have replaced a file the run reads),\n"
           "2 a usage error or a game folder that cannot be entered.\n";
}

std::string versionText()
{
    return std::string(kProgram) + " (Tervok editors) " + tervok::startup::suiteVersion() + "\n";
}

}  // namespace render
