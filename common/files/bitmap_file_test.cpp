#include "common/files/bitmap_file.h"

#include "common/testing/bmp_bytes.h"
#include "common/testing/temp_dir.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace tervok {
namespace {

using namespace testing;

TEST(BmpHeader, ReadsSizeAndDepthOfACompleteFile)
{
    const Result<BmpHeader> header = readBmpHeader(bmpFile(20, 20));
    ASSERT_TRUE(header);
    EXPECT_EQ(header->width, 20);
    EXPECT_EQ(header->height, 20);
    EXPECT_EQ(header->bitsPerPixel, 24);
    EXPECT_EQ(header->dataOffset, 54u);

    std::string topDown = bmpFile(3, 2);
    putLittleEndian(topDown, 22, static_cast<std::uint32_t>(-2), 4);
    ASSERT_TRUE(readBmpHeader(topDown));
    EXPECT_EQ(readBmpHeader(topDown)->height, 2);
}

TEST(BmpHeader, RefusesCutAndDamagedFiles)
{
    const std::string whole = bmpFile(20, 20);  // 1,254 bytes
    EXPECT_FALSE(readBmpHeader(whole.substr(0, 60)));
    EXPECT_FALSE(readBmpHeader(whole.substr(0, 800)));
    EXPECT_FALSE(readBmpHeader(whole.substr(0, whole.size() - 1)));
    EXPECT_FALSE(readBmpHeader(whole.substr(0, 20)));
    EXPECT_FALSE(readBmpHeader(""));
    EXPECT_FALSE(readBmpHeader("GIF89a" + whole.substr(6)));

    std::string pastTheEnd = whole;
    putLittleEndian(pastTheEnd, 10, 5000, 4);
    EXPECT_FALSE(readBmpHeader(pastTheEnd));
    std::string insideHeaders = whole;
    putLittleEndian(insideHeaders, 10, 20, 4);
    EXPECT_FALSE(readBmpHeader(insideHeaders));
    std::string hugeOffset = whole;
    putLittleEndian(hugeOffset, 10, 0xFFFFFFFFu, 4);
    EXPECT_FALSE(readBmpHeader(hugeOffset));

    std::string badDepth = whole;
    putLittleEndian(badDepth, 28, 7, 2);
    EXPECT_FALSE(readBmpHeader(badDepth));
    std::string zeroWidth = whole;
    putLittleEndian(zeroWidth, 18, 0, 4);
    EXPECT_FALSE(readBmpHeader(zeroWidth));
    std::string runLengthWithoutSize = whole;
    putLittleEndian(runLengthWithoutSize, 28, 8, 2);
    putLittleEndian(runLengthWithoutSize, 30, 1, 4);
    putLittleEndian(runLengthWithoutSize, 34, 0, 4);
    EXPECT_FALSE(readBmpHeader(runLengthWithoutSize));

    // What the decoder refuses although the data is all there.
    const auto changed = [&](std::size_t at, std::uint32_t value, int size) {
        std::string bytes = whole;
        putLittleEndian(bytes, at, value, size);
        return bytes;
    };
    EXPECT_FALSE(readBmpHeader(changed(26, 0, 2)));   // no plane
    EXPECT_FALSE(readBmpHeader(changed(26, 2, 2)));   // two planes
    EXPECT_FALSE(readBmpHeader(changed(30, 1, 4)));   // 24 bits as run-length 8
    EXPECT_FALSE(readBmpHeader(changed(30, 3, 4)));   // 24 bits with colour masks
    EXPECT_FALSE(readBmpHeader(changed(30, 6, 4)));   // masks with alpha
    EXPECT_FALSE(readBmpHeader(changed(14, 52, 4)));  // a header length it does not read
}

TEST(BitmapFile, OnlyRegularFilesAreReadAndNothingWaits)
{
    TempDir dir;
    writeFile("ep/grass.bmp", bmpFile());
    EXPECT_TRUE(readBitmapFile("ep/grass.bmp"));

    ASSERT_EQ(::mkfifo("ep/pipe.bmp", 0644), 0);
    EXPECT_EQ(readBitmapFile("ep/pipe.bmp").error().kind, ErrorKind::NotRegularFile);
    ASSERT_EQ(::symlink("pipe.bmp", "ep/link-to-pipe.bmp"), 0);
    EXPECT_EQ(readBitmapFile("ep/link-to-pipe.bmp").error().kind, ErrorKind::NotRegularFile);
    std::filesystem::create_directory("ep/folder.bmp");
    EXPECT_EQ(readBitmapFile("ep/folder.bmp").error().kind, ErrorKind::NotRegularFile);

    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = (dir.path() / "ep/socket.bmp").string();
    if (socketPath.size() < sizeof address.sun_path) {
        socketPath.copy(address.sun_path, socketPath.size());
        ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        EXPECT_FALSE(readBitmapFile("ep/socket.bmp"));
    }
    ::close(sock);
    if (std::filesystem::exists("/dev/zero"))
        EXPECT_EQ(readBitmapFile("/dev/zero").error().kind, ErrorKind::NotRegularFile);
}

// The rule of what a cell shows: a BMP of any size; a cut one, or another
// image format under a .bmp name, is no bitmap.
TEST(BitmapFile, OnlyACompleteBmpOfAnySizeIsABitmap)
{
    TempDir dir;
    writeFile("ep/big.bmp", bmpFile(40, 7));
    EXPECT_TRUE(readBitmapFile("ep/big.bmp"));
    writeFile("ep/cut.bmp", bmpFile().substr(0, 800));
    EXPECT_EQ(readBitmapFile("ep/cut.bmp").error().kind, ErrorKind::Format);
    writeFile("ep/other.bmp", "\x89PNG\r\n\x1a\n");
    EXPECT_EQ(readBitmapFile("ep/other.bmp").error().describe(), "no bitmap header");
}

}  // namespace
}  // namespace tervok
