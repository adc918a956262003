#include "tools/check/check_command_line.h"

#include "common/startup/program_info.h"
#include "tools/check/content_check.h"
#include "tools/check/findings_report.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <dirent.h>

namespace check {
namespace {

constexpr const char* kProgram = "tervok-check";

bool setFormat(CheckCommand& command, const std::string& name)
{
    if (name == "text")
        command.format = OutputFormat::Text;
    else if (name == "json")
        command.format = OutputFormat::Json;
    else
        return false;
    return true;
}

CheckCommand usageError(std::string problem)
{
    CheckCommand command;
    command.action = CheckCommand::Action::UsageError;
    command.problem = std::move(problem);
    return command;
}

// Why the folder cannot be checked, or nothing when it can.
std::optional<std::string> whyUnreadable(const std::filesystem::path& folder)
{
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0)
        return std::strerror(errno);
    if (!S_ISDIR(st.st_mode))
        return std::strerror(ENOTDIR);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return std::strerror(errno);
    ::closedir(dir);
    return std::nullopt;
}

std::string lowerFirst(std::string text)
{
    if (!text.empty() && text.front() >= 'A' && text.front() <= 'Z')
        text.front() = static_cast<char>(text.front() - 'A' + 'a');
    return text;
}

}  // namespace

CheckCommand parseCheckCommand(const std::vector<std::string>& arguments)
{
    CheckCommand command;
    bool folderNamed = false;
    bool options = true;
    const auto nameFolder = [&](const std::string& folder) {
        if (folderNamed)
            return false;
        command.folder = folder;
        folderNamed = true;
        return true;
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        if (options && arg == "--") {
            options = false;
        } else if (options && (arg == "--help" || arg == "-h")) {
            command.action = CheckCommand::Action::Help;
            return command;
        } else if (options && arg == "--version") {
            command.action = CheckCommand::Action::Version;
            return command;
        } else if (options && arg.rfind("--format=", 0) == 0) {
            if (!setFormat(command, arg.substr(9)))
                return usageError("unknown format '" + arg.substr(9) + "' (text or json)");
        } else if (options && arg == "--format") {
            if (i + 1 == arguments.size() || !setFormat(command, arguments[i + 1]))
                return usageError("--format takes text or json");
            ++i;
        } else if (options && arg.rfind("-C", 0) == 0) {
            const std::string folder = arg.size() > 2 ? arg.substr(2) : (i + 1 < arguments.size() ? arguments[++i] : "");
            if (folder.empty())
                return usageError("-C takes a game folder");
            if (!nameFolder(folder))
                return usageError("the game folder is named twice");
        } else if (options && arg.size() > 1 && arg.front() == '-') {
            return usageError("unknown option '" + arg + "'");
        } else if (!nameFolder(arg)) {
            return usageError("the game folder is named twice");
        }
    }
    return command;
}

std::string checkUsageText()
{
    return "Usage: tervok-check [OPTION]... [GAME-FOLDER]\n";
}

std::string checkHelpText()
{
    return checkUsageText() +
           "Check a Tervok game folder (default: the working directory) the way the editors and\n"
           "the game read it, and report every problem found.\n"
           "\n"
           "  -C FOLDER        check FOLDER (the same as naming it as the argument)\n"
           "      --format=FORMAT  text (the default) or json\n"
           "  -h, --help       show this help and exit\n"
           "      --version    show the version and exit\n"
           "\n"
           "Each finding is one line, PATH:LINE: error: MESSAGE or PATH:LINE: warning: MESSAGE,\n"
           "or PATH: error: cell (X, Y): MESSAGE for a map file, PATH relative to the game folder.\n"
           "An error makes an editor refuse a file, or the editor or the game show or read\n"
           "something other than what was meant (a missing bitmap, a number out of range, a\n"
           "reference to something not listed or missing); a warning is legal but probably a\n"
           "mistake (a duplicate, a comma that splits an entry, line ends). The last line counts\n"
           "the errors and warnings and the files read. With --format=json the findings are one\n"
           "JSON array of objects with file, line, x, y, severity, code and message.\n"
           "\n"
           "Exit status: 0 without errors (warnings allowed), 1 with errors, 2 for a usage\n"
           "error or a game folder that cannot be read.\n";
}

int runCheck(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    const CheckCommand command = parseCheckCommand(arguments);
    switch (command.action) {
    case CheckCommand::Action::Help:
        out << checkHelpText();
        return kExitClean;
    case CheckCommand::Action::Version:
        out << kProgram << " (Tervok editors) " << tervok::startup::suiteVersion() << '\n';
        return kExitClean;
    case CheckCommand::Action::UsageError:
        err << kProgram << ": " << command.problem << '\n'
            << checkUsageText() << "Try 'tervok-check --help' for more information.\n";
        return kExitUsage;
    case CheckCommand::Action::Check:
        break;
    }
    if (const std::optional<std::string> why = whyUnreadable(command.folder)) {
        err << kProgram << ": " << command.folder.string() << ": cannot read the game folder: " << lowerFirst(*why)
            << '\n';
        return kExitUsage;
    }
    const CheckResult result = checkContent(DiskFolder(command.folder));
    if (command.format == OutputFormat::Json)
        printJson(out, result);
    else
        printText(out, result);
    return result.findings.errors() > 0 ? kExitErrors : kExitClean;
}

}  // namespace check
