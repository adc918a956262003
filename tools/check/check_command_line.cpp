#include "tools/check/check_command_line.h"

#include "common/startup/game_folder.h"
#include "tools/check/content_check.h"
#include "tools/check/findings_report.h"

namespace check {
namespace {

using namespace tervok::startup;

enum CheckOption { kFormat = 1, kDirectory };

std::optional<std::string> knownFormat(const std::string& name)
{
    if (name == "text" || name == "json")
        return std::nullopt;
    return "unknown format '" + name + "' (text or json)";
}

}  // namespace

const CommandSyntax& checkSyntax()
{
    static const CommandSyntax syntax{
        "tervok-check",
        {"[OPTION]... [GAME-FOLDER]"},
        {{kDirectory, 'C', "directory", "GAME-FOLDER", "check GAME-FOLDER (the same as the argument)",
          nullptr, true},
         {kFormat, 0, "format", "FORMAT", "text (the default) or json", knownFormat}},
        {"game folder", 0, 1},
        "Check a Tervok game folder (default: the working directory) the way the\n"
        "editors and the game read it, and report every problem found.\n",
        "the game folder",
        "\n"
        "Each finding is one line, PATH:LINE: error: MESSAGE or PATH:LINE: warning:\n"
        "MESSAGE, or PATH: error: cell (X, Y): MESSAGE for a map file, PATH relative\n"
        "to the game folder. An error makes an editor refuse a file, or the editor or\n"
        "the game show or read something other than what was meant (a missing bitmap,\n"
        "a number out of range, a reference to something not listed or missing); a\n"
        "warning is legal but probably a mistake (a duplicate, a comma that splits an\n"
        "entry, line ends). The last line counts the errors and warnings and the files\n"
        "read. With --format=json the findings are one JSON array of objects with\n"
        "file, line, x, y, severity, code and message.\n"
        "\n"
        "Exit status: 0 without errors (warnings allowed), 1 with errors, 2 for a usage\n"
        "error or a game folder that cannot be read.\n"};
    return syntax;
}

int runCheck(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    const Reading reading = readCommandLine(checkSyntax(), arguments, out, err);
    if (reading.exitStatus)
        return *reading.exitStatus;
    const std::filesystem::path folder = reading.line.operands.empty() ? "." : reading.line.operands.front();
    if (const tervok::Status readable = checkEnterable(folder, FolderUse::EnterAndList); !readable) {
        err << checkSyntax().program << ": " << folder.string()
            << ": cannot read the game folder: " << systemReason(readable.error()) << '\n';
        return kExitUsage;
    }
    const CheckResult result = checkContent(DiskFolder(folder));
    if (reading.line.last(kFormat) == "json")
        printJson(out, result);
    else
        printText(out, result);
    return result.findings.errors() > 0 ? kExitFailed : kExitOk;
}

}  // namespace check
