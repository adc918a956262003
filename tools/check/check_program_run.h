#pragma once
// Runs the built tervok-check as a user would from a console, with its
// standard output and error caught apart. For the tests of the program.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern char** environ;

namespace check::testing {

struct CheckRun {
    int status = -1;  // the exit status; -1 when the program did not exit
    std::string out;
    std::string err;
};

inline std::string takeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::filesystem::remove(path);
    return bytes;
}

inline CheckRun runCheckProgram(std::vector<std::string> arguments)
{
    const std::string capture =
        (std::filesystem::temp_directory_path() / ("tervok-check-run-" + std::to_string(::getpid()))).string();
    arguments.insert(arguments.begin(), TERVOK_CHECK_PROGRAM);
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, (capture + ".out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&files, 2, (capture + ".err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t child = 0;
    int status = 0;
    CheckRun run;
    if (::posix_spawn(&child, argv[0], &files, nullptr, argv.data(), environ) == 0 &&
        ::waitpid(child, &status, 0) == child && WIFEXITED(status))
        run.status = WEXITSTATUS(status);
    posix_spawn_file_actions_destroy(&files);
    run.out = takeFile(capture + ".out");
    run.err = takeFile(capture + ".err");
    return run;
}

}  // namespace check::testing
