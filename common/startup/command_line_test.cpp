// The one command-line reader, on a program of its own that has every kind
// of option: one with a value, a flag, a hidden one, one whose value is
// checked and one that names the operand.
#include "common/startup/command_line.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tervok::startup {
namespace {

enum ToolOption { kOutput = 1, kFlag, kDirectory, kLevel, kHidden };

std::optional<std::string> oneDigit(const std::string& value)
{
    if (value.size() == 1 && value[0] >= '0' && value[0] <= '9')
        return std::nullopt;
    return "the level is one digit, not '" + value + "'";
}

std::optional<std::string> notEmpty(const std::string& value)
{
    return value.empty() ? std::optional<std::string>("the thing's name is empty") : std::nullopt;
}

const CommandSyntax kTool{
    "tool",
    {"[OPTION]... THING", "--list"},
    {{kOutput, 'o', "output", "FILE",
      "write to FILE, '-' for standard output (default: the thing's name with .out, in the working directory)"},
     {kFlag, 0, "flag", "", "a flag,\non two lines"},
     {kDirectory, 'C', "directory", "GAME-FOLDER", "the folder, which is the thing too", nullptr, true},
     {kLevel, 'l', "", "N", "the level", oneDigit},
     {kHidden, 0, "hidden", "", ""}},
    {"thing", 1, 1, notEmpty},
    "Does things.\n",
    "the thing",
    "\nExit status: 0 done.\n"};

// What was read, in one line: "run o=a flag : x", "usage: problem".
std::string read(const std::vector<std::string>& arguments)
{
    const CommandLine line = parseCommandLine(kTool, arguments);
    switch (line.action) {
    case CommandLine::Action::Help: return "help";
    case CommandLine::Action::Version: return "version";
    case CommandLine::Action::UsageError: return "usage: " + line.problem;
    case CommandLine::Action::Run: break;
    }
    const std::vector<std::string> names = {"", "o", "flag", "C", "l", "hidden"};
    std::string text = "run";
    for (const CommandLine::Given& given : line.options)
        text += " " + names[given.id] + (given.value.empty() ? "" : "=" + given.value);
    text += " :";
    for (const std::string& operand : line.operands)
        text += " " + operand;
    return text;
}

TEST(CommandLine, ReadsOptionsAndOperandsTheGnuWay)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"x"}, "run : x"},
        // A value joined or apart, short or long; it may begin with a dash.
        {{"-o", "f", "x"}, "run o=f : x"},
        {{"-of", "x"}, "run o=f : x"},
        {{"x", "--output=f"}, "run o=f : x"},
        {{"--output=", "x"}, "run o : x"},
        {{"-o", "-", "x"}, "run o=- : x"},
        {{"-o", "--", "--flag", "x"}, "run o=-- flag : x"},
        {{"-o", "a", "x", "-ob"}, "run o=a o=b : x"},
        {{"--flag", "--hidden", "-l", "3", "x"}, "run flag hidden l=3 : x"},
        // "-" is an operand; "--" ends the options.
        {{"-"}, "run : -"},
        {{"--", "-o"}, "run : -o"},
        {{"--", "--"}, "run : --"},
        // An option that names the operand counts with the operands.
        {{"-C", "d"}, "run C=d : d"},
        {{"--directory=d", "--", "x"}, "usage: one thing only ('x' is a second one)"},
        // --help, --version and the first error act as soon as they are met.
        {{"x", "--help", "--bogus"}, "help"},
        {{"-h"}, "help"},
        {{"--version", "a", "b"}, "version"},
        {{"--bogus", "--help"}, "usage: unknown option '--bogus'"},
        {{"a", "b", "--help"}, "usage: one thing only ('b' is a second one)"},
        {{"-l", "x", "--help"}, "usage: the level is one digit, not 'x'"},
        {{"", "--help"}, "usage: the thing's name is empty"},
        // No abbreviations, no grouped flags, no Qt options.
        {{"--out=f", "x"}, "usage: unknown option '--out=f'"},
        {{"-platform", "offscreen"}, "usage: unknown option '-platform'"},
        {{"-hx"}, "usage: option '-h' takes no value"},
        {{"--flag=yes", "x"}, "usage: option '--flag' takes no value"},
        {{"--version="}, "usage: option '--version' takes no value"},
        {{"--lev", "x"}, "usage: unknown option '--lev'"},
        {{"x", "-o"}, "usage: option '-o' needs a value"},
        {{"x", "--output"}, "usage: option '--output' needs a value"},
        {{}, "usage: no thing named"},
        {{"--flag"}, "usage: no thing named"},
    };
    for (const auto& [arguments, expected] : cases) {
        std::string written;
        for (const std::string& argument : arguments)
            written += "[" + argument + "]";
        EXPECT_EQ(read(arguments), expected) << written;
    }
    const CommandLine line = parseCommandLine(kTool, {"-o", "a", "x", "-ob"});
    EXPECT_EQ(line.last(kOutput), "b");
    EXPECT_FALSE(line.has(kFlag));
}

