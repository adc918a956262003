// Whole-file reading and the safe save when a system call fails or falls
// short midway (harness/system_call_faults.h): interrupted and short calls
// are resumed and give exactly the bytes meant; a step that fails leaves
// the old file as it was, no temporary file, and says which step failed.
#include "common/files/file_io.h"
#include "common/testing/temp_dir.h"
#include "reliability/harness/system_call_faults.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace reliability {
namespace {

using tervok::testing::readFile;
using tervok::testing::writeFile;

std::string described(const tervok::Status& status)
{
    return status ? "ok" : status.error().describe();
}

ino_t inodeOf(const char* path)
{
    struct stat st {};
    ::stat(path, &st);
    return st.st_ino;
}

std::string patterned(std::size_t size)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>('a' + i * 7 % 26);
    return bytes;
}

// EINTR on the first calls, and every transfer cut to a few bytes: the
// calls are made again, each from where the last one ended.
TEST(SystemCallFaults, InterruptedAndShortCallsAreResumedWhereTheyStopped)
{
    tervok::testing::TempDir dir;
    const std::string bytes = patterned(100000);
    writeFile("map1.map", "old");
    {
        ArmedFaults faults({{SystemCall::Pwrite, EINTR, 0, 2}, {SystemCall::Pwrite, 0, 0, 1000, 7}});
        EXPECT_EQ(described(tervok::replaceFile("map1.map", bytes)), "ok");
        EXPECT_GT(faults.spoiled(), 1000);
    }
    EXPECT_EQ(readFile("map1.map"), bytes);
    {
        ArmedFaults faults({{SystemCall::Read, EINTR, 0, 2}, {SystemCall::Read, 0, 1, 3, 5}});
        const tervok::Result<std::string> read = tervok::readWholeFile("map1.map");
        ASSERT_TRUE(read);
        EXPECT_EQ(*read, bytes);
        EXPECT_EQ(faults.spoiled(), 5);
    }
    EXPECT_EQ(tervok::testing::entryCount("."), 1u);
}

// Each step in turn fails once. A write that moves nothing is no progress,
// whatever errno an earlier call left: it fails rather than loop.
TEST(SystemCallFaults, EveryFailedStepOfTheSafeSaveLeavesTheOldFileAlone)
{
    tervok::testing::TempDir dir;
    writeFile("map1.map", "old");
    ::chmod("map1.map", 0640);
    struct Case {
        CallFault fault;
        const char* said;
    };
    const Case cases[] = {
        {{SystemCall::Pwrite, EIO}, "write failed: input/output error"},
        {{SystemCall::Pwrite, EINTR, 0, 1, 0, 0, true}, "write failed: input/output error"},
        {{SystemCall::Fchmod, EPERM}, "permission denied"},
        {{SystemCall::Fsync, EIO}, "flush failed: input/output error"},
        {{SystemCall::Close, EIO}, "close failed: input/output error"},
        {{SystemCall::Rename, EXDEV}, "rename failed: invalid cross-device link"},
        {{SystemCall::Open, ENOSPC, 0, 1, 0, O_CREAT | O_EXCL}, "create temporary file failed: no space left on device"},
    };
    for (const Case& one : cases) {
        ArmedFaults faults({one.fault});
        EXPECT_EQ(described(tervok::replaceFile("map1.map", "the new map")), one.said);
        EXPECT_EQ(faults.spoiled(), 1) << one.said;
        EXPECT_EQ(readFile("map1.map"), "old") << one.said;
        EXPECT_EQ(tervok::testing::entryCount("."), 1u) << one.said;
    }
    struct stat st {};
    ::stat("map1.map", &st);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

// Where no temporary file may be made beside it (the folder refuses), the
// file is written in place: that too resumes short writes, and a failure to
// open it, or to flush it, leaves the old bytes.
TEST(SystemCallFaults, AnInPlaceSaveResumesShortWritesAndKeepsTheOldBytesWhenItFails)
{
    tervok::testing::TempDir dir;
    const CallFault folderRefuses{SystemCall::Open, EACCES, 0, 1, 0, O_CREAT | O_EXCL};
    writeFile("map1.map", "the old map");
    const ino_t inode = inodeOf("map1.map");
    {
        ArmedFaults faults({folderRefuses, {SystemCall::Open, ENOENT, 0, 1, 0, O_RDWR}});
        EXPECT_EQ(described(tervok::replaceFile("map1.map", "new")), "no such file");
    }
    {
        ArmedFaults faults({folderRefuses, {SystemCall::Fsync, EIO}});
        EXPECT_EQ(described(tervok::replaceFile("map1.map", "a longer new map")), "flush failed: input/output error");
    }
    EXPECT_EQ(readFile("map1.map"), "the old map");
    const std::string bytes = patterned(5000);
    {
        ArmedFaults faults({folderRefuses, {SystemCall::Pwrite, EINTR, 0, 1}, {SystemCall::Pwrite, 0, 0, 500, 9}});
        EXPECT_EQ(described(tervok::replaceFile("map1.map", bytes)), "ok");
    }
    EXPECT_EQ(readFile("map1.map"), bytes);
    EXPECT_EQ(inodeOf("map1.map"), inode);
    EXPECT_EQ(tervok::testing::entryCount("."), 1u);
}

// A program started with its standard input closed gets descriptor 0 for
// the first file it opens: that is a file like any other.
TEST(SystemCallFaults, DescriptorZeroIsAFileLikeAnyOther)
{
    tervok::testing::TempDir dir;
    writeFile("map1.map", "old");
    const int input = ::dup(0);
    ASSERT_GE(input, 0);
    ::close(0);
    const tervok::Result<std::string> read = tervok::readWholeFile("map1.map");
    const std::string saved = described(tervok::replaceFile("map1.map", "new"));
    const std::string created = described(tervok::replaceFile("fresh.map", "fresh"));
    std::string inPlace;
    {
        ArmedFaults faults({{SystemCall::Open, EACCES, 0, 1, 0, O_CREAT | O_EXCL}});
        inPlace = described(tervok::replaceFile("map1.map", "newer"));
    }
    const std::string touched = described(tervok::touchFile("empty.map"));
    ::dup2(input, 0);
    ::close(input);
    EXPECT_EQ(read.valueOr("failed"), "old");
    EXPECT_EQ(saved + " " + created + " " + inPlace + " " + touched, "ok ok ok ok");
    EXPECT_EQ(readFile("map1.map"), "newer");
    EXPECT_EQ(readFile("fresh.map"), "fresh");
    EXPECT_EQ(tervok::testing::entryCount("."), 3u);
}

}  // namespace
}  // namespace reliability
