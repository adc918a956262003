#include "common/files/file_io.h"

#include "common/testing/other_user.h"
#include "common/testing/temp_dir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace tervok {
namespace {

using namespace testing;
namespace fs = std::filesystem;

struct stat statOf(const fs::path& path)
{
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st;
}

std::string kindNameOf(const Status& status)
{
    return status ? "ok" : kindName(status.error().kind);
}

TEST(ReadWholeFile, ReadsBytesAndRefusesWhatIsNoRegularFile)
{
    TempDir dir;
    writeFile("a.txt", std::string("x\0y", 3));
    EXPECT_EQ(readWholeFile("a.txt"), std::string("x\0y", 3));
    EXPECT_EQ(readWholeFile("missing.txt").error().kind, ErrorKind::NotFound);
    std::filesystem::create_directory("folder");
    EXPECT_EQ(readWholeFile("folder").error().kind, ErrorKind::NotRegularFile);

    // The largest file read, and one byte more (holes read as zeros).
    std::filesystem::resize_file("a.txt", kMaxReadBytes);
    EXPECT_EQ(readWholeFile("a.txt").valueOr("").size(), kMaxReadBytes);
    std::filesystem::resize_file("a.txt", kMaxReadBytes + 1);
    EXPECT_EQ(readWholeFile("a.txt").error().kind, ErrorKind::TooLarge);
}

TEST(ReplaceFile, WritesNewAndReplacesOldFilesKeepingPermissions)
{
    TempDir dir;
    writeFile(std::string(kTempFilePrefix), "left by a crash");  // each save's temporary name is its own
    ASSERT_TRUE(replaceFile("new.txt", "hello"));
    EXPECT_EQ(readFile("new.txt"), "hello");

    writeFile("old.txt", "a much longer old content");
    for (const mode_t mode : {0640, 04755, 01777}) {
        ::chmod("old.txt", mode);
        ASSERT_TRUE(replaceFile("old.txt", "short"));
        EXPECT_EQ(readFile("old.txt"), "short");
        EXPECT_EQ(statOf("old.txt").st_mode & 07777, mode);
    }
    EXPECT_EQ(entryCount(dir.path()), 3u);
}

TEST(ReplaceFile, FailsWithoutTouchingAnythingOnReadOnlyTargetOrMissingFolder)
{
    TempDir dir;
    writeFile("locked.txt", "old");
    makeReadOnly("locked.txt");
    EXPECT_FALSE(replaceFile("locked.txt", "new"));
    EXPECT_EQ(readFile("locked.txt"), "old");

    EXPECT_FALSE(replaceFile("nofolder/file.txt", "new"));
    EXPECT_FALSE(std::filesystem::exists("nofolder"));
    std::filesystem::create_directory("adir");
    EXPECT_FALSE(replaceFile("adir", "new"));
    EXPECT_EQ(entryCount(dir.path()), 2u);  // no temporary file left
}

TEST(ReplaceFile, ReportsAFullDisk)
{
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    // /dev/full is no regular file, so it is refused before any write; the
    // write path itself is covered by the fault-injection tests.
    EXPECT_FALSE(replaceFile("/dev/full", "x"));
}

TEST(TouchFile, CreatesAnEmptyFileAndLeavesAnExistingOneAlone)
{
    TempDir dir;
    ASSERT_TRUE(touchFile("empty.map"));
    EXPECT_EQ(readFile("empty.map"), "");
    writeFile("kept.map", "content");
    ASSERT_TRUE(touchFile("kept.map"));
    EXPECT_EQ(readFile("kept.map"), "content");
    EXPECT_EQ(touchFile("nofolder/x.map").error().kind, ErrorKind::FolderMissing);
    EXPECT_EQ(touchFile("/dev/null").error().kind, ErrorKind::NotRegularFile);
    const mode_t old = ::umask(022);
    ASSERT_TRUE(touchFile("fresh.map"));
    ::umask(old);
    EXPECT_EQ(statOf("fresh.map").st_mode & 07777, 0644u);

    // A file the user may not write is there all the same: "new" writes
    // nothing into it.
    if (!unprivilegedUser())
        GTEST_SKIP() << "a file the user may not write needs root to make";
    ::chmod(dir.path().c_str(), 0755);
    const std::optional<std::string> outcome = runAsOrdinaryUser([] { return kindNameOf(touchFile("kept.map")); });
    ASSERT_TRUE(outcome);
    EXPECT_EQ(*outcome, "ok");
}

TEST(ReplaceFile, WritesThroughSymbolicLinksToTheFileTheyNameAndKeepsTheLinks)
{
    TempDir dir;
    writeFile("elsewhere/map1.map", "old");
    fs::create_directory("map");
    fs::create_symlink("../elsewhere/map1.map", "map/map1.map");
    ASSERT_TRUE(replaceFile("map/map1.map", "new"));
    EXPECT_EQ(readFile("elsewhere/map1.map"), "new");
    EXPECT_TRUE(fs::is_symlink("map/map1.map"));

    // A chain of links, the last one absolute.
    fs::create_symlink(dir.path() / "elsewhere/map1.map", "map/absolute.map");
    fs::create_symlink("absolute.map", "map/chain.map");
    ASSERT_TRUE(replaceFile("map/chain.map", "newer"));
    EXPECT_EQ(readFile("elsewhere/map1.map"), "newer");
    EXPECT_TRUE(fs::is_symlink("map/chain.map"));
    EXPECT_TRUE(fs::is_symlink("map/absolute.map"));
    EXPECT_EQ(entryCount("map"), 3u);
    EXPECT_EQ(entryCount("elsewhere"), 1u);
}

TEST(ReplaceFile, BrokenAndCircularLinksFailWithoutCreatingAnything)
{
    TempDir dir;
    fs::create_directory("map");
    fs::create_symlink("gone.map", "map/dangling.map");
    const Status dangling = replaceFile("map/dangling.map", "new");
    ASSERT_FALSE(dangling);
    EXPECT_EQ(dangling.error().kind, ErrorKind::BrokenLink);
    EXPECT_FALSE(fs::exists("map/gone.map"));

    // Along the path, the first part that is there decides: a link to a
    // folder that exists leaves a missing file missing; a folder link that
    // leads nowhere is the broken link.
    fs::create_symlink("map", "maplink");
    EXPECT_EQ(readWholeFile("maplink/gone.map").error().kind, ErrorKind::NotFound);
    fs::create_symlink("nowhere", "lost");
    EXPECT_EQ(readWholeFile("lost/sub/map1.map").error().kind, ErrorKind::BrokenLink);
    fs::remove("maplink");
    fs::remove("lost");

    fs::create_symlink("b.map", "map/a.map");
    fs::create_symlink("a.map", "map/b.map");
    const Status circle = replaceFile("map/a.map", "new");
    ASSERT_FALSE(circle);
    EXPECT_EQ(circle.error().describe(), "symbolic links in a circle");
    EXPECT_EQ(entryCount("map"), 3u);
    EXPECT_TRUE(fs::is_symlink("map/a.map"));
}

// The other name of a hard-linked file keeps what it held (the safe
// replacement breaks the link on purpose).
TEST(ReplaceFile, AHardLinkedFileIsReplacedAndItsOtherNameKeepsTheOldBytes)
{
    TempDir dir;
    writeFile("map/map1.map", "old");
    fs::create_hard_link("map/map1.map", "map/backup.map");
    ASSERT_TRUE(replaceFile("map/map1.map", "new"));
    EXPECT_EQ(readFile("map/map1.map"), "new");
    EXPECT_EQ(readFile("map/backup.map"), "old");
    EXPECT_EQ(statOf("map/map1.map").st_nlink, 1u);
}

TEST(ReplaceFile, ANameNearTheSystemsLimitStillGetsItsTemporaryFile)
{
    TempDir dir;
    const std::string name = std::string(250, 'n') + ".map";
    ASSERT_TRUE(touchFile(name));
    ASSERT_TRUE(replaceFile(name, "saved"));
    EXPECT_EQ(readFile(name), "saved");
    EXPECT_EQ(entryCount("."), 1u);
}

TEST(ReplaceFile, NewFilesTakeTheUmaskAndReplacedFilesTheirOldOwnerAndGroup)
{
    TempDir dir;
    for (const mode_t mask : {027, 022, 0}) {
        const mode_t old = ::umask(mask);
        const std::string name = "fresh" + std::to_string(mask) + ".txt";
        ASSERT_TRUE(replaceFile(name, "x"));
        ::umask(old);
        EXPECT_EQ(statOf(name).st_mode & 07777, 0666u & ~mask);
    }

    const std::optional<OtherUser> user = unprivilegedUser();
    if (!user)
        GTEST_SKIP() << "giving a file to another user needs root";
    writeFile("theirs.txt", "old");
    ASSERT_EQ(::chown("theirs.txt", user->uid, user->gid), 0);
    ::chmod("theirs.txt", 0604);
    ASSERT_TRUE(replaceFile("theirs.txt", "new"));
    EXPECT_EQ(statOf("theirs.txt").st_uid, user->uid);
    EXPECT_EQ(statOf("theirs.txt").st_gid, user->gid);
    EXPECT_EQ(statOf("theirs.txt").st_mode & 07777, 0604u);

    // A user who may write another user's file makes the new one his own,
    // and keeps its group where he belongs to that group.
    const gid_t second = user->gid + 1;
    writeFile("shared/map1.map", "root's map");
    ::chmod("shared", 0777);
    ASSERT_EQ(::chown("shared/map1.map", 0, second), 0);
    ::chmod("shared/map1.map", 0666);
    OtherUser member = *user;
    member.alsoIn = second;
    const std::optional<std::string> outcome =
        runInChild(member, [] { return kindNameOf(replaceFile("shared/map1.map", "mine")); });
    ASSERT_TRUE(outcome);
    EXPECT_EQ(*outcome, "ok");
    EXPECT_EQ(readFile("shared/map1.map"), "mine");
    EXPECT_EQ(statOf("shared/map1.map").st_uid, user->uid);
    EXPECT_EQ(statOf("shared/map1.map").st_gid, second);
}

TEST(ReplaceFile, AFileTheUserMayNotWriteIsRefusedEvenInAFolderHeMayWrite)
{
    if (!unprivilegedUser())
        GTEST_SKIP() << "a file of another user needs root to make";
    TempDir dir;
    writeFile("shared/map1.map", "root's map");
    ::chmod("shared", 0777);
    ::chmod("shared/map1.map", 0644);
    const std::optional<std::string> outcome =
        runAsOrdinaryUser([] { return kindNameOf(replaceFile("shared/map1.map", "mine")); });
    ASSERT_TRUE(outcome) << "the child could not run as nobody";
    EXPECT_EQ(*outcome, "permission-denied");
    EXPECT_EQ(readFile("shared/map1.map"), "root's map");
    EXPECT_EQ(statOf("shared/map1.map").st_uid, 0u);
    EXPECT_EQ(entryCount("shared"), 1u);
}

// Safety where the folder allows it, saving where only the file allows it.
class FolderWithoutRoom : public ::testing::Test {
protected:
    FolderWithoutRoom()
    {
        writeFile("locked/map1.map", "old map");
        giveToOrdinaryUser("locked/map1.map");
        inode_ = statOf("locked/map1.map").st_ino;
        ::chmod("locked", 0555);
    }
    ~FolderWithoutRoom() override { ::chmod("locked", 0755); }

