// The pixels of the map and the overview: where each tile's bitmap lands,
// what is neutral, the class colours, and the scaled pictures.
#include "tools/render/map_picture.h"

#include "common/testing/temp_dir.h"
#include "tools/render/render_test_data.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace render {
namespace {

using namespace render::testing;
using tervok::testing::bmpFile;

constexpr QRgb kGrass = 0xFFA0C040;
constexpr QRgb kEdge = 0xFF102030;
constexpr QRgb kSand = 0xFFE0D090;

// Bitmaps held in memory by game path; every read is counted.
struct MemoryBitmaps {
    std::map<std::string, std::string> files;
    std::map<std::string, int> reads;

    BitmapSource source()
    {
        return [this](const std::string& path) -> std::optional<std::string> {
            ++reads[path];
            const auto found = files.find(path);
            return found == files.end() ? std::nullopt : std::optional<std::string>(found->second);
        };
    }
};

formats::TileCatalogue catalogueOf(const std::vector<CatalogueEntry>& entries)
{
    return formats::parseTileCatalogue(catalogueText(entries));
}

QImage drawWith(const std::vector<CatalogueEntry>& entries, MemoryBitmaps& bitmaps,
                const std::vector<PlacedTile>& tiles)
{
    const formats::MapGrid grid = gridOf(tiles);
    return drawMap(grid, TileBlocks(catalogueOf(entries), grid, bitmaps.source()));
}

// The colours of the cell's 20 x 20 pixels, each once.
std::set<QRgb> coloursOfCell(const QImage& picture, int x, int y)
{
    std::set<QRgb> colours;
    for (int py = 0; py < kCellPixels; ++py)
        for (int px = 0; px < kCellPixels; ++px)
            colours.insert(picture.pixel((x - 1) * kCellPixels + px, (y - 1) * kCellPixels + py));
    return colours;
}

TEST(MapPicture, ACellShowsItsBitmapTheRightWayUpFromItsTopLeftCorner)
{
    MemoryBitmaps bitmaps;
    bitmaps.files["ep\\grass.bmp"] = bmpWithTopRow(20, 20, 0xA0C040, 0x102030);
    const QImage picture = drawWith({{3, 4, "grass_01"}}, bitmaps, {{2, 5, 3}});
    ASSERT_EQ(picture.size(), QSize(2000, 2000));
    EXPECT_EQ(picture.pixel(20, 80), kEdge);  // top-left corner: the bitmap's top row
    EXPECT_EQ(picture.pixel(39, 80), kEdge);
    EXPECT_EQ(picture.pixel(20, 81), kGrass);
    EXPECT_EQ(picture.pixel(39, 99), kGrass);  // bottom-right corner
    EXPECT_EQ(picture.pixel(20, 99), kGrass);
    EXPECT_EQ(picture.pixel(19, 80), kNeutralColour);  // the cells beside it hold tile 0, unnamed
    EXPECT_EQ(picture.pixel(40, 99), kNeutralColour);
    EXPECT_EQ(picture.pixel(39, 100), kNeutralColour);
}

TEST(MapPicture, TileZeroIsDrawnLikeAnyOtherAndSharedBitmapsAreReadOnce)
{
    MemoryBitmaps bitmaps;
    bitmaps.files["ep\\grass.bmp"] = bmpFile(20, 20, 0xA0C040);
    bitmaps.files["ep\\sand.bmp"] = bmpFile(20, 20, 0xE0D090);
    const QImage picture = drawWith({{0, 4, "grass_01"}, {1, 4, "grass_02"}, {2, 6, "sand_01"}, {3, 6, "lava_01"}},
                                    bitmaps, {{100, 100, 1}});
    EXPECT_EQ(coloursOfCell(picture, 1, 1), std::set<QRgb>{kGrass});
    EXPECT_EQ(coloursOfCell(picture, 100, 100), std::set<QRgb>{kGrass});
    // Tiles 2 and 3 are not on the map: their bitmaps are not read.
    EXPECT_EQ(bitmaps.reads, (std::map<std::string, int>{{"ep\\grass.bmp", 1}}));
}

TEST(MapPicture, CellsWithoutAReadableBitmapAreNeutralThroughout)
{
    tervok::testing::TempDir dir;
    std::string cut = bmpFile(20, 20, 0xA0C040);
    cut.resize(cut.size() - 30);
    tervok::testing::writeFile("ep/cut.bmp", cut);
    tervok::testing::writeFile("ep/text.bmp", "not a picture");
    std::filesystem::create_directories("ep/folder.bmp");
    // Another image format under a .bmp name shows nothing, as in the
    // editor and in tervok-check.
    QImage grass(20, 20, QImage::Format_RGB32);
    grass.fill(kGrass);
    ASSERT_TRUE(grass.save("ep/png.bmp", "PNG"));
    const formats::TileCatalogue catalogue = catalogueOf({{2, 4, "ab"}, {3, 4, "missing_01"}, {4, 4, "cut_01"},
                                                            {5, 4, "text_01"}, {6, 4, "folder_01"}, {7, 4, "png_01"}});
    const formats::MapGrid grid =
        gridOf({{1, 1, 1}, {2, 1, 2}, {3, 1, 3}, {4, 1, 4}, {5, 1, 5}, {6, 1, 6}, {7, 1, 7}});
    const QImage picture = drawMap(grid, TileBlocks(catalogue, grid, bitmapFilesInWorkingDirectory()));
    for (int x = 1; x <= 7; ++x)
        EXPECT_EQ(coloursOfCell(picture, x, 1), std::set<QRgb>{kNeutralColour}) << "cell " << x;
}

TEST(MapPicture, ASmallerBitmapLeavesTheRestOfItsCellNeutralAndABiggerOneIsCut)
{
    MemoryBitmaps bitmaps;
    bitmaps.files["ep\\small.bmp"] = bmpFile(8, 6, 0xA0C040);
    bitmaps.files["ep\\big.bmp"] = bmpWithTopRow(30, 25, 0xE0D090, 0x102030);
    const QImage picture = drawWith({{1, 0, "small_01"}, {2, 0, "big_01"}}, bitmaps, {{1, 1, 1}, {3, 1, 2}});
    EXPECT_EQ(picture.pixel(0, 0), kGrass);
    EXPECT_EQ(picture.pixel(7, 5), kGrass);
    EXPECT_EQ(picture.pixel(8, 0), kNeutralColour);
    EXPECT_EQ(picture.pixel(0, 6), kNeutralColour);
    EXPECT_EQ(picture.pixel(19, 19), kNeutralColour);
    // Cell (3, 1) shows the big bitmap's top-left 20 x 20 pixels; cell (4, 1) is its own.
    EXPECT_EQ(picture.pixel(40, 0), kEdge);
    EXPECT_EQ(picture.pixel(59, 0), kEdge);
    EXPECT_EQ(picture.pixel(59, 19), kSand);
    EXPECT_EQ(picture.pixel(60, 0), kNeutralColour);
    EXPECT_EQ(picture.pixel(40, 20), kNeutralColour);
}

TEST(OverviewPicture, EachCellIsATwoByTwoSquareInItsClassColourRedInTheLowByte)
{
    const formats::TileCatalogue catalogue =
        catalogueOf({{1, 2, "lava_01"}, {2, 3, "water_01"}, {3, 5, "sand_01"}, {4, 11, "odd_01"}, {5, 1, "wall_01"}});
    const QImage picture = drawOverview(gridOf({{1, 1, 1}, {2, 1, 2}, {3, 1, 3}, {4, 1, 4}, {100, 100, 5}}), catalogue);
    ASSERT_EQ(picture.size(), QSize(200, 200));
    const std::vector<std::pair<QPoint, QRgb>> squares = {
        {{0, 0}, 0xFFFF0000},  // class 2: 0x0000FF is red
        {{2, 0}, 0xFF0000FF},  // class 3: 0xFF0000 is blue
        {{4, 0}, 0xFFC0C000},  // class 5: 0x00C0C0 is olive
        {{6, 0}, 0xFF000000},  // class 11 has no colour: black
        {{198, 198}, 0xFFA0A0A0},
        {{8, 0}, 0xFF000000},  // tile 0, not in the catalogue: class 0, black
    };
    for (const auto& [corner, colour] : squares) {
        for (const QPoint offset : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
            EXPECT_EQ(picture.pixel(corner + offset), colour) << corner.x() << ", " << corner.y();
    }
    EXPECT_EQ(picture.pixel(0, 2), 0xFF000000u);
}

TEST(ScaledPicture, SizesFollowTheScaleAndPixelsStaySharp)
{
    MemoryBitmaps bitmaps;
    bitmaps.files["ep\\grass.bmp"] = bmpFile(20, 20, 0xA0C040);
    const QImage picture = drawWith({{3, 4, "grass_01"}}, bitmaps, {{2, 5, 3}});

    const QImage tiny = scaledPicture(picture, 0.05);
    ASSERT_EQ(tiny.size(), QSize(100, 100));
    EXPECT_EQ(tiny.pixel(1, 4), kGrass);
    EXPECT_EQ(tiny.pixel(0, 4), kNeutralColour);
    EXPECT_EQ(tiny.pixel(2, 4), kNeutralColour);

    const QImage large = scaledPicture(picture, 2);
    ASSERT_EQ(large.size(), QSize(4000, 4000));
    // Along a row through the cell only the two colours occur, changing
    // exactly at the cell's edges.
    for (int x = 0; x < 200; ++x)
        ASSERT_EQ(large.pixel(x, 170), x >= 40 && x < 80 ? kGrass : kNeutralColour) << "x " << x;

    EXPECT_EQ(scaledPicture(drawOverview(formats::MapGrid{}, {}), 0.05).size(), QSize(10, 10));
    EXPECT_EQ(scaledSide(2000, 0.3333), 667);
    EXPECT_EQ(scaledSide(200, 0.001), 1);
}

}  // namespace
}  // namespace render
