#pragma once
// An editor's command line: [OPTION]... [GAME-FOLDER].
//
// It is read before the window system is started, so that --help, --version
// and usage errors need no display, and a named game folder is entered
// before anything else happens.
#include "startup/program_info.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tervok::startup {

struct CommandLine {
    enum class Action { Start, Help, Version, UsageError };
    Action action = Action::Start;
    std::optional<std::string> folder;  // the GAME-FOLDER argument
    std::string problem;                // what is wrong, for a usage error
};

// Reads the arguments after the program name. Options count up to "--";
// "-h"/"--help" and "--version" act as soon as they are met; an unknown
// option or a second folder is a usage error.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

std::string helpText(const ProgramInfo& program);
std::string versionText(const ProgramInfo& program);
std::string usageText(const ProgramInfo& program);

// Exit statuses of the editors' command line.
constexpr int kExitOk = 0;
constexpr int kExitUsage = 2;

struct Start {
    std::optional<int> exitStatus;  // set: end the program now with this status
    bool folderNamed = false;       // a game folder was named and is now the working directory
};

// What main does first: reads argv, prints help or the version to out, a
// usage error or a game folder that cannot be entered to err (as
// "name: FOLDER: cannot open the game folder: why"), and enters the named
// game folder.
Start readCommandLine(const ProgramInfo& program, int argc, const char* const* argv, std::ostream& out,
                      std::ostream& err);

}  // namespace tervok::startup
