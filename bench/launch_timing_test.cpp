#include "bench/launch_timing.h"

#include "common/testing/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace bench {
namespace {

using tervok::testing::TempDir;
using tervok::testing::writeFile;

// A launcher stand-in: a shell script run with the report descriptor.
std::filesystem::path script(const std::string& name, const std::string& body)
{
    writeFile(name, "#!/bin/sh\n" + body + "\n");
    std::filesystem::permissions(name, std::filesystem::perms::owner_all);
    return std::filesystem::absolute(name);
}

TEST(LaunchTiming, ReadsTheReportAndThePeakMemoryOfTheLauncher)
{
    TempDir dir;
    writeFile("data/marker", "");
    // It reports only when started in the data folder.
    const auto launcher = script("launcher", "[ -f marker ] && printf x >&\"$1\"");
    std::string error;
    const std::optional<Launch> launch = launchOnce(launcher, dir.path() / "data", error);
    ASSERT_TRUE(launch) << error;
    EXPECT_GT(launch->peakKilobytes, 0);
}

TEST(LaunchTiming, ALauncherThatNeverReportsIsAnError)
{
    TempDir dir;
    std::string error;
    EXPECT_FALSE(launchOnce(script("silent", "exit 0"), dir.path(), error));
    EXPECT_NE(error.find("did not report"), std::string::npos);

    EXPECT_FALSE(launchOnce(script("stuck", "exec sleep 30"), dir.path(), error, 200));
    EXPECT_FALSE(launchOnce(dir.path() / "missing", dir.path(), error));
}

#ifdef TERVOK_LAUNCHER_DIR
// The real bare-window launcher paints its window on the offscreen platform
// and says so.
TEST(LaunchTiming, TheBareWindowReportsItsFirstFrame)
{
    TempDir dir;
    std::string error;
    EXPECT_TRUE(launchOnce(std::filesystem::path(TERVOK_LAUNCHER_DIR) / "launch_bare_window", dir.path(), error))
        << error;
}
#endif

}  // namespace
}  // namespace bench
