#pragma once
// An editor's command line: [OPTION]... [GAME-FOLDER | FILE].
//
// It is read before the window system is started, so that --help, --version
// and usage errors need no display, and a named game folder is entered
// before anything else happens. A FILE in a game folder's map, player, shots
// or sprites folder (a file dropped on the editor's launcher) names the game
// folder that holds it.
#include "common/startup/named_file.h"
#include "common/startup/program_info.h"

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tervok::startup {

struct CommandLine {
    enum class Action { Start, Help, Version, UsageError };
    Action action = Action::Start;
    std::optional<std::string> folder;  // the GAME-FOLDER or FILE argument
    std::string problem;                // what is wrong, for a usage error
    bool fromLauncher = false;          // --from-launcher: started from the desktop entry
    std::vector<std::string> flags{};   // the names of the program's own flags given, in order
};

// The option the desktop entries pass: a reason to end is then also shown in
// a message box, since nobody reads standard error there. Not in --help.
inline constexpr const char* kFromLauncherOption = "--from-launcher";

// Reads the arguments after the program name. Options count up to "--";
// "-h"/"--help" and "--version" act as soon as they are met; an unknown
// option or a second folder is a usage error. known are the program's own
// flags.
CommandLine parseCommandLine(const std::vector<std::string>& arguments, const std::vector<EditorFlag>& known = {});

std::string helpText(const ProgramInfo& program);
std::string versionText(const ProgramInfo& program);
std::string usageText(const ProgramInfo& program);

// Exit statuses of the editors' command line.
constexpr int kExitOk = 0;
constexpr int kExitUsage = 2;

struct Start {
    std::optional<int> exitStatus;  // set: end the program now with this status
    bool folderNamed = false;       // a game folder was named and is now the working directory
    std::optional<NamedFile> file{};  // a named file the window loads, found again by its game path
    bool fromLauncher = false;      // started from the desktop entry
    std::string problem{};          // why the program ends with a usage error, without the program's name
    std::vector<std::string> flags{};  // the program's own flags given

    bool has(std::string_view flag) const;
};

// What main does first: reads argv, prints help or the version to out, a
// usage error or a game folder that cannot be entered to err (as
// "name: FOLDER: cannot open the game folder: why"), and enters the named
// game folder, or the one that holds a named file. A named file of a kind
// the program loads is handed on when its game path reaches it from there;
// when it does not (its name holds a character Windows-1252 cannot hold, or
// a backslash), err says so and the editor opens on the folder alone.
Start readCommandLine(const ProgramInfo& program, int argc, const char* const* argv, std::ostream& out,
                      std::ostream& err);

}  // namespace tervok::startup
