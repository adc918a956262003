#pragma once
// Runs the built tervok-render as a user would from a console without any
// display: DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM are taken out of its
// environment. For the tests of the command line.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern char** environ;

namespace render::testing {

struct ProgramRun {
    int status = -1;  // the exit status; -1 when the program did not exit
    std::string out;
    std::string err;
};

inline std::vector<std::string> environmentWithoutDisplay()
{
    std::vector<std::string> kept;
    for (char** entry = environ; *entry; ++entry) {
        const std::string variable(*entry);
        const std::string name = variable.substr(0, variable.find('='));
        if (name != "DISPLAY" && name != "WAYLAND_DISPLAY" && name != "QT_QPA_PLATFORM")
            kept.push_back(variable);
    }
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

// Runs the program in folder with arguments; its standard output and error
// go through files beside the system's temporary folder.
inline ProgramRun runRender(std::vector<std::string> arguments, const std::filesystem::path& folder = ".")
{
    const std::filesystem::path capture = std::filesystem::temp_directory_path() /
                                          ("tervok-render-run-" + std::to_string(::getpid()));
    const std::string outFile = capture.string() + ".out";
    const std::string errFile = capture.string() + ".err";
    arguments.insert(arguments.begin(), TERVOK_RENDER_PROGRAM);
    std::vector<std::string> environment = environmentWithoutDisplay();
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

}  // namespace render::testing
