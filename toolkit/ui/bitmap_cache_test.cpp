#include "toolkit/ui/bitmap_cache.h"

#include "common/testing/bmp_bytes.h"
#include "common/testing/temp_dir.h"
#include "toolkit/headless/headless_toolkit.h"

#include <gtest/gtest.h>


namespace tervok {
namespace {

std::string bmpHeader(int width, int height)
{
    return testing::bmpFile(width, height);
}

TEST(BitmapCache, LoadsOnceAndNoticesChangedAndRemovedFiles)
{
    testing::TempDir dir;
    headless::HeadlessToolkit toolkit("test");
    BitmapCache cache(toolkit);
    testing::writeFile("ep/gras.bmp", bmpHeader(20, 20));

    const ui::BitmapRef first = cache.get("ep\\gras.bmp");
    ASSERT_TRUE(first);
    EXPECT_EQ(cache.get("ep\\gras.bmp"), first);
    EXPECT_EQ(toolkit.bitmapLoads(), 1);

    testing::writeFile("ep/gras.bmp", bmpHeader(10, 10) + "more");
    const ui::BitmapRef changed = cache.get("ep\\gras.bmp");
    ASSERT_TRUE(changed);
    EXPECT_EQ(changed->width(), 10);

    std::filesystem::remove("ep/gras.bmp");
    EXPECT_EQ(cache.get("ep\\gras.bmp"), nullptr);
    testing::writeFile("ep/gras.bmp", bmpHeader(20, 20));
    EXPECT_NE(cache.get("ep\\gras.bmp"), nullptr);
}

// A file put in place by renaming a copy of the same size over it, with its
// modification time carried over, is still another file.
TEST(BitmapCache, NoticesAFileReplacedUnderTheSameSizeAndTime)
{
    testing::TempDir dir;
    headless::HeadlessToolkit toolkit("test");
    BitmapCache cache(toolkit);
    testing::writeFile("ep/gras.bmp", bmpHeader(20, 20));
    ASSERT_EQ(cache.get("ep\\gras.bmp")->width(), 20);

    testing::writeFile("ep/new.bmp", bmpHeader(30, 20));
    std::filesystem::last_write_time("ep/new.bmp", std::filesystem::last_write_time("ep/gras.bmp"));
    std::filesystem::rename("ep/new.bmp", "ep/gras.bmp");
    EXPECT_EQ(cache.get("ep\\gras.bmp")->width(), 30);
}

// A change to one bitmap of a folder loads that one again, not its
// neighbours; a folder that appears later is found too.
TEST(BitmapCache, LoadsAgainOnlyWhatChanged)
{
    testing::TempDir dir;
    headless::HeadlessToolkit toolkit("test");
    BitmapCache cache(toolkit);
    testing::writeFile("ep/a.bmp", bmpHeader(20, 20));
    testing::writeFile("ep/b.bmp", bmpHeader(20, 20));
    const ui::BitmapRef a = cache.get("ep\\a.bmp");
    cache.get("ep\\b.bmp");
    EXPECT_EQ(cache.get("other\\c.bmp"), nullptr);
    EXPECT_EQ(toolkit.bitmapLoads(), 2);

    testing::writeFile("ep/b.bmp", bmpHeader(10, 10));
    EXPECT_EQ(cache.get("ep\\b.bmp")->width(), 10);
    EXPECT_EQ(cache.get("ep\\a.bmp"), a);
    EXPECT_EQ(toolkit.bitmapLoads(), 3);

    testing::writeFile("other/c.bmp", bmpHeader(20, 20));
    EXPECT_NE(cache.get("other\\c.bmp"), nullptr);
}

// A redraw looks at the files as they were when it began.
TEST(BitmapCache, ABatchTakesTheNewsOnceWhenItBegins)
{
    testing::TempDir dir;
    headless::HeadlessToolkit toolkit("test");
    BitmapCache cache(toolkit);
    testing::writeFile("ep/gras.bmp", bmpHeader(20, 20));
    cache.get("ep\\gras.bmp");
    testing::writeFile("ep/gras.bmp", bmpHeader(10, 10));
    {
        const BitmapCache::Batch redraw(cache);
        EXPECT_EQ(cache.get("ep\\gras.bmp")->width(), 10);
        testing::writeFile("ep/gras.bmp", bmpHeader(30, 30));
        const BitmapCache::Batch nested(cache);
        EXPECT_EQ(cache.get("ep\\gras.bmp")->width(), 10);
    }
    EXPECT_EQ(cache.get("ep\\gras.bmp")->width(), 30);
}

TEST(BitmapCache, MissingAndBrokenFilesGiveNothing)
{
    testing::TempDir dir;
    headless::HeadlessToolkit toolkit("test");
    BitmapCache cache(toolkit);
    EXPECT_EQ(cache.get("ep\\none.bmp"), nullptr);
    EXPECT_EQ(cache.get("ep\\none.bmp"), nullptr);
    testing::writeFile("ep/bad.bmp", "not a bitmap");
    EXPECT_EQ(cache.get("ep\\bad.bmp"), nullptr);
}

}  // namespace
}  // namespace tervok
