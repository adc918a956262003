#include "start_directory.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

namespace boltloom {
namespace {

namespace fs = std::filesystem;

TEST(StartDirectory, ReturnsToTheDirectoryItRecorded)
{
    tervok::testing::TempDir dir;
    const StartDirectory start;
    fs::create_directory("sprites");
    fs::current_path("sprites");
    EXPECT_TRUE(start.restore());
    EXPECT_EQ(fs::current_path(), dir.path());
}

TEST(StartDirectory, StaysWhereItIsWhenTheStartDirectoryIsGone)
{
    tervok::testing::TempDir dir;
    fs::create_directory("gone");
    fs::current_path("gone");
    const StartDirectory start;
    fs::current_path(dir.path());
    fs::remove("gone");
    EXPECT_FALSE(start.restore());
    EXPECT_EQ(fs::current_path(), dir.path());
}

}  // namespace
}  // namespace boltloom
