// The whole-map window on the headless toolkit, over an editor state of its
// own and the sample tiles of the form tests.
#include "terraloom/form/form_fixture.h"
#include "terraloom/form/whole_map_window.h"

#include <chrono>
#include <thread>

namespace terraloom::testing {
namespace {

using headless::HeadlessCanvasWindow;
using headless::HeadlessCellCanvas;

class WholeMapWindowTest : public ::testing::Test {
protected:
    WholeMapWindowTest()
    {
        writeSampleData();
        state.tiles = *formats::loadTileCatalogue();
        for (int x = 1; x <= formats::kMapSize; ++x) {
            state.grid.set(x, 1, 1);  // grass
            state.grid.set(x, 2, 2);  // water
            state.grid.set(x, 3, 7);  // lava: no bitmap
            state.grid.set(x, 4, 9);  // no name
        }
        whole = std::make_unique<WholeMapWindow>(toolkit, state, bitmaps);
        whole->onCellsPainted = [this](const std::vector<MapCell>& cells) { painted += cells.size(); };
        whole->onTilePicked = [this](const MapCell& cell) { picked.push_back(cell); };
        whole->onViewMoveAsked = [this](const ViewPosition& view) { views.push_back(view); };
        canvas().resize(1000, 1000);  // fits at 10 pixels a cell
    }

    HeadlessCanvasWindow& window() { return *toolkit.canvasWindow("WholeMap"); }
    HeadlessCellCanvas& canvas() { return window().headlessCanvas(); }
    std::string shownAt(int x, int y) { return canvas().cellBitmapPath(x - 1, y - 1); }
    std::string status(int field) { return window().statusText(field); }

