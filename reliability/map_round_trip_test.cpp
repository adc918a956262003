// Round trips of the level editor's two files: the binary map and the
// map script.
#include "formats/map_file.h"
#include "formats/script_file.h"
#include "reliability/round_trip_support.h"

namespace {

using namespace reliability;
using formats::MapGrid;

std::string mapBytes(const MapGrid& grid, const std::string& old = std::string())
{
    return formats::mapFileBytes(grid, old);
}

TEST(MapRoundTrip, SampleMapSavesToTheSameBytes)
{
    const std::optional<std::string> sample = sampleFile("map/map1.map");
    if (!sample) {
        GTEST_SKIP() << kNoSampleData;
    }
    const tervok::Result<MapGrid> grid = formats::parseMapFile(*sample);
    ASSERT_TRUE(grid.has_value());
    const std::string saved = mapBytes(*grid, *sample);
    EXPECT_EQ(saved, *sample);
    EXPECT_EQ(mapBytes(*formats::parseMapFile(saved), saved), saved);
}

// Cells 0..100 survive save and load, and any bytes the old file held past
// the map survive the save.
TEST(MapRoundTrip, RandomMapsComeBackCellForCell)
{
    TERVOK_TRACE_SEED();
    std::mt19937 random(kRoundTripSeed);
    std::uniform_int_distribution<int> tile(0, formats::kMaxTile);
    std::uniform_int_distribution<std::size_t> tailLength(0, 3000);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int n = 0; n < kRandomDocuments; ++n) {
        MapGrid grid;
        for (auto& cell : grid.cells())
            cell = static_cast<std::uint8_t>(tile(random));
        std::string old(formats::kMapFileSize + tailLength(random), '\0');
        for (char& c : old)
            c = static_cast<char>(byte(random));

        const std::string saved = mapBytes(grid, old);
        ASSERT_EQ(saved.size(), old.size());
        const tervok::Result<MapGrid> loaded = formats::parseMapFile(saved);
        ASSERT_TRUE(loaded.has_value()) << "document " << n;
        ASSERT_EQ(*loaded, grid) << "document " << n;
        ASSERT_EQ(mapBytes(*loaded, saved), saved) << "document " << n;
    }
}

constexpr const char* kGrammar = "set <type> <nmr> <anz> <x> <y> <r>";

TEST(ScriptRoundTrip, SampleScriptSavesToTheSameBytes)
{
    const std::optional<std::string> sample = sampleFile("map/map1.msc");
    if (!sample) {
        GTEST_SKIP() << kNoSampleData;
    }
    const tervok::Result<formats::ScriptRows> rows = formats::parseScriptFile(*sample);
    ASSERT_TRUE(rows.has_value());
    EXPECT_FALSE(rows->empty());
    const std::string saved = formats::scriptFileBytes(kGrammar, *rows);
    EXPECT_EQ(saved, *sample);
    EXPECT_EQ(formats::scriptFileBytes(kGrammar, *formats::parseScriptFile(saved)), saved);
}

// Empty rows included, anywhere in the script, also last.
TEST(ScriptRoundTrip, RandomScriptsComeBackRowForRow)
{
    TERVOK_TRACE_SEED();
    std::mt19937 random(kRoundTripSeed);
    std::uniform_int_distribution<int> rowCount(0, 40);
    for (int n = 0; n < kRandomDocuments; ++n) {
        formats::ScriptRows rows(static_cast<std::size_t>(rowCount(random)));
        for (std::string& row : rows)
            row = randomText(random, 0, 40);

        const std::string saved = formats::scriptFileBytes(kGrammar, rows);
        const tervok::Result<formats::ScriptRows> loaded = formats::parseScriptFile(saved);
        ASSERT_TRUE(loaded.has_value()) << "document " << n;
        ASSERT_EQ(*loaded, rows) << "document " << n;
        ASSERT_EQ(formats::scriptFileBytes(kGrammar, *loaded), saved) << "document " << n;
    }
}

}  // namespace
