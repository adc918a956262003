#include "tools/check/content_folder.h"

#include "common/testing/temp_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace check {
namespace {

using tervok::ErrorKind;

TEST(MemoryFolder, FindsGamePathsAsTheEditorsDoAndTellsKinds)
{
    MemoryFolder folder;
    folder.addFile("Map/Map1.MAP", "x");
    folder.addFile("ep/w\xC3\x9Cste.bmp", "y");  // wÜste.bmp
    folder.addOther("ep/pipe.bmp");
    EXPECT_EQ(folder.find("map\\map1.map"), "Map/Map1.MAP");
    EXPECT_EQ(folder.find("ep\\W\xFCSTE.bmp"), "ep/w\xC3\x9Cste.bmp");
    EXPECT_EQ(folder.find("map\\map2.map").error().kind, ErrorKind::NotFound);
    EXPECT_EQ(folder.kindOf("Map"), EntryKind::Folder);
    EXPECT_EQ(folder.kindOf("ep/pipe.bmp"), EntryKind::Other);
    EXPECT_EQ(folder.kindOf("ep/none").error().kind, ErrorKind::NotFound);
    EXPECT_EQ(folder.read("ep/pipe.bmp").error().kind, ErrorKind::NotRegularFile);
    EXPECT_EQ(folder.read("Map/Map1.MAP"), "x");

    // Two names that differ only in case: neither is found by the other case.
    folder.addFile("Map/MAP1.map", "z");
    EXPECT_EQ(folder.find("map\\map1.map").error().kind, ErrorKind::NotFound);
    EXPECT_EQ(folder.find("Map\\MAP1.map"), "Map/MAP1.map");
    EXPECT_TRUE(folder.unlistableFolders().empty());
}

// Matching in any case needs the listing: in a folder that may be searched
// but not listed, a name is asked for as the game spells it, then in lower
// case; in one that may not even be searched, nothing can be asked for.
TEST(MemoryFolder, AFolderThatCannotBeListedIsAskedByNameOnly)
{
    MemoryFolder folder;
    folder.addFile("map/mapteile.lst", "x");
    folder.addFile("sprites/laser.spr", "");
    folder.addFile("sprites/Big.spr", "");
    folder.addFile("ep/grass.bmp", "y");
    folder.forbidListing("sprites");
    folder.forbidListing("ep", false);
    EXPECT_TRUE(folder.entries("sprites").empty());
    EXPECT_EQ(folder.find("SPRITES\\Laser.SPR"), "sprites/laser.spr");
    EXPECT_EQ(folder.find("sprites\\Big.spr"), "sprites/Big.spr");
    EXPECT_EQ(folder.find("sprites\\BIG.spr").error().kind, ErrorKind::NotFound);
    EXPECT_EQ(folder.find("sprites\\..\\map\\mapteile.lst").error().kind, ErrorKind::NotFound);
    EXPECT_EQ(folder.kindOf("sprites/laser.spr"), EntryKind::File);
    EXPECT_EQ(folder.find("ep\\grass.bmp").error().kind, ErrorKind::PermissionDenied);
    EXPECT_EQ(folder.read("ep/grass.bmp").error().kind, ErrorKind::PermissionDenied);
    ASSERT_EQ(folder.unlistableFolders().size(), 2u);
    EXPECT_EQ(folder.unlistableFolders()[0].first, "ep");
    EXPECT_EQ(folder.unlistableFolders()[1].second.describe(), "permission denied");
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
    EXPECT_EQ(folder.read("map/pipe.map").error().kind, ErrorKind::NotRegularFile);
    EXPECT_EQ(folder.find("MAP\\MAP1.MAP"), "map/map1.map");
    EXPECT_TRUE(folder.entries("nowhere").empty());
    EXPECT_TRUE(folder.unlistableFolders().empty());
}

}  // namespace
}  // namespace check
