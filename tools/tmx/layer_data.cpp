#include "tools/tmx/layer_data.h"

#include <zlib.h>
#include <zstd.h>
#include <zstd_errors.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>

namespace tmx {
namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

int base64Value(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

// Strict base64: groups of four characters, "=" padding in the last one
// only; blanks and line ends are skipped.
std::optional<std::string> fromBase64(std::string_view text)
{
    std::string digits;
    digits.reserve(text.size());
    for (const char c : text)
        if (!isSpace(c))
            digits += c;
    if (digits.size() % 4 != 0)
        return std::nullopt;
    std::size_t padding = 0;
    while (padding < 2 && padding < digits.size() && digits[digits.size() - 1 - padding] == '=')
        ++padding;
    std::string bytes;
    bytes.reserve(digits.size() / 4 * 3);
    const std::size_t dataDigits = digits.size() - padding;
    for (std::size_t group = 0; group < digits.size(); group += 4) {
        std::uint32_t bits = 0;
        for (std::size_t i = group; i < group + 4; ++i) {
            const int value = i < dataDigits ? base64Value(digits[i]) : 0;
            if (value < 0)
                return std::nullopt;
            bits = bits << 6 | static_cast<std::uint32_t>(value);
        }
        const std::size_t kept = std::min<std::size_t>(3, (dataDigits - group) * 3 / 4);
        for (std::size_t i = 0; i < kept; ++i)
            bytes += static_cast<char>(bits >> (16 - 8 * i) & 0xFF);
    }
    return bytes;
}

tervok::Error tooLarge()
{
    return tervok::formatError("the layer data unpacks to more than " + std::to_string(kLayerBytes) + " bytes");
}

tervok::Error damaged(std::string_view compression)
{
    return tervok::formatError("the " + std::string(compression) + " data of the layer is damaged or cut short");
}

// zlib and gzip through zlib's inflate, into a buffer one byte larger than
// a layer, so that more is seen without being kept.
tervok::Result<std::string> inflateCapped(const std::string& packed, std::string_view compression)
{
    z_stream stream{};
    const int windowBits = compression == "gzip" ? 16 + MAX_WBITS : MAX_WBITS;
    if (inflateInit2(&stream, windowBits) != Z_OK)
        return damaged(compression);
    std::string out(kLayerBytes + 1, '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    stream.avail_in = static_cast<uInt>(packed.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const int status = inflate(&stream, Z_FINISH);
    const std::size_t produced = stream.total_out;
    inflateEnd(&stream);
    if (status == Z_STREAM_END && produced <= kLayerBytes) {
        out.resize(produced);
        return out;
    }
    if (produced > kLayerBytes)
        return tooLarge();
    return damaged(compression);
}

// One call into a buffer one byte larger than a layer: zstd decodes
// straight into it, without a window buffer of the size a frame may claim.
tervok::Result<std::string> zstdCapped(const std::string& packed)
{
    std::string out(kLayerBytes + 1, '\0');
    const std::size_t result = ZSTD_decompress(out.data(), out.size(), packed.data(), packed.size());
    if (ZSTD_isError(result)) {
        if (ZSTD_getErrorCode(result) == ZSTD_error_dstSize_tooSmall)
            return tooLarge();
        return damaged("zstd");
    }
    if (result > kLayerBytes)
        return tooLarge();
    out.resize(result);
    return out;
}

tervok::Result<std::string> unpacked(const std::string& packed, std::string_view compression)
{
    if (compression.empty()) {
        if (packed.size() > kLayerBytes)
            return tooLarge();
        return packed;
    }
    if (compression == "zlib" || compression == "gzip")
        return inflateCapped(packed, compression);
    if (compression == "zstd")
        return zstdCapped(packed);
    return tervok::formatError("the layer data is packed with '" + std::string(compression) +
                               "', not with zlib, gzip or zstd");
}

}  // namespace

std::optional<std::uint32_t> readGid(std::string_view text)
{
    text = trimmed(text);
    std::uint32_t gid = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, gid);
    if (text.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return gid;
}

tervok::Error wrongCellCount(std::size_t count)
{
    return tervok::formatError("the tile layer holds " + std::to_string(count) + " cells, not " +
                               std::to_string(kLayerCells));
}

tervok::Result<Gids> decodeCsv(std::string_view text)
{
    text = trimmed(text);
    const std::size_t count = text.empty() ? 0 : static_cast<std::size_t>(std::count(text.begin(), text.end(), ',')) + 1;
    if (count != kLayerCells)
        return wrongCellCount(count);
    Gids gids(kLayerCells);
    std::size_t start = 0;
    for (std::size_t i = 0; i < kLayerCells; ++i) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string_view value = text.substr(start, comma - start);
        const std::optional<std::uint32_t> gid = readGid(value);
        if (!gid)
            return tervok::formatError("cell " + std::to_string(i + 1) + " of the layer data is no tile number: '" +
                                       std::string(trimmed(value).substr(0, 20)) + "'");
        gids[i] = *gid;
        start = comma + 1;
    }
    return gids;
}

tervok::Result<Gids> decodeBase64(std::string_view text, std::string_view compression)
{
    const std::optional<std::string> packed = fromBase64(text);
    if (!packed)
        return tervok::formatError("the layer data is no base64 text");
    const tervok::Result<std::string> bytes = unpacked(*packed, compression);
    if (!bytes)
        return bytes.error();
    if (bytes->size() != kLayerBytes) {
        if (bytes->size() % 4 != 0)
            return tervok::formatError("the layer data holds " + std::to_string(bytes->size()) +
                                       " bytes, not whole 4-byte cells");
        return wrongCellCount(bytes->size() / 4);
    }
    Gids gids(kLayerCells);
    for (std::size_t i = 0; i < kLayerCells; ++i) {
        const auto* cell = reinterpret_cast<const unsigned char*>(bytes->data() + 4 * i);
        gids[i] = static_cast<std::uint32_t>(cell[0]) | static_cast<std::uint32_t>(cell[1]) << 8 |
                  static_cast<std::uint32_t>(cell[2]) << 16 | static_cast<std::uint32_t>(cell[3]) << 24;
    }
    return gids;
}

// The decimal digits of the gids below 1000, which every game map's are,
// padded to four bytes for one copy each.
struct ShortGids {
    std::array<std::array<char, 4>, 1000> digits{};
    std::array<std::uint8_t, 1000> length{};

