#include "common/startup/editor_command_line.h"

#include "common/files/game_path.h"
#include "common/startup/game_folder.h"

#include <sys/stat.h>

namespace tervok::startup {
namespace {

enum EditorOption { kDirectory = 1, kFromLauncher };

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

std::string introText(const ProgramInfo& program)
{
    const std::string loads =
        program.loads.empty()
            ? std::string()
            : "\nA named " + kindsText(program.loads) + " file is loaded at start, as the window's\n"
                  "\"load\" loads it.\n";
    return program.summary +
           "\n"
           "\n"
           "The game folder is, in this order:\n"
           "  - GAME-FOLDER or the folder given with -C, or the folder that holds FILE's\n"
           "    map, player, shots or sprites folder (a file dropped on the editor's\n"
           "    launcher);\n"
           "  - the working directory, when it holds a map, ep, player, shots or\n"
           "    sprites folder (in any letter case);\n"
           "  - the folder chosen at an earlier start, while it exists (one setting for\n"
           "    all four Tervok editors, in ~/.config/tervok/editors.conf);\n"
           "  - else the editor asks for it and remembers the answer; Cancel starts in\n"
           "    the working directory.\n" +
           loads;
}

bool loadsKind(const ProgramInfo& program, const NamedFile& file)
{
    for (const FileKind& kind : program.loads)
        if (isOfKind(file, kind))
            return true;
    return false;
}

// A game folder that cannot be opened: one line on err, and the same reason
// kept for a message box.
Start cannotStart(const ProgramInfo& program, bool fromLauncher, std::string problem, std::ostream& err)
{
    err << program.name << ": " << problem << '\n' << std::flush;
    Start start;
    start.exitStatus = kExitUsage;
    start.fromLauncher = fromLauncher;
    start.problem = std::move(problem);
    return start;
}

Start startIn(bool fromLauncher)
{
    Start start;
    start.folderNamed = true;
    start.fromLauncher = fromLauncher;
    return start;
}

// A file named instead of a game folder: the folder above its data folder
// is entered; the file is handed on when the program loads its kind and the
// window's game path reaches this very file from there (a name Windows-1252
// cannot hold, a backslash in it, or a second data folder differing only in
// case would reach another file, or none).
Start startOnFile(const ProgramInfo& program, const std::string& argument, bool fromLauncher,
                  const struct stat& identity, std::ostream& err)
{
    const std::optional<std::filesystem::path> game = gameFolderOfFile(argument);
    if (!game)
        return cannotStart(program, fromLauncher,
                           argument + ": cannot open the game folder: not a folder, nor a file in a map, player, "
                                      "shots or sprites folder",
                           err);
    const NamedFile named = nameOfFile(argument);
    if (const Status entered = enterFolder(*game); !entered)
        return cannotStart(program, fromLauncher,
                           argument + ": cannot open the game folder: " + systemReason(entered.error()), err);
    Start start = startIn(fromLauncher);
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

// What the command line read asks for: to end now, or where to start.
Start startFrom(const ProgramInfo& program, const Reading& reading, std::ostream& err)
{
    const bool fromLauncher = reading.line.has(kFromLauncher);
    if (reading.exitStatus) {
        Start start;
        start.exitStatus = reading.exitStatus;
        start.fromLauncher = fromLauncher;
        start.problem = reading.line.problem;
        return start;
    }
    if (reading.line.operands.empty()) {
        Start start;
        start.fromLauncher = fromLauncher;
        return start;
    }
    const std::string& named = reading.line.operands.front();
    struct stat status {};
    if (!reading.line.has(kDirectory) && ::stat(named.c_str(), &status) == 0 && !S_ISDIR(status.st_mode))
        return startOnFile(program, named, fromLauncher, status, err);
    if (const Status entered = enterFolder(named); !entered)
        return cannotStart(program, fromLauncher,
                           named + ": cannot open the game folder: " + systemReason(entered.error()), err);
    return startIn(fromLauncher);
}

}  // namespace

CommandSyntax editorSyntax(const ProgramInfo& program)
{
    std::vector<OptionRow> options{{kDirectory, 'C', "directory", "GAME-FOLDER",
                                     "work in GAME-FOLDER (the same as naming it as the argument, but a folder only)",
                                     nullptr, true}};
    options.insert(options.end(), program.options.begin(), program.options.end());
    options.push_back({kFromLauncher, 0, "from-launcher", "", ""});
    return {program.name,
            {"[OPTION]... [GAME-FOLDER | FILE]"},
            std::move(options),
            {"game folder", 0, 1},
            introText(program),
            "the game folder or file",
            "\nKeys:\n" + program.keys};
}

Start readEditorCommandLine(const ProgramInfo& program, int argc, const char* const* argv, std::ostream& out,
                            std::ostream& err)
{
    const Reading reading = readCommandLine(editorSyntax(program), argumentsOf(argc, argv), out, err);
    Start start = startFrom(program, reading, err);
    start.line = reading.line;
    return start;
}

}  // namespace tervok::startup
