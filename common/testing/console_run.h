#pragma once
// Runs a built program as a user would from a console without any display:
// DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM are taken out of its
// environment, and the variables a test names are set. For the tests of
// the command-line tools, and of what they exchange with other programs.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace tervok::testing {

struct ProgramRun {
    int status = -1;  // the exit status; -1 when the program did not exit
    std::string out;
    std::string err;
};

// "NAME=value" entries that replace or add to the environment.
using EnvironmentChanges = std::vector<std::string>;

inline std::vector<std::string> consoleEnvironment(const EnvironmentChanges& changes)
{
    auto nameOf = [](const std::string& variable) { return variable.substr(0, variable.find('=')); };
    std::vector<std::string> kept;
    for (char** entry = environ; *entry; ++entry) {
        const std::string variable(*entry);
        const std::string name = nameOf(variable);
        bool changed = name == "DISPLAY" || name == "WAYLAND_DISPLAY" || name == "QT_QPA_PLATFORM";
        for (const std::string& change : changes)
            changed = changed || nameOf(change) == name;
        if (!changed)
            kept.push_back(variable);
    }
    kept.insert(kept.end(), changes.begin(), changes.end());
    return kept;
}

inline std::vector<char*> pointersTo(std::vector<std::string>& texts)
{
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

inline std::string contentsOf(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The program's path found through PATH, or nothing.
inline std::optional<std::filesystem::path> findOnPath(const std::string& program)
{
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "";
    std::size_t start = 0;
    while (start <= folders.size()) {
        const std::size_t colon = std::min(folders.find(':', start), folders.size());
        const std::filesystem::path candidate = std::filesystem::path(folders.substr(start, colon - start)) / program;
        if (!folders.substr(start, colon - start).empty() && ::access(candidate.c_str(), X_OK) == 0)
            return candidate;
        start = colon + 1;
    }
    return std::nullopt;
}

// Runs program (a path) in folder with arguments; its standard output and
// error go through files beside the system's temporary folder.
inline ProgramRun runOnConsole(const std::string& program, std::vector<std::string> arguments,
                               const std::filesystem::path& folder = ".", const EnvironmentChanges& changes = {})
{
    const std::filesystem::path capture = std::filesystem::temp_directory_path() /
                                          ("tervok-console-run-" + std::to_string(::getpid()));
    const std::string outFile = capture.string() + ".out";
    const std::string errFile = capture.string() + ".err";
    arguments.insert(arguments.begin(), program);
    std::vector<std::string> environment = consoleEnvironment(changes);
    const std::vector<char*> argv = pointersTo(arguments);
    const std::vector<char*> envp = pointersTo(environment);
    const std::string directory = folder.string();
    const pid_t child = ::fork();
    if (child == 0) {
        const int out = ::open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out < 0 || err < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0 || ::chdir(directory.c_str()) != 0)
            ::_exit(126);
        ::execve(argv[0], argv.data(), envp.data());
        ::_exit(127);
    }
    int status = 0;
    ProgramRun run;
    if (child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status))
        run.status = WEXITSTATUS(status);
    run.out = contentsOf(outFile);
    run.err = contentsOf(errFile);
    std::filesystem::remove(outFile);
    std::filesystem::remove(errFile);
    return run;
}

}  // namespace tervok::testing
