#include "content_folder.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace check {
namespace {

TEST(MemoryFolder, FindsGamePathsAsTheEditorsDoAndTellsKinds)
{
    MemoryFolder folder;
    folder.addFile("Map/Map1.MAP", "x");
    folder.addFile("ep/w\xC3\x9Cste.bmp", "y");  // wÜste.bmp
    folder.addOther("ep/pipe.bmp");
    EXPECT_EQ(folder.find("map\\map1.map"), "Map/Map1.MAP");
    EXPECT_EQ(folder.find("ep\\W\xFCSTE.bmp"), "ep/w\xC3\x9Cste.bmp");
    EXPECT_EQ(folder.find("map\\map2.map"), std::nullopt);
    EXPECT_EQ(folder.kindOf("Map"), EntryKind::Folder);
    EXPECT_EQ(folder.kindOf("ep/pipe.bmp"), EntryKind::Other);
    EXPECT_EQ(folder.kindOf("ep/none"), std::nullopt);
    EXPECT_EQ(folder.read("ep/pipe.bmp").error().kind, tervok::ErrorKind::NotRegularFile);
    EXPECT_EQ(folder.read("Map/Map1.MAP"), "x");

    // Two names that differ only in case: neither is found by the other case.
    folder.addFile("Map/MAP1.map", "z");
    EXPECT_EQ(folder.find("map\\map1.map"), std::nullopt);
    EXPECT_EQ(folder.find("Map\\MAP1.map"), "Map/MAP1.map");
}

TEST(DiskFolder, ListsOnceAndReadsOnlyRegularFiles)
{
    tervok::testing::TempDir dir;
    tervok::testing::writeFile("map/map1.map", "cells");
    ASSERT_EQ(::mkfifo("map/pipe.map", 0644), 0);
    const DiskFolder folder(dir.path());
    ASSERT_EQ(folder.entries("map").size(), 2u);
    EXPECT_EQ(folder.entries("map")[1].name, "pipe.map");
    EXPECT_EQ(folder.entries("map")[1].kind, EntryKind::Other);
    EXPECT_EQ(folder.read("map/map1.map"), "cells");
    EXPECT_EQ(folder.read("map/pipe.map").error().kind, tervok::ErrorKind::NotRegularFile);
    EXPECT_EQ(folder.find("MAP\\MAP1.MAP"), "map/map1.map");
    EXPECT_TRUE(folder.entries("nowhere").empty());
}

}  // namespace
}  // namespace check
