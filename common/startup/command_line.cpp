#include "startup/command_line.h"

#include "startup/game_folder.h"

namespace tervok::startup {

CommandLine parseCommandLine(const std::vector<std::string>& arguments)
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
        } else if (isOption) {
            return {CommandLine::Action::UsageError, std::nullopt, "unknown option '" + argument + "'"};
        } else if (line.folder) {
            return {CommandLine::Action::UsageError, std::nullopt,
                    "one game folder only ('" + argument + "' is a second one)"};
        } else {
            line.folder = argument;
        }
    }
    return line;
}

std::string usageText(const ProgramInfo& program)
{
    return "Usage: " + program.name + " [OPTION]... [GAME-FOLDER]\n";
}

std::string helpText(const ProgramInfo& program)
{
    return usageText(program) + program.summary +
           "\n"
           "\n"
           "The game folder is, in this order:\n"
           "  - GAME-FOLDER, when given;\n"
           "  - the working directory, when it holds a map, ep, player, shots or\n"
           "    sprites folder (in any letter case);\n"
           "  - the folder chosen at an earlier start, while it exists (one setting for\n"
           "    all four Tervok editors, in ~/.config/tervok/editors.conf);\n"
           "  - else the editor asks for it and remembers the answer; Cancel starts in\n"
           "    the working directory.\n"
           "\n"
           "Options:\n"
           "  -h, --help     show this help and exit\n"
           "      --version  show the version and exit\n"
           "  --             end the options; what follows is the game folder\n"
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
    const CommandLine line = parseCommandLine(arguments);
    switch (line.action) {
    case CommandLine::Action::Help:
        out << helpText(program) << std::flush;
        return {kExitOk, false};
    case CommandLine::Action::Version:
        out << versionText(program) << std::flush;
        return {kExitOk, false};
    case CommandLine::Action::UsageError:
        err << program.name << ": " << line.problem << '\n'
            << usageText(program) << "Try '" << program.name << " --help' for more.\n"
            << std::flush;
        return {kExitUsage, false};
    case CommandLine::Action::Start:
        break;
    }
    if (!line.folder)
        return {std::nullopt, false};
    if (const std::optional<std::string> why = enterFolder(*line.folder)) {
        err << program.name << ": " << *line.folder << ": cannot open the game folder: " << *why << '\n' << std::flush;
        return {kExitUsage, false};
    }
    return {std::nullopt, true};
}

}  // namespace tervok::startup
