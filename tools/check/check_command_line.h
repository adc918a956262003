#pragma once
// tervok-check's command line: [OPTION]... [GAME-FOLDER].
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace check {

enum class OutputFormat { Text, Json };

struct CheckCommand {
    enum class Action { Check, Help, Version, UsageError };
    Action action = Action::Check;
    OutputFormat format = OutputFormat::Text;
    std::filesystem::path folder = ".";
    std::string problem;  // what is wrong, for a usage error
};

// Options count up to "--": --format=text|json (or "--format json"), -C
// FOLDER (or -CFOLDER), --help (-h), --version. The game folder is named
// once, with -C or as the one argument.
CheckCommand parseCheckCommand(const std::vector<std::string>& arguments);

std::string checkHelpText();
std::string checkUsageText();

constexpr int kExitClean = 0;     // no errors (warnings allowed)
constexpr int kExitErrors = 1;    // at least one error
constexpr int kExitUsage = 2;     // a usage error, or a game folder that cannot be read

// The whole program, for main and the tests: reads the arguments after the
// program name, checks the folder and prints to out and err; returns the
// exit status.
int runCheck(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace check
