#pragma once
// The command line of every Tervok program, read the GNU way from a table of
// its options, before anything else happens and without any window system:
//
//   -o FILE, -oFILE, --output FILE, --output=FILE   an option with a value
//   --overview                                      a flag
//   --                                              ends the options
//   -, and what does not start with "-"             an operand
//
// -h, --help and --version belong to every program. Arguments are read in
// order: --help, --version and the first error act as soon as they are met,
// and a later value of an option overrides an earlier one. --help is worded
// from the same table, and a usage error always ends the same way:
//
//   tervok-render: unknown option '--bogus'
//   Usage: tervok-render [OPTION]... MAP
//   Try 'tervok-render --help' for more information.
#include "common/startup/exit_status.h"

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tervok::startup {

// Why a value is wrong, for a usage error ("the scale must be ..."), or
// nothing when it is right.
using ValueCheck = std::optional<std::string> (*)(const std::string& value);

struct OptionRow {
    int id = 0;                  // what the program knows the option by
    char shortName = 0;          // 'o' for -o; 0 for none
    std::string_view longName;   // "output" for --output; empty for none
    std::string_view valueName;  // "FILE": the option takes a value; empty: a flag
    std::string_view help;       // its text in --help, wrapped there ("\n" begins a line); empty: not listed
    ValueCheck check = nullptr;  // tried on the value as soon as it is read
    bool namesOperand = false;   // its value is an operand too, counted with them (-C GAME-FOLDER)
};

// How many operands a program takes, and what one is called in messages:
// "no map named", "one map only ('b.map' is a second one)".
struct OperandRule {
    std::string_view noun;
    std::size_t min = 0;
    std::size_t max = 1;
    ValueCheck check = nullptr;  // tried on each operand as soon as it is read
};

struct CommandSyntax {
    std::string program;             // "tervok-render"
    std::vector<std::string> forms;  // each what follows "Usage: PROG " on a line: "[OPTION]... MAP"
    std::vector<OptionRow> options;  // without -h, --help and --version
    OperandRule operands;
    std::string intro;               // --help's text between the usage and the options
    std::string afterDashes;         // what follows "--", for its line in --help: "the map"
    std::string outro;               // --help's text after the options
};

// The ids of the options every program has.
constexpr int kHelpOption = -1;
constexpr int kVersionOption = -2;

struct [[nodiscard]] CommandLine {
    enum class Action { Run, Help, Version, UsageError };
    struct Given {
        int id;
        std::string value;  // empty for a flag
    };

    Action action = Action::Run;
    std::vector<Given> options;         // as read, in order (up to an error)
    std::vector<std::string> operands;  // with the values of options that name one
    std::string problem;                // what is wrong, for a usage error

    bool has(int id) const;
    // The value last given to the option.
    std::optional<std::string> last(int id) const;
};

// Reads the arguments after the program's name.
CommandLine parseCommandLine(const CommandSyntax& syntax, const std::vector<std::string>& arguments);

// What is wrong with this many operands by the rule, or nothing.
std::optional<std::string> operandCountProblem(const OperandRule& rule, const std::vector<std::string>& operands);

std::string usageText(const CommandSyntax& syntax);
std::string helpText(const CommandSyntax& syntax);
std::string versionText(const CommandSyntax& syntax);

// Writes the problem, the usage and the hint to --help on err; returns
// kExitUsage. For what a program finds wrong once the line is read.
int reportUsageError(const CommandSyntax& syntax, const std::string& problem, std::ostream& err);

struct [[nodiscard]] Reading {
    std::optional<int> exitStatus;  // set: --help, --version or a usage error was answered; end now
    CommandLine line;
};

// What a program's main does first: reads the arguments, answers --help and
// --version on out and a usage error on err.
Reading readCommandLine(const CommandSyntax& syntax, const std::vector<std::string>& arguments, std::ostream& out,
                        std::ostream& err);

// argv after the program's name.
std::vector<std::string> argumentsOf(int argc, const char* const* argv);

}  // namespace tervok::startup
