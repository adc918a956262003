// Export and import inside the program, byte for byte: the sample data and
// 1,000 generated maps with scripts, through both document forms.
#include "common/catalogue/catalogue.h"
#include "common/testing/temp_dir.h"
#include "formats/map_file.h"
#include "tools/tmx/script_conversion.h"
#include "tools/tmx/tile_images.h"
#include "tools/tmx/tiled_conversion.h"
#include "tools/tmx/tmj_reader.h"
#include "tools/tmx/tmj_writer.h"
#include "tools/tmx/tmx_reader.h"
#include "tools/tmx/tmx_test_data.h"
#include "tools/tmx/tmx_writer.h"

#include <gtest/gtest.h>

#include <bitset>

namespace tmx {
namespace {

using testing::GeneratedMap;

GameContent contentOf(const GeneratedMap& map)
{
    GameContent content;
    content.grid = *formats::parseMapFile(map.map);
    content.catalogue = formats::parseTileCatalogue(map.catalogue);
    content.script = map.script;
    content.players = tervok::parseCatalogue(map.players, tervok::kPlayerNameColumn);
    return content;
}

// Named tiles point to a file, the others carry the neutral picture.
TileImage fakeImage(const formats::TileCatalogue& catalogue, std::uint8_t tile)
{
    if (catalogue.names[tile].empty())
        return TileImage{"", 20, 20, neutralPng()};
    return TileImage{"../ep/t" + std::to_string(tile) + ".bmp", 20, 20, ""};
}

// What comes back through one form: the map bytes and the script bytes.
void expectRoundTrip(const GameContent& content, const std::string& what)
{
    const TiledMap document =
        exportDocument(content, [&](std::uint8_t tile) { return fakeImage(content.catalogue, tile); });
    for (const bool json : {false, true}) {
        const std::string bytes = json ? tmjBytes(document) : tmxBytes(document);
        const tervok::Result<TiledMap> read = json ? readTmj(bytes) : readTmx(bytes);
        ASSERT_TRUE(read) << what << (json ? " json: " : " tmx: ") << read.error().describe();
        const tervok::Result<ImportedContent> imported = importDocument(*read);
        ASSERT_TRUE(imported) << what << (json ? " json: " : " tmx: ") << imported.error().describe();
        EXPECT_EQ(imported->grid, content.grid) << what;
        EXPECT_EQ(imported->script, content.script) << what << (json ? " json" : " tmx");
        EXPECT_TRUE(imported->warnings.empty()) << what;
    }
}

TEST(TmxRoundTrip, TheSampleMapAndItsScriptComeBackByteForByte)
{
    const char* sampleDir = std::getenv("TERVOK_SAMPLE_DIR");
    ASSERT_TRUE(sampleDir);
    const std::filesystem::path sample(sampleDir);
    ASSERT_TRUE(std::filesystem::is_regular_file(sample / "map/map1.msc")) << sample;
    using tervok::testing::readFile;
    const GameContent content = contentOf(GeneratedMap{readFile(sample / "map/map1.map"),
                                                       readFile(sample / "map/mapteile.lst"),
                                                       readFile(sample / "player/player.lst"),
                                                       readFile(sample / "map/map1.msc")});
    expectRoundTrip(content, "the sample");

    // Its four players are points named after their players.
    const TiledMap document = exportDocument(content, [](std::uint8_t) { return TileImage{}; });
    ASSERT_TRUE(document.script);
    ASSERT_EQ(document.script->objects.size(), 4u);
    EXPECT_EQ(document.script->objects[0].name, "soldier");  // "def player 1 1 130 90 3"
    EXPECT_EQ(document.script->objects[0].x, 130);
    EXPECT_EQ(document.script->objects[0].y, 90);
    EXPECT_EQ(findProperty(document.script->objects[0].properties, "command")->value, "def");
    EXPECT_EQ(document.script->properties.size(), 1u);  // the header only
}

TEST(TmxRoundTrip, AThousandGeneratedMapsWithScriptsComeBackByteForByte)
{
    testing::MapGenerator generator(23, false);
    std::bitset<256> rowBytes;
    std::bitset<101> tiles;
    std::size_t objects = 0;
    std::size_t verbatim = 0;
    for (int i = 0; i < 1000; ++i) {
        const GeneratedMap map = generator.next();
        const GameContent content = contentOf(map);
        ASSERT_TRUE(checkExportableScript(map.script)) << i;
        expectRoundTrip(content, "map " + std::to_string(i));
        if (::testing::Test::HasFailure())
            return;
        for (const char byte : map.script)
            rowBytes.set(static_cast<unsigned char>(byte));
        for (const std::uint8_t tile : content.grid.cells())
            tiles.set(tile);
        const ExportedScript script = exportScript(map.script, content.players);
        objects += script.group.objects.size();
        verbatim += script.group.properties.size();
    }
    // What the maps held, so that the round trips meant something.
    EXPECT_TRUE(rowBytes.all());
    EXPECT_TRUE(tiles.all());
    EXPECT_GT(objects, 5000u);
    EXPECT_GT(verbatim, 5000u);
}

}  // namespace
}  // namespace tmx
