#include "common/errors/error.h"
#include "common/errors/failure_report.h"
#include "common/errors/result.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace tervok {
namespace {

TEST(Error, SystemErrorsAreClassifiedAndDescribedForPeople)
{
    EXPECT_EQ(systemError(ENOENT).kind, ErrorKind::NotFound);
    EXPECT_EQ(systemError(EACCES).describe(), "permission denied");
    EXPECT_EQ(systemError(EPERM).kind, ErrorKind::PermissionDenied);
    EXPECT_EQ(systemError(ELOOP).describe(), "symbolic links in a circle");
    EXPECT_EQ(systemError(ENOSPC, "write").describe(), "write failed: no space left on device");
    EXPECT_EQ(systemError(ENOSPC, "write").errnum, ENOSPC);
    EXPECT_EQ(errorOf(ErrorKind::ReadOnly).describe(), "the file is read-only");
    EXPECT_EQ(errorOf(ErrorKind::BrokenLink).describe(), "broken symbolic link");
    EXPECT_STREQ(kindName(ErrorKind::NotRegularFile), "not-regular-file");
}

TEST(Error, FormatErrorsNameTheirLineOrOffset)
{
    EXPECT_EQ(formatError("no header line").describe(), "no header line");
    EXPECT_EQ(formatErrorAtLine(3, "too many rows").describe(), "line 3: too many rows");
    EXPECT_EQ(formatErrorAtOffset(120, "tile above 100").describe(), "byte 120: tile above 100");
}

TEST(Result, HoldsAValueOrTheReason)
{
    Result<int> good = 5;
    ASSERT_TRUE(good);
    EXPECT_EQ(*good, 5);
    Result<int> bad = systemError(EACCES);
    ASSERT_FALSE(bad);
    EXPECT_EQ(bad.error().kind, ErrorKind::PermissionDenied);
    EXPECT_EQ(bad.valueOr(7), 7);
    Status done;
    EXPECT_TRUE(done);
    Status failed = formatError("x");
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.error().describe(), "x");
}

TEST(FailureReport, OneLineNamesProgramPathActionAndReason)
{
    EXPECT_EQ(failureLine("terraloom", "map\\map1.map", "cannot save", systemError(EACCES)),
              "terraloom: map\\map1.map: cannot save: permission denied");
    FailureCapture outer;
    {
        FailureCapture inner;
        reportFailure("boltloom", "shots\\a.sht", "cannot load", systemError(ENOENT));
        EXPECT_EQ(inner.lines(), std::vector<std::string>{"boltloom: shots\\a.sht: cannot load: no such file"});
    }
    reportFailure("sparkloom", "x", "cannot save", formatError("bad"));
    EXPECT_EQ(outer.last(), "sparkloom: x: cannot save: bad");
    EXPECT_EQ(outer.lines().size(), 1u);
}

}  // namespace
}  // namespace tervok
