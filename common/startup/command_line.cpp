#include "common/startup/command_line.h"

#include "common/files/game_path.h"
#include "common/startup/game_folder.h"

#include <sys/stat.h>

#include <algorithm>

namespace tervok::startup {
namespace {

bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// "map/*.map or map/*.msc", for --help.
std::string kindsText(const std::vector<FileKind>& kinds)
{
    std::string text;
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        if (i > 0)
            text += i + 1 == kinds.size() ? " or " : ", ";
        text += std::string(kinds[i].dataFolder) + "/*" + std::string(kinds[i].extension);
    }
    return text;
}

bool isFlag(const std::vector<EditorFlag>& known, const std::string& argument)
{
    for (const EditorFlag& flag : known)
        if (argument == "--" + std::string(flag.name))
            return true;
    return false;
}

// The options' lines of --help, their meanings in one column.
std::string optionLines(const ProgramInfo& program)
{
    std::size_t width = std::string("--version").size();
    for (const EditorFlag& flag : program.flags)
        width = std::max(width, flag.name.size() + 2);
    const auto line = [width](const std::string& shortName, const std::string& longName, std::string_view help) {
        return "  " + shortName + longName + std::string(width + 2 - longName.size(), ' ') + std::string(help) + '\n';
    };
    std::string text = line("-h, ", "--help", "show this help and exit") +
                       line("    ", "--version", "show the version and exit");
    for (const EditorFlag& flag : program.flags)
        text += line("    ", "--" + std::string(flag.name), flag.help);
    return text + "  --" + std::string(width + 4, ' ') + "end the options; what follows is the game folder or file\n";
}

bool loadsKind(const ProgramInfo& program, const NamedFile& file)
{
    for (const FileKind& kind : program.loads)
        if (isOfKind(file, kind))
            return true;
    return false;
}

// A usage error: one line on err, and the same reason kept for a message box.
Start usageError(const ProgramInfo& program, const CommandLine& line, std::string problem, std::ostream& err)
{
    err << program.name << ": " << problem << '\n' << std::flush;
    Start start;
    start.exitStatus = kExitUsage;
    start.fromLauncher = line.fromLauncher;
    start.problem = std::move(problem);
    return start;
}

// A file named instead of a game folder: the folder above its data folder
// is entered; the file is handed on when the program loads its kind and the
// window's game path reaches this very file from there (a name Windows-1252
// cannot hold, a backslash in it, or a second data folder differing only in
// case would reach another file, or none).
Start startOnFile(const ProgramInfo& program, const CommandLine& line, const struct stat& identity,
                  std::ostream& err)
{
    const std::string& argument = *line.folder;
    const std::optional<std::filesystem::path> game = gameFolderOfFile(argument);
    if (!game)
        return usageError(program, line,
                          argument + ": cannot open the game folder: not a folder, nor a file in a map, player, "
                                     "shots or sprites folder",
                          err);
    const NamedFile named = nameOfFile(argument);
    if (const Status entered = enterFolder(*game); !entered)
        return usageError(program, line, argument + ": cannot open the game folder: " + systemReason(entered.error()),
                          err);
    Start start;
    start.folderNamed = true;
    start.fromLauncher = line.fromLauncher;
    start.flags = line.flags;
    if (loadsKind(program, named)) {
        struct stat reached {};
        if (::stat(nativePath(gamePathOf(named)).c_str(), &reached) == 0 && sameFile(reached, identity))
            start.file = named;
        else
            err << program.name << ": " << argument << ": cannot load: the game's paths cannot name this file\n"
                << std::flush;
    }
    return start;
}

}  // namespace

bool Start::has(std::string_view flag) const
{
    return std::find(flags.begin(), flags.end(), flag) != flags.end();
}

CommandLine parseCommandLine(const std::vector<std::string>& arguments, const std::vector<EditorFlag>& known)
{
    CommandLine line;
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        const bool isOption = !optionsEnded && argument.size() > 1 && argument[0] == '-';
        if (isOption && argument == "--") {
            optionsEnded = true;
        } else if (isOption && (argument == "-h" || argument == "--help")) {
            return {CommandLine::Action::Help, std::nullopt, {}};
        } else if (isOption && argument == "--version") {
            return {CommandLine::Action::Version, std::nullopt, {}};
        } else if (isOption && argument == kFromLauncherOption) {
            line.fromLauncher = true;
        } else if (isOption && isFlag(known, argument)) {
            line.flags.push_back(argument.substr(2));
        } else if (isOption) {
            return {CommandLine::Action::UsageError, std::nullopt, "unknown option '" + argument + "'",
                    line.fromLauncher};
        } else if (line.folder) {
            return {CommandLine::Action::UsageError, std::nullopt,
                    "one game folder only ('" + argument + "' is a second one)", line.fromLauncher};
        } else {
            line.folder = argument;
        }
    }
    return line;
}

std::string usageText(const ProgramInfo& program)
{
    return "Usage: " + program.name + " [OPTION]... [GAME-FOLDER | FILE]\n";
}

std::string helpText(const ProgramInfo& program)
{
    const std::string loads =
        program.loads.empty()
            ? std::string()
            : "\nA named " + kindsText(program.loads) + " file is loaded at start, as the window's\n"
                  "\"load\" loads it.\n";
    return usageText(program) + program.summary +
           "\n"
           "\n"
           "The game folder is, in this order:\n"
           "  - GAME-FOLDER, when given, or the folder that holds FILE's map, player,\n"
           "    shots or sprites folder (a file dropped on the editor's launcher);\n"
           "  - the working directory, when it holds a map, ep, player, shots or\n"
           "    sprites folder (in any letter case);\n"
           "  - the folder chosen at an earlier start, while it exists (one setting for\n"
           "    all four Tervok editors, in ~/.config/tervok/editors.conf);\n"
           "  - else the editor asks for it and remembers the answer; Cancel starts in\n"
           "    the working directory.\n" +
           loads +
           "\n"
           "Options:\n" +
           optionLines(program) +
           "\n"
           "Keys:\n" +
           program.keys;
}

std::string versionText(const ProgramInfo& program)
{
    return program.name + " (Tervok editors) " + suiteVersion() + "\n";
}

Start readCommandLine(const ProgramInfo& program, int argc, const char* const* argv, std::ostream& out,
                      std::ostream& err)
{
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.emplace_back(argv[i]);
    const CommandLine line = parseCommandLine(arguments, program.flags);
    switch (line.action) {
    case CommandLine::Action::Help:
        out << helpText(program) << std::flush;
        return {.exitStatus = kExitOk};
    case CommandLine::Action::Version:
        out << versionText(program) << std::flush;
        return {.exitStatus = kExitOk};
    case CommandLine::Action::UsageError: {
        Start start = usageError(program, line, line.problem, err);
        err << usageText(program) << "Try '" << program.name << " --help' for more.\n" << std::flush;
        return start;
    }
    case CommandLine::Action::Start:
        break;
    }
    if (!line.folder) {
        Start start;
        start.fromLauncher = line.fromLauncher;
        start.flags = line.flags;
        return start;
    }
    struct stat status {};
    if (::stat(line.folder->c_str(), &status) == 0 && !S_ISDIR(status.st_mode))
        return startOnFile(program, line, status, err);
    if (const Status entered = enterFolder(*line.folder); !entered)
        return usageError(program, line,
                          *line.folder + ": cannot open the game folder: " + systemReason(entered.error()), err);
    Start start;
    start.folderNamed = true;
    start.fromLauncher = line.fromLauncher;
    start.flags = line.flags;
    return start;
}

}  // namespace tervok::startup
