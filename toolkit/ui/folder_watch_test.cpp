#include "toolkit/ui/folder_watch.h"

#include "common/testing/temp_dir.h"

#include <gtest/gtest.h>

#include <set>

namespace tervok {
namespace {

std::set<int> news(FolderWatch& watch)
{
    std::set<int> changed;
    watch.collect([&](int handle) { changed.insert(handle); });
    return changed;
}

TEST(FolderWatch, ReportsTheFoldersWhoseEntriesChanged)
{
    testing::TempDir dir;
    testing::writeFile("ep/a.bmp", "a");
    testing::writeFile("map/x.map", "x");
    FolderWatch watch;
    const int ep = watch.watch("ep");
    const int map = watch.watch("map");
    ASSERT_GE(ep, 0);
    EXPECT_EQ(watch.watch("ep"), ep);
    EXPECT_NE(map, ep);
    EXPECT_TRUE(news(watch).empty());

    testing::writeFile("ep/a.bmp", "changed");
    EXPECT_EQ(news(watch), std::set<int>{ep});
    EXPECT_TRUE(news(watch).empty());

    std::filesystem::remove("map/x.map");
    testing::writeFile("ep/b.bmp", "new");
    EXPECT_EQ(news(watch), (std::set<int>{ep, map}));
}

TEST(FolderWatch, AMissingFolderCannotBeWatched)
{
    testing::TempDir dir;
    FolderWatch watch;
    EXPECT_EQ(watch.watch("none"), -1);
    EXPECT_GE(watch.watch(""), 0);
}

}  // namespace
}  // namespace tervok
