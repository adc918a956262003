#include "common/files/bitmap_file.h"

#include "common/files/file_io.h"

#include <cstdint>

namespace tervok {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr int kMaxSide = 65535;

enum Compression : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

std::uint32_t readU32(std::string_view bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

std::uint16_t readU16(std::string_view bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                      (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

bool isKnownDepth(int bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// The header lengths the decoder reads: the old core header, the Windows
// 3 header, OS/2's second header and the Windows 4 and 5 headers.
bool isKnownHeaderSize(std::uint32_t size)
{
    return size == kCoreHeaderSize || size == 40 || size == 64 || size == 108 || size == 124;
}

// Run-length data only at the depth it is made for, colour masks only for
// 16 and 32 bits: the pairs the decoder draws.
bool isDrawnCompression(std::uint32_t compression, int bits)
{
    switch (compression) {
    case kRgb:
        return true;
    case kRle8:
        return bits == 8;
    case kRle4:
        return bits == 4;
    case kBitFields:
        return bits == 16 || bits == 32;
    default:
        return false;
    }
}

// Width, height, depth and compression from the header after the file
// header: the old 12-byte core header or one of the 40-byte-and-longer ones.
Result<BmpHeader> readInfoHeader(std::string_view bytes, std::uint32_t headerSize, bool& topDown)
{
    BmpHeader header;
    if (headerSize == kCoreHeaderSize) {
        header.width = readU16(bytes, 18);
        header.height = readU16(bytes, 20);
        header.planes = readU16(bytes, 22);
        header.bitsPerPixel = readU16(bytes, 24);
        return header;
    }
    const auto width = static_cast<std::int32_t>(readU32(bytes, 18));
    const auto height = static_cast<std::int32_t>(readU32(bytes, 22));
    if (width <= 0 || width > kMaxSide || height == 0 || height < -kMaxSide || height > kMaxSide)
        return formatError("bitmap size out of range");
    topDown = height < 0;
    header.width = width;
    header.height = topDown ? -height : height;
    header.planes = readU16(bytes, 26);
    header.bitsPerPixel = readU16(bytes, 28);
    header.compression = readU32(bytes, 30);
    return header;
}

// How many bytes of pixel data the header promises; 0 when it cannot say.
Result<std::uint64_t> pixelDataSize(std::string_view bytes, const BmpHeader& header, bool topDown,
                                    std::uint32_t headerSize)
{
    switch (header.compression) {
    case kRgb:
    case kBitFields: {
        const std::uint64_t stride =
            (static_cast<std::uint64_t>(header.width) * static_cast<std::uint64_t>(header.bitsPerPixel) + 31) / 32 * 4;
        return stride * static_cast<std::uint64_t>(header.height);
    }
    case kRle8:
    case kRle4: {
        // Run-length data has no fixed size; its header must give it.
        const std::uint32_t imageSize = headerSize > kCoreHeaderSize ? readU32(bytes, 34) : 0;
        if (topDown || imageSize == 0)
            return formatError("compressed bitmap without its data size");
        return std::uint64_t{imageSize};
    }
    default:
        return formatError("unknown bitmap compression");
    }
}

}  // namespace

Result<BmpHeader> readBmpHeader(std::string_view bytes)
{
    if (bytes.size() < kFileHeaderSize + 4 || bytes.substr(0, 2) != "BM")
        return formatError("no bitmap header");
    const std::uint32_t headerSize = readU32(bytes, kFileHeaderSize);
    if (!isKnownHeaderSize(headerSize) || kFileHeaderSize + headerSize > bytes.size())
        return formatError("bitmap header cut short or unknown");
    bool topDown = false;
    BmpHeader header = TRY(readInfoHeader(bytes, headerSize, topDown));
    if (!isKnownDepth(header.bitsPerPixel) || header.width <= 0 || header.height <= 0)
        return formatError("unknown bitmap depth or size");
    if (header.planes != 1)
        return formatError("bitmap of other than one plane");
    if (!isDrawnCompression(header.compression, header.bitsPerPixel))
        return formatError("unknown bitmap compression");
    header.dataOffset = readU32(bytes, 10);
    const std::uint64_t dataSize = TRY(pixelDataSize(bytes, header, topDown, headerSize));
    if (header.dataOffset < kFileHeaderSize + headerSize)
        return formatError("pixel data offset inside the headers");
    if (std::uint64_t{header.dataOffset} + dataSize > bytes.size())
        return formatError("pixel data cut short");
    return header;
}

Result<BmpHeader> bitmapShownInCell(std::string_view fileBytes)
{
    return readBmpHeader(fileBytes);
}

Result<std::string> readBitmapFile(const std::filesystem::path& path)
{
    std::string bytes = TRY(readWholeFile(path));
    TRY(bitmapShownInCell(bytes));
    return bytes;
}

}  // namespace tervok
