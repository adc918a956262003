// The layer data decoders and the byte escapes: every form Tiled stores
// cells in gives the same cells, a small bomb stops at a layer's size, and
// every byte comes back from its escaped text.
#include "tools/tmx/byte_escapes.h"
#include "tools/tmx/layer_data.h"
#include "tools/tmx/packed_layers.h"

#include <gtest/gtest.h>


namespace tmx {
namespace {

using testing::packed;

Gids someGids()
{
    Gids gids(kLayerCells);
    for (std::size_t i = 0; i < gids.size(); ++i)
        gids[i] = static_cast<std::uint32_t>(i * 7 % 102) | (i == 5 ? 0x80000000u : 0u);
    return gids;
}

TEST(LayerData, EveryFormGivesTheSameCells)
{
    const Gids gids = someGids();
    EXPECT_EQ(decodeCsv(encodeCsv(gids)), gids);
    for (const char* compression : {"", "zlib", "gzip", "zstd"}) {
        std::string text = packed(gids, compression);
        text.insert(text.size() / 2, "\n   ");  // Tiled breaks and indents base64 text
        EXPECT_EQ(decodeBase64("\n  " + text + "\n ", compression), gids) << compression;
    }
}

TEST(LayerData, WrongSizesAndDamagedDataAreRefused)
{
    const Gids gids = someGids();
    const Gids short_(gids.begin(), gids.end() - 1);
    const std::vector<std::pair<tervok::Result<Gids>, std::string>> cases = {
        {decodeCsv(encodeCsv(short_)), "the tile layer holds 9999 cells, not 10000"},
        {decodeCsv(encodeCsv(gids) + ",1"), "the tile layer holds 10001 cells, not 10000"},
        {decodeCsv("1,x" + std::string(9998, ',')), "cell 2 of the layer data is no tile number: 'x'"},
        {decodeCsv("4294967296" + std::string(9999, ',')), "cell 1 of the layer data is no tile number: '4294967296'"},
        {decodeBase64(packed(short_, "zlib"), "zlib"), "the tile layer holds 9999 cells, not 10000"},
        {decodeBase64(packed(gids, "") + "A", ""), "the layer data is no base64 text"},
        {decodeBase64(packed(gids, "zlib").substr(0, 40), "zlib"), "the zlib data of the layer is damaged or cut short"},
        {decodeBase64(packed(gids, "gzip"), "zlib"), "the zlib data of the layer is damaged or cut short"},
        {decodeBase64(packed(gids, "zstd").substr(0, 20), "zstd"), "the zstd data of the layer is damaged or cut short"},
        {decodeBase64(packed(gids, "zlib"), "lzma"), "the layer data is packed with 'lzma', not with zlib, gzip or zstd"},
    };
    for (const auto& [result, message] : cases) {
        ASSERT_FALSE(result) << message;
        EXPECT_EQ(result.error().detail, message);
    }
}

// 4 MB of zeros packed into a few kilobytes: unpacking stops one
// byte past a layer.
TEST(LayerData, APackedBombStopsAtTheSizeOfALayer)
{
    const Gids bomb(1'000'000, 0);
    for (const char* compression : {"zlib", "gzip", "zstd"}) {
        const std::string text = packed(bomb, compression);
        EXPECT_LT(text.size(), 10'000u);
        const tervok::Result<Gids> result = decodeBase64(text, compression);
        ASSERT_FALSE(result);
        EXPECT_EQ(result.error().detail, "the layer data unpacks to more than 40000 bytes") << compression;
    }
}

TEST(ByteEscapes, EveryByteComesBackAndXmlSeesNoControlCharacter)
{
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
        all += static_cast<char>(byte);
    const std::string text = escapeBytes(all);
    EXPECT_EQ(unescapeText(text), all);
    for (const char c : text)
        EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20 || c == 0x7F) << int(c);
    EXPECT_EQ(escapeBytes("a\\b\r\n\x81\xE4\x80"), "a\\\\b\\x0D\\x0A\\x81\xC3\xA4\xE2\x82\xAC");
    // Typed in Tiled: a lone backslash and a broken escape stay as they are.
    EXPECT_EQ(unescapeText("c:\\dir \\x4 \\xg1 \\x4a"), "c:\\dir \\x4 \\xg1 J");
    EXPECT_EQ(unescapeText("\xC5\x82"), "?");  // no Windows-1252 byte
}

}  // namespace
}  // namespace tmx
