#include "common/files/start_directory.h"

#include "common/testing/temp_dir.h"

#include <gtest/gtest.h>

namespace tervok {
namespace {

namespace fs = std::filesystem;

TEST(StartDirectory, ARemovedFolderCannotBeRestored)
{
    tervok::testing::TempDir dir;
    fs::create_directory("gone");
    fs::current_path("gone");
    const StartDirectory start;
    fs::current_path(dir.path());
    fs::remove("gone");
    const Status restored = start.restore();
    ASSERT_FALSE(restored);
    EXPECT_EQ(restored.error().describe(), "no such folder");
    EXPECT_TRUE(fs::equivalent(fs::current_path(), dir.path()));
}

}  // namespace
}  // namespace tervok
