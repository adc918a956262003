#pragma once
// An editor's command line: [OPTION]... [GAME-FOLDER | FILE], read by the one
// reader of every program (startup/command_line.h).
//
// It is read before the window system is started, so that --help, --version
// and usage errors need no display, and a named game folder is entered
// before anything else happens. A FILE in a game folder's map, player, shots
// or sprites folder (a file dropped on the editor's launcher) names the game
// folder that holds it; -C, --directory names a folder only.
#include "common/startup/command_line.h"
#include "common/startup/named_file.h"
#include "common/startup/program_info.h"

#include <optional>
#include <ostream>
#include <string>

namespace tervok::startup {

// The editor's options, --help worded from the program's summary, the files
// it loads and its keys. --from-launcher, which the desktop entries pass, is
// left out of --help: a reason to end is then also shown in a message box,
// since nobody reads standard error there.
CommandSyntax editorSyntax(const ProgramInfo& program);

struct [[nodiscard]] Start {
    std::optional<int> exitStatus;  // set: end the program now with this status
    bool folderNamed = false;       // a game folder was named and is now the working directory
    std::optional<NamedFile> file{};  // a named file the window loads, found again by its game path
    bool fromLauncher = false;      // started from the desktop entry
    std::string problem{};          // why the program ends with a usage error, without the program's name
    CommandLine line{};             // as read: the program's own options are asked for here (line.has(id))
};

// What main does first: reads argv, prints help or the version to out, a
// usage error or a game folder that cannot be entered to err (as
// "name: FOLDER: cannot open the game folder: why"), and enters the named
// game folder, or the one that holds a named file. A named file of a kind
// the program loads is handed on when its game path reaches it from there;
// when it does not (its name holds a character Windows-1252 cannot hold, or
// a backslash), err says so and the editor opens on the folder alone.
Start readEditorCommandLine(const ProgramInfo& program, int argc, const char* const* argv, std::ostream& out,
                            std::ostream& err);

}  // namespace tervok::startup
