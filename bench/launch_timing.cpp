#include "bench/launch_timing.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace bench {
namespace {

// The child between fork and exec: only calls that are safe there.
[[noreturn]] void becomeLauncher(const char* program, const char* workingDirectory, const char* descriptor)
{
    if (::chdir(workingDirectory) == 0)
        ::execl(program, program, descriptor, static_cast<char*>(nullptr));
    ::_exit(127);
}

bool awaitReport(int readEnd, int timeoutMilliseconds)
{
    pollfd waiting{readEnd, POLLIN, 0};
    if (::poll(&waiting, 1, timeoutMilliseconds) != 1)
        return false;
    char byte = 0;
    return ::read(readEnd, &byte, 1) == 1;
}

}  // namespace

std::optional<Launch> launchOnce(const std::filesystem::path& program, const std::filesystem::path& workingDirectory,
                                 std::string& error, int timeoutMilliseconds)
{
    int ends[2];
    if (::pipe(ends) != 0) {
        error = "no pipe";
        return std::nullopt;
    }
    ::fcntl(ends[0], F_SETFD, FD_CLOEXEC);
    const std::string descriptor = std::to_string(ends[1]);
    const std::string programText = program.string();
    const std::string directoryText = workingDirectory.string();

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0)
        becomeLauncher(programText.c_str(), directoryText.c_str(), descriptor.c_str());
    ::close(ends[1]);
    if (child < 0) {
        ::close(ends[0]);
        error = "cannot fork";
        return std::nullopt;
    }
    const bool reported = awaitReport(ends[0], timeoutMilliseconds);
    const auto stop = std::chrono::steady_clock::now();
    ::close(ends[0]);
    if (!reported)
        ::kill(child, SIGKILL);

    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    if (!reported) {
        error = programText + " did not report a painted frame";
        return std::nullopt;
    }
    Launch launch;
    launch.seconds = std::chrono::duration<double>(stop - start).count();
    launch.peakKilobytes = usage.ru_maxrss;
    return launch;
}

}  // namespace bench