    TempDir dir;
    headless::HeadlessToolkit toolkit{"terraloom"};
    EditorState state;
    tervok::BitmapCache bitmaps{toolkit};
    std::unique_ptr<WholeMapWindow> whole;
    std::size_t painted = 0;
    std::vector<MapCell> picked;
    std::vector<ViewPosition> views;
};

// The view's rules: the bitmap of the tile's name, from the editor's cache;
// nothing for a missing bitmap or an unnamed tile.
TEST_F(WholeMapWindowTest, ShowsEveryCellAsTheViewWouldWithTheViewsFrame)
{
    EXPECT_EQ(window().caption(), "whole map - terraloom");
    EXPECT_EQ(canvas().name(), "whole map");
    EXPECT_EQ(canvas().backColour(), ui::kAppWorkspaceColour);
    EXPECT_EQ(canvas().cellPixels(), 20);
    EXPECT_EQ(shownAt(100, 1), "ep/grass.bmp");
    EXPECT_EQ(canvas().cell(0, 0), bitmaps.get("ep\\grass.bmp"));
    EXPECT_EQ(shownAt(37, 2), "ep/water.bmp");
    EXPECT_EQ(canvas().cell(5, 2), nullptr);
    EXPECT_EQ(canvas().cell(5, 3), nullptr);
    EXPECT_EQ(canvas().cell(99, 99), nullptr);  // tile 0 has no name here

    EXPECT_EQ(canvas().frame(), (ui::CellRect{0, 0, 10, 10}));
    state.view = {45, 91};
    whole->showViewFrame();
    EXPECT_EQ(canvas().frame(), (ui::CellRect{44, 90, 10, 10}));

    state.grid.clear();  // "new"
    whole->showGrid();
    EXPECT_EQ(canvas().cell(0, 0), nullptr);
    EXPECT_EQ(canvas().zoom(), 10);
    EXPECT_EQ(canvas().cellShownAt(995, 5), (std::pair{99, 0}));
}

TEST_F(WholeMapWindowTest, TheCanvasPaintsPicksAndMovesTheView)
{
    state.currentTile = 3;
    canvas().press(ui::kLeftButton, 0, 15, 35);
    canvas().move(ui::kLeftButton, 0, 95, 35);  // cells (2, 4) to (10, 4) in one event
    canvas().release(ui::kLeftButton, 0, 95, 35);
    EXPECT_EQ(shownAt(2, 4), "ep/wall.bmp");
    EXPECT_EQ(shownAt(10, 4), "ep/wall.bmp");
    EXPECT_EQ(shownAt(11, 4), "");
    EXPECT_EQ(painted, 9u);
    EXPECT_EQ(state.history.undoSteps(), 1u);

    canvas().press(ui::kRightButton, 0, 123, 7);
    EXPECT_EQ(state.currentTile, 1);
    EXPECT_EQ(state.scriptPosition, (ScriptPosition{247, 15}));
    EXPECT_EQ(picked, (std::vector<MapCell>{{13, 1}}));
    EXPECT_EQ(status(0), "cell (13, 1): tile 1 grass001");
    EXPECT_EQ(status(1), "pixel (247, 15)");
    EXPECT_EQ(status(2), "zoom 50 %");
    EXPECT_EQ(status(3), "current tile 1 grass001");

    canvas().press(ui::kLeftButton, ui::kCtrlKey, 495, 595);
    EXPECT_EQ(views, (std::vector<ViewPosition>{{45, 55}}));

    window().pressKeys(187, ui::kCtrlKey);  // Ctrl+=
    EXPECT_EQ(canvas().zoom(), 12);
    EXPECT_EQ(canvas().horizontalBar(), (ui::ScrollBarState{200, 1000, 12, 100}));
    EXPECT_EQ(status(2), "zoom 60 %");
    const auto under = canvas().cellShownAt(333, 444);
    canvas().turnWheel({0, 120, 0, 0, ui::kCtrlKey, 333, 444});
    EXPECT_EQ(canvas().zoom(), 15);
    EXPECT_EQ(canvas().cellShownAt(333, 444), under);
    canvas().scroll(0, 0);
    EXPECT_EQ(canvas().origin(), (std::pair{0, 0}));
    window().pressKeys('0', ui::kCtrlKey);
    EXPECT_EQ(canvas().zoom(), 10);
}

// The cache learns of the change at its next lookup; the canvas at the next
// activation of its window (or the editor's next view redraw).
TEST_F(WholeMapWindowTest, ABitmapChangedOnDiskShowsOnActivation)
{
    const ui::BitmapRef before = canvas().cell(0, 0);
    ASSERT_NE(before, nullptr);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    writeFile("ep/grass.bmp", bitmapFile(30, 10));
    std::filesystem::remove("ep/water.bmp");
    EXPECT_EQ(canvas().cell(0, 0), before);
    const long long drawn = canvas().cellsDrawn();
    window().activate();
    EXPECT_EQ(canvas().cell(99, 0)->width(), 30);
    EXPECT_EQ(canvas().cell(0, 1), nullptr);
    EXPECT_EQ(canvas().cellsDrawn(), drawn + 200);  // only the cells of the two tiles
    window().activate();
    EXPECT_EQ(canvas().cellsDrawn(), drawn + 200);
}

TEST_F(WholeMapWindowTest, MarkersFollowTheScriptRows)
{
    whole->showScript({"set player 3 1 130 250 2", "set rock 1 1 5 5 1", "def player 7 1 3000 -20 1"});
    EXPECT_EQ(canvas().markers(), (std::vector<ui::CanvasMarker>{{130, 250, "3"}, {1999, 0, "7"}}));
    whole->scriptRowSelected(2);
    EXPECT_EQ(canvas().highlightedMarker(), 1);
    whole->scriptRowAdded("set player 9 1 10 10 1");
    whole->scriptRowRemoved(0);
    whole->scriptRowSelected(1);
    EXPECT_EQ(canvas().markers().size(), 2u);
    EXPECT_EQ(canvas().highlightedMarker(), 0);
    whole->scriptRowChanged(1, "set player 9 1 10 10");  // no longer a row get can take apart
    EXPECT_EQ(canvas().highlightedMarker(), -1);
    EXPECT_EQ(canvas().markersInView(), (std::vector<int>{0}));

    window().pressKeys('P', ui::kCtrlKey);
    EXPECT_FALSE(canvas().markersShown());
    EXPECT_TRUE(canvas().markersInView().empty());

    window().close();
    EXPECT_FALSE(window().isShown());
    whole->show();
    EXPECT_TRUE(window().isShown());
}

}  // namespace
}  // namespace terraloom::testing
