#include "terraloom/core/whole_map_line.h"
#include "terraloom/core/whole_map_viewport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <set>
#include <utility>

namespace terraloom {
namespace {

TEST(WholeMapZoom, StepsThroughTheLevelsAndFitsTheLargestThatFits)
{
    int zoom = 1;
    for (std::size_t i = 1; i < kZoomLevels.size(); ++i)
        EXPECT_EQ(zoom = nextZoomIn(zoom), kZoomLevels[i]);
    EXPECT_EQ(nextZoomIn(160), 160);
    EXPECT_EQ(nextZoomOut(160), 120);
    EXPECT_EQ(nextZoomOut(1), 1);
    EXPECT_EQ(nextZoomIn(7), 8);  // between two levels
    EXPECT_EQ(nextZoomOut(7), 6);

    EXPECT_EQ(fittingZoom(1000, 1000), 10);
    EXPECT_EQ(fittingZoom(1900, 999), 8);  // the shorter side decides
    EXPECT_EQ(fittingZoom(2999, 5000), 25);
    EXPECT_EQ(fittingZoom(16000, 16000), 160);
    EXPECT_EQ(fittingZoom(99, 500), 1);  // nothing fits: the smallest
}

TEST(WholeMapViewport, CentresAMapSmallerThanTheCanvasAndClampsScrolling)
{
    WholeMapViewport view;
    view.resize(1001, 600);
    view.fit();
    EXPECT_EQ(view.zoom(), 6);
    EXPECT_EQ(view.origin(), (CanvasPoint{200, 0}));  // 1001 - 600: the odd pixel to the right
    view.scrollTo(50, 50);
    EXPECT_EQ(view.origin(), (CanvasPoint{200, 0}));
    EXPECT_EQ(view.horizontal(), (ScrollRange{0, 1001, 0}));

    view.zoomAround(20, {0, 0});  // 2000 x 2000 on 1001 x 600
    EXPECT_EQ(view.horizontal().maximum, 999);
    EXPECT_EQ(view.vertical(), (ScrollRange{1400, 600, 1}));  // the anchor's point: 1.67 pixels down
    view.scrollTo(-5, 99999);
    EXPECT_EQ(view.origin(), (CanvasPoint{0, -1400}));
    view.moveMapBy(-300, 200);  // a drag to the left and down
    EXPECT_EQ(view.origin(), (CanvasPoint{-300, -1200}));
    view.resize(1900, 1900);  // a larger canvas pulls the map back in
    EXPECT_EQ(view.origin(), (CanvasPoint{-100, -100}));
    view.resize(2500, 1900);
    EXPECT_EQ(view.origin(), (CanvasPoint{250, -100}));
}

// Walks all levels up and down around a pointer in the middle of a canvas
// smaller than the map: the map point under the pointer stays within half a
// device pixel of it at every step.
TEST(WholeMapViewport, ZoomingKeepsThePointUnderThePointer)
{
    for (const CanvasPoint anchor : {CanvasPoint{200, 150}, CanvasPoint{137, 201}, CanvasPoint{251, 99}}) {
        WholeMapViewport view;
        view.resize(400, 300);
        view.zoomAround(8, {0, 0});
        view.scrollTo(237, 291);
        std::vector<int> walk(kZoomLevels.begin() + 7, kZoomLevels.end());
        walk.insert(walk.end(), kZoomLevels.rbegin() + 1, kZoomLevels.rend() - 6);
        for (const int zoom : walk) {
            const MapPoint before = view.mapPointAt(anchor);
            view.zoomAround(zoom, anchor);
            const MapPoint after = view.mapPointAt(anchor);
            EXPECT_LE(std::abs(after.x - before.x) * zoom, 0.5 + 1e-9) << zoom;
            EXPECT_LE(std::abs(after.y - before.y) * zoom, 0.5 + 1e-9) << zoom;
        }
        EXPECT_EQ(view.zoom(), 8);
    }

    WholeMapViewport corner;  // at the top-left corner the map cannot move right
    corner.resize(400, 300);
    corner.zoomAround(40, {0, 0});
    corner.zoomAround(20, {390, 290});
    EXPECT_EQ(corner.origin(), (CanvasPoint{0, 0}));
}

// At 100 % a device pixel is a map pixel, as in the editor's view: a right
// click 10 pixels right and 5 down in cell (2, 2) is the point (30, 25).
TEST(WholeMapViewport, NamesTheCellAndTheMapPixelUnderAPointer)
{
    WholeMapViewport view;
    view.resize(500, 500);
    view.zoomAround(20, {0, 0});
    EXPECT_EQ(view.cellAt({30, 25}), (MapCell{2, 2}));
    EXPECT_EQ(view.mapPixelAt({30, 25}), (ScriptPosition{30, 25}));
    EXPECT_EQ(view.mapPixelAt({19, 0}), (ScriptPosition{19, 0}));
    EXPECT_EQ(view.cellAt({20, 0}), (MapCell{2, 1}));

    view.zoomAround(160, {0, 0});  // 8 device pixels a map pixel
    view.scrollTo(0, 0);
    EXPECT_EQ(view.mapPixelAt({7, 8}), (ScriptPosition{0, 1}));
    view.scrollTo(99999, 99999);
    EXPECT_EQ(view.cellAt({499, 499}), (MapCell{100, 100}));
    EXPECT_EQ(view.mapPixelAt({499, 499}), (ScriptPosition{1999, 1999}));

    view.zoomAround(1, {0, 0});  // centred at 200: one device pixel a cell, its centre decides
    EXPECT_EQ(view.cellAt({200, 299}), (MapCell{1, 100}));
    EXPECT_EQ(view.mapPixelAt({200, 299}), (ScriptPosition{10, 1990}));
    EXPECT_EQ(view.cellAt({199, 250}), std::nullopt);
    EXPECT_EQ(view.cellAt({250, 300}), std::nullopt);
    EXPECT_EQ(view.mapPixelAt({300, 250}), std::nullopt);
}

TEST(WholeMapViewport, FramesTheViewAndCentresTheViewOnACell)
{
    EXPECT_EQ(viewFrame({45, 91}), (MapArea{{45, 91}, 10, 10}));
    EXPECT_EQ(viewAroundCell({50, 60}), (ViewPosition{45, 55}));  // as the overview click on that cell
    EXPECT_EQ(viewAroundCell({3, 100}), (ViewPosition{1, 91}));
}

bool sideBySide(const MapCell& a, const MapCell& b)
{
    return std::abs(a.x - b.x) + std::abs(a.y - b.y) == 1;
}

TEST(WholeMapDragLine, PaintsEveryCellCrossedWithoutGaps)
{
    EXPECT_EQ(cellsAlongDrag({0.5, 0.5}, {4.2, 0.9}),
              (std::vector<MapCell>{{2, 1}, {3, 1}, {4, 1}, {5, 1}}));
    EXPECT_TRUE(cellsAlongDrag({3.1, 3.1}, {3.9, 3.2}).empty());  // still in the first cell
    // Through the corners of a diagonal: a side-by-side chain all the same.
    const std::vector<MapCell> diagonal = cellsAlongDrag({0.5, 0.5}, {3.5, 3.5});
    ASSERT_EQ(diagonal.size(), 6u);
    EXPECT_EQ(diagonal.back(), (MapCell{4, 4}));

    // Random lines: no cell the line passes is missed (checked by sampling
    // it finely), and no cell is painted that a shortest chain would not need.
    std::mt19937 random(7);
    std::uniform_real_distribution<double> coordinate(0, 100);
    for (int turn = 0; turn < 300; ++turn) {
        const MapPoint a{coordinate(random), coordinate(random)};
        const MapPoint b{coordinate(random), coordinate(random)};
        const std::vector<MapCell> cells = cellsAlongDrag(a, b);
        const MapCell first{static_cast<int>(a.x) + 1, static_cast<int>(a.y) + 1};
        const MapCell last{static_cast<int>(b.x) + 1, static_cast<int>(b.y) + 1};
        ASSERT_EQ(static_cast<int>(cells.size()), std::abs(last.x - first.x) + std::abs(last.y - first.y));
        std::set<std::pair<int, int>> painted{{first.x, first.y}};
        MapCell previous = first;
        for (const MapCell& cell : cells) {
            ASSERT_TRUE(sideBySide(previous, cell));
            painted.insert({cell.x, cell.y});
            previous = cell;
        }
        for (int i = 0; i <= 4000; ++i) {
            const double t = i / 4000.0;
            const int x = static_cast<int>(a.x + t * (b.x - a.x)) + 1;
            const int y = static_cast<int>(a.y + t * (b.y - a.y)) + 1;
            ASSERT_TRUE(painted.count({x, y})) << x << ", " << y;
        }
    }
}

TEST(WholeMapDragLine, LeavesOutWhatLiesBeyondTheMap)
{
    const std::vector<MapCell> out = cellsAlongDrag({98.5, 50.5}, {1e9, 50.5});
    EXPECT_EQ(out, (std::vector<MapCell>{{100, 51}}));
    const std::vector<MapCell> in = cellsAlongDrag({-3e8, -3e8}, {1.5, 1.5});
    EXPECT_EQ(in, (std::vector<MapCell>{{1, 1}, {2, 1}, {2, 2}}));
    EXPECT_TRUE(cellsAlongDrag({-5, -5}, {-5, 500}).empty());
    EXPECT_TRUE(cellsAlongDrag({-50, 30}, {30, -50}).empty());  // passes the corner outside
}

}  // namespace
}  // namespace terraloom