    TempDir dir_;
    ino_t inode_ = 0;
};

TEST_F(FolderWithoutRoom, AWritableFileIsSavedInPlace)
{
    const std::optional<std::string> outcome = runAsOrdinaryUser([] {
        return kindNameOf(replaceFile("locked/map1.map", "the new map")) + " " +
               kindNameOf(replaceFile("locked/other.map", "x"));
    });
    ASSERT_TRUE(outcome);
    EXPECT_EQ(*outcome, "ok permission-denied");
    EXPECT_EQ(readFile("locked/map1.map"), "the new map");
    EXPECT_EQ(statOf("locked/map1.map").st_ino, inode_);
    EXPECT_EQ(entryCount("locked"), 1u);
}

TEST_F(FolderWithoutRoom, AnInPlaceSaveThatFailsPutsTheOldBytesBack)
{
    // The file may grow by no byte: the longer content is cut off midway.
    const std::optional<std::string> outcome = runAsOrdinaryUser([] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{7, 7};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const Status saved = replaceFile("locked/map1.map", "a much longer new map");
        return kindNameOf(saved) + " " + (saved ? std::string() : saved.error().describe());
    });
    ASSERT_TRUE(outcome);
    EXPECT_EQ(*outcome, "too-large file too large");
    EXPECT_EQ(readFile("locked/map1.map"), "old map");
}

}  // namespace
}  // namespace tervok