    ShortGids()
    {
        for (std::uint32_t gid = 0; gid < 1000; ++gid)
            length[gid] = static_cast<std::uint8_t>(std::to_chars(digits[gid].data(), digits[gid].data() + 4, gid).ptr -
                                                    digits[gid].data());
    }
};

void appendCsv(std::string& text, const Gids& gids)
{
    static const ShortGids shortGids;
    constexpr std::size_t kWidest = 10;  // 4294967295
    // The digits, a comma between cells, a line end first and after each
    // row, and room for the last four-byte copy.
    const std::size_t rows = (gids.size() + formats::kMapSize - 1) / formats::kMapSize;
    std::size_t size = (gids.empty() ? 0 : gids.size() - 1) + 1 + rows + 4;
    for (const std::uint32_t gid : gids)
        size += gid < 1000 ? shortGids.length[gid] : kWidest;
    const std::size_t start = text.size();
    text.resize(start + size);
    char* out = text.data() + start;
    *out++ = '\n';
    // Every cell with a comma after it, every row with a line end; the last
    // comma is taken back at the end.
    for (std::size_t row = 0; row < gids.size(); row += formats::kMapSize) {
        const std::size_t rowEnd = std::min(row + formats::kMapSize, gids.size());
        for (std::size_t i = row; i < rowEnd; ++i) {
            const std::uint32_t gid = gids[i];
            if (gid < 1000) {
                std::memcpy(out, shortGids.digits[gid].data(), 4);
                out += shortGids.length[gid];
            } else {
                out = std::to_chars(out, out + kWidest, gid).ptr;
            }
            *out++ = ',';
        }
        *out++ = '\n';
    }
    if (!gids.empty()) {
        out[-2] = '\n';
        --out;
    }
    text.resize(static_cast<std::size_t>(out - text.data()));
}

std::string encodeCsv(const Gids& gids)
{
    std::string text;
    appendCsv(text, gids);
    return text;
}

}  // namespace tmx
