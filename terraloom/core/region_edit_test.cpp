#include "terraloom/core/region_edit.h"

#include <gtest/gtest.h>

#include <string>

namespace terraloom {
namespace {

using formats::MapGrid;

// Rows of a grid's corner as text: one digit a cell.
std::string rowsOf(const MapGrid& grid, const MapArea& area)
{
    std::string text;
    for (int y = area.topLeft.y; y < area.topLeft.y + area.rows; ++y) {
        for (int x = area.topLeft.x; x < area.topLeft.x + area.columns; ++x)
            text += static_cast<char>('0' + grid.at(x, y));
        text += '/';
    }
    return text;
}

void setRows(MapGrid& grid, const MapCell& topLeft, std::initializer_list<const char*> rows)
{
    int y = topLeft.y;
    for (const char* row : rows) {
        for (int x = topLeft.x; *row != 0; ++row, ++x)
            grid.set(x, y, static_cast<std::uint8_t>(*row - '0'));
        ++y;
    }
}

// Applies the changes as one step, checks that each cell is listed once and
// only if it changes, and that an undo gives the grid back.
MapGrid applied(const MapGrid& grid, const PaintStep& changes)
{
    std::array<int, formats::kMapSize * formats::kMapSize> seen{};
    for (const CellChange& change : changes) {
        EXPECT_EQ(seen[change.place]++, 0) << "cell listed twice: " << change.place;
        EXPECT_NE(change.after, grid.cells()[change.place]) << "no change at " << change.place;
    }
    MapGrid after = grid;
    PaintHistory history;
    history.record(after, changes);
    MapGrid undone = after;
    history.undo(undone);
    EXPECT_EQ(undone, grid);
    return after;
}

TEST(RegionEdit, FillsAndPastesStopAtTheMapsEdge)
{
    MapGrid grid;
    grid.set(99, 99, 4);
    const MapGrid filled = applied(grid, fillArea(grid, {{97, 98}, 10, 10}, 4));
    EXPECT_EQ(fillArea(grid, {{97, 98}, 10, 10}, 4).size(), 11u);  // 4 x 3 on the map, one holds 4
    EXPECT_EQ(rowsOf(filled, {{96, 97}, 5, 4}), "00000/04444/04444/04444/");
    EXPECT_TRUE(fillArea(grid, {{101, 1}, 5, 5}, 4).empty());

    const CellBlock block{3, 2, {1, 2, 3, 4, 5, 6}};
    EXPECT_EQ(rowsOf(applied(grid, pasteCells(grid, block, {99, 100})), {{98, 99}, 3, 2}), "040/012/");
    EXPECT_EQ(rowsOf(applied(grid, pasteCells(grid, block, {-1, 0})), {{1, 1}, 2, 2}), "60/00/");
    EXPECT_TRUE(pasteCells(grid, block, {101, 5}).empty());
    EXPECT_EQ(rowsOf(applied(grid, pasteCells(grid, block, {10, 10})), {{9, 9}, 5, 4}), "00000/01230/04560/00000/");
}

// Side to side only: the 1 at (3, 2) touches both regions of 1 at corners
// only and belongs to neither. The region touching the border is found to
// the border, and a selection cuts it.
TEST(RegionEdit, FloodFillsTheJoinedCellsOfOneTile)
{
    MapGrid grid;
    grid.cells().fill(1);
    setRows(grid, {1, 1}, {"1100", "1010", "2201", "0011"});
    FloodRegion region;
    region.find(grid, {1, 1}, kWholeMap);
    EXPECT_EQ(region.places().size(), 3u);
    EXPECT_EQ(rowsOf(applied(grid, fillRegion(region, 3)), {{1, 1}, 4, 4}), "3300/3010/2201/0011/");

    region.find(grid, {4, 3}, kWholeMap);  // joins the rest of the map
    EXPECT_EQ(region.places().size(), 10000u - 16u + 3u);
    EXPECT_TRUE(region.contains({100, 100}));
    EXPECT_FALSE(region.contains({3, 2}));
    EXPECT_FALSE(region.contains({2, 1}));
    EXPECT_TRUE(fillRegion(region, 1).empty());  // the tile it holds

    region.find(grid, {4, 3}, {{3, 3}, 10, 1});
    EXPECT_EQ(rowsOf(applied(grid, fillRegion(region, 5)), {{1, 3}, 14, 1}), "22055555555511/");
    region.find(grid, {4, 3}, {{5, 5}, 3, 3});  // the start outside the limit
    EXPECT_TRUE(region.empty());

    MapGrid blank;
    region.find(blank, {50, 50}, kWholeMap);
    const MapGrid all = applied(blank, fillRegion(region, 9));
    EXPECT_EQ(std::count(all.cells().begin(), all.cells().end(), 9), 10000);
}

// Every cell gets what the area held before the move, however the two
// places overlap; the cells left behind become 0, unless copied.
TEST(RegionEdit, MovesOverlappingTheirSource)
{
    MapGrid grid;
    setRows(grid, {1, 1}, {"1230", "4560", "0000"});
    const MapArea area{{1, 1}, 3, 2};
    EXPECT_EQ(rowsOf(applied(grid, moveCells(grid, area, {2, 1}, false)), {{1, 1}, 4, 3}), "0123/0456/0000/");
    EXPECT_EQ(rowsOf(applied(grid, moveCells(grid, area, {2, 2}, false)), {{1, 1}, 4, 3}), "0000/0123/0456/");
    EXPECT_EQ(rowsOf(applied(grid, moveCells(grid, area, {2, 2}, true)), {{1, 1}, 4, 3}), "1230/4123/0456/");
    setRows(grid, {1, 1}, {"0123", "0456"});
    EXPECT_EQ(rowsOf(applied(grid, moveCells(grid, {{2, 1}, 3, 2}, {1, 1}, false)), {{1, 1}, 4, 2}), "1230/4560/");
    EXPECT_TRUE(moveCells(grid, area, {1, 1}, false).empty());

    MapGrid edge;
    setRows(edge, {98, 100}, {"123"});
    const MapGrid moved = applied(edge, moveCells(edge, {{98, 100}, 3, 1}, {99, 99}, false));
    EXPECT_EQ(rowsOf(moved, {{98, 99}, 3, 2}), "012/000/");  // the cell pushed beyond the edge is gone
    EXPECT_EQ(std::count(moved.cells().begin(), moved.cells().end(), 0), 10000 - 2);  // nowhere else
}

TEST(RegionEdit, ReplacesOnlyInsideTheArea)
{
    MapGrid grid;
    grid.cells().fill(7);
    const MapArea selection{{99, 1}, 2, 100};
    EXPECT_EQ(countReplaced(grid, 7, 8, selection), 200);
    const MapGrid replaced = applied(grid, replaceTile(grid, 7, 8, selection));
    EXPECT_EQ(rowsOf(replaced, {{98, 1}, 3, 1}), "788/");
    EXPECT_EQ(rowsOf(replaced, {{98, 100}, 3, 1}), "788/");
    EXPECT_EQ(replaceTile(grid, 7, 8, kWholeMap).size(), 10000u);
    EXPECT_TRUE(replaceTile(grid, 7, 7, kWholeMap).empty());
    EXPECT_EQ(countReplaced(grid, 7, 7, kWholeMap), 0);
    EXPECT_EQ(countReplaced(grid, 3, 8, kWholeMap), 0);
    EXPECT_EQ(countReplaced(grid, 7, 8, {{10, 10}, 3, 4}), 12);
}

}  // namespace
}  // namespace terraloom
