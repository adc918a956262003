#pragma once
// Starts a launcher as a fresh process in a working directory and times it
// from just before the fork to the byte it writes once its first frame is
// painted; then waits for it to end and reads its peak resident memory.
#include <filesystem>
#include <optional>
#include <string>

namespace bench {

struct Launch {
    double seconds = 0;          // process start to the first painted frame
    long peakKilobytes = 0;      // the process's largest resident set
};

// Nothing when the launcher could not start, died before it reported, or
// took longer than the timeout; error says why.
std::optional<Launch> launchOnce(const std::filesystem::path& program, const std::filesystem::path& workingDirectory,
                                 std::string& error, int timeoutMilliseconds = 30000);

}  // namespace bench