TEST(CommandLine, OperandCounts)
{
    EXPECT_EQ(operandCountProblem({"map", 0, 0}, {"a"}), "unexpected argument 'a'");
    EXPECT_EQ(operandCountProblem({"map", 0, 2}, {"a", "b", "c"}), "'c' is one map too many");
}

struct Answer {
    std::optional<int> status;
    std::string out;
    std::string err;
};

Answer answer(const std::vector<std::string>& arguments)
{
    std::ostringstream out;
    std::ostringstream err;
    const Reading reading = readCommandLine(kTool, arguments, out, err);
    return {reading.exitStatus, out.str(), err.str()};
}

// --help lists the options in the table's order, hidden ones left out, each
// text wrapped at one column and where it says; an option written too wide
// for the column starts its text on the next line.
TEST(CommandLine, HelpVersionAndUsageErrorsAreAnsweredTheSameWayInEveryProgram)
{
    const Answer help = answer({"--help"});
    EXPECT_EQ(help.status, kExitOk);
    EXPECT_EQ(help.err, "");
    EXPECT_EQ(help.out, "Usage: tool [OPTION]... THING\n"
                        "  or:  tool --list\n"
                        "Does things.\n"
                        "\n"
                        "Options:\n"
                        "  -o, --output=FILE  write to FILE, '-' for standard output (default: the\n"
                        "                     thing's name with .out, in the working directory)\n"
                        "      --flag         a flag,\n"
                        "                     on two lines\n"
                        "  -C, --directory=GAME-FOLDER\n"
                        "                     the folder, which is the thing too\n"
                        "  -l N               the level\n"
                        "  -h, --help         show this help and exit\n"
                        "      --version      show the version and exit\n"
                        "  --                 end the options; what follows is the thing, even when it\n"
                        "                     begins with '-'\n"
                        "\n"
                        "Exit status: 0 done.\n");

    const Answer version = answer({"--version"});
    EXPECT_EQ(version.status, kExitOk);
    EXPECT_EQ(version.out, std::string("tool (Tervok editors) ") + TERVOK_EXPECTED_VERSION + "\n");
    EXPECT_EQ(version.err, "");

    const Answer wrong = answer({"-q"});
    EXPECT_EQ(wrong.status, kExitUsage);
    EXPECT_EQ(wrong.out, "");
    EXPECT_EQ(wrong.err, "tool: unknown option '-q'\n"
                         "Usage: tool [OPTION]... THING\n"
                         "  or:  tool --list\n"
                         "Try 'tool --help' for more information.\n");

    const Answer run = answer({"x"});
    EXPECT_EQ(run.status, std::nullopt);
    EXPECT_EQ(run.out + run.err, "");
}

}  // namespace
}  // namespace tervok::startup
