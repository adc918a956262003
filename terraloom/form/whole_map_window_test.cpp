// The whole-map window on the headless toolkit, over an editor state of its
// own and the sample tiles of the form tests.
#include "terraloom/form/form_fixture.h"
#include "terraloom/core/region_clipboard.h"
#include "terraloom/form/whole_map_window.h"

#include <algorithm>

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
        whole->onCellsPainted = [this](const std::vector<MapCell>& cells) {
            painted += cells.size();
            changed.push_back(cells.size());
        };
        whole->onTilePicked = [this](const MapCell& cell) { picked.push_back(cell); };
        whole->onViewMoveAsked = [this](const ViewPosition& view) { views.push_back(view); };
        whole->onUndoAsked = [this] { asked.push_back("undo"); };
        whole->onRedoAsked = [this] { asked.push_back("redo"); };
        canvas().resize(1000, 1000);  // fits at 10 pixels a cell
    }

    HeadlessCanvasWindow& window() { return *toolkit.canvasWindow("WholeMap"); }
    static int at(int cell) { return 10 * cell - 5; }  // the pixel at a cell's middle
    void drag(int x1, int y1, int x2, int y2, int shift = 0)
    {
        canvas().press(ui::kLeftButton, shift, at(x1), at(y1));
        canvas().move(ui::kLeftButton, shift, at(x2), at(y2));
        canvas().release(ui::kLeftButton, shift, at(x2), at(y2));
    }
    void click(int x, int y) { drag(x, y, x, y); }
    void hover(int x, int y) { canvas().move(0, 0, at(x), at(y)); }
    // The editor's undo, as Ctrl+Z in either window runs it: the window
    // hears of each cell, then the event is over.
    void undoInEditor()
    {
        if (const PaintStep* step = state.history.undo(state.grid))
            for (const CellChange& change : *step)
                whole->showCell(change.cell());
        toolkit.runPending();
    }
    std::vector<int> checkedTools()
    {
        std::vector<int> checked;
        for (std::size_t i = 0; i < window().toolButtons().size(); ++i)
            if (window().toolButtons()[i].checked)
                checked.push_back(static_cast<int>(i));
        return checked;
    }
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
    std::vector<std::size_t> changed;
    std::vector<std::string> asked;
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

TEST_F(WholeMapWindowTest, TheToolBarShowsTheToolsWithTheirKeys)
{
    const auto& buttons = window().toolButtons();
    ASSERT_EQ(buttons.size(), 12u);
    EXPECT_EQ(window().toolSeparators(), 1);
    const char* keys[] = {"(B)", "(E)", "(P)", "(F)", "(R)", "(I)", "(Ctrl+C)", "(Ctrl+X)", "(Ctrl+V)", "(Ctrl+H)",
                          "(Ctrl+Z)", "(Ctrl+Y"};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        EXPECT_NE(buttons[i].toolTip.find(keys[i]), std::string::npos) << buttons[i].toolTip;
        EXPECT_EQ(buttons[i].checkable, i < 6) << i;
    }
    EXPECT_EQ(buttons[3].caption, "Fill");
    EXPECT_EQ(checkedTools(), (std::vector<int>{0}));
    window().pressKeys('F');
    EXPECT_EQ(checkedTools(), (std::vector<int>{3}));
    window().clickToolButton(4);
    window().clickToolButton(4);
    EXPECT_EQ(checkedTools(), (std::vector<int>{4}));
    window().clickToolButton(10);
    window().clickToolButton(11);
    EXPECT_EQ(asked, (std::vector<std::string>{"undo", "redo"}));
}

// Each tool with its key and a drag or click on the canvas, with the
// previews it shows on the way; each change is one step, shown at once.
TEST_F(WholeMapWindowTest, EachToolWorksInTheCanvasWithItsPreview)
{
    state.currentTile = 3;
    window().pressKeys('P');
    canvas().press(ui::kLeftButton, 0, at(5), at(10));
    canvas().move(ui::kLeftButton, 0, at(7), at(12));
    EXPECT_EQ(canvas().preview().rectangle, (ui::CellRect{4, 9, 3, 3}));
    EXPECT_TRUE(canvas().preview().tintRectangle);
    canvas().release(ui::kLeftButton, 0, at(7), at(12));
    EXPECT_EQ(shownAt(6, 11), "ep/wall.bmp");
    EXPECT_FALSE(canvas().preview().rectangle);

    window().pressKeys('F');
    hover(50, 50);
    const std::vector<std::uint8_t>& region = canvas().preview().region;
    ASSERT_EQ(region.size(), 10000u);
    EXPECT_EQ(std::count(region.begin(), region.end(), 1), 9600 - 9);
    click(50, 50);
    EXPECT_EQ(shownAt(1, 100), "ep/wall.bmp");
    EXPECT_EQ(changed, (std::vector<std::size_t>{9, 9591}));

    window().pressKeys('R');
    drag(1, 1, 3, 2);
    EXPECT_EQ(canvas().preview().selection, (ui::CellRect{0, 0, 3, 2}));
    window().pressKeys('E');
    drag(2, 1, 5, 1);  // the eraser stays inside the selection
    EXPECT_EQ(shownAt(1, 1), "ep/grass.bmp");
    EXPECT_EQ(shownAt(3, 1), "");
    EXPECT_EQ(shownAt(4, 1), "ep/grass.bmp");
    window().pressKeys('B');
    click(2, 2);
    EXPECT_EQ(shownAt(2, 2), "ep/wall.bmp");

    window().pressKeys('R');
    canvas().press(ui::kLeftButton, 0, at(1), at(1));
    canvas().move(ui::kLeftButton, 0, at(1), at(5));
    EXPECT_EQ(canvas().preview().selection, (ui::CellRect{0, 4, 3, 2}));
    EXPECT_EQ(canvas().preview().stampAt, (ui::CellRect{0, 4, 3, 2}));
    EXPECT_EQ(canvas().preview().stamp.front(), bitmaps.get("ep\\grass.bmp"));
    canvas().release(ui::kLeftButton, ui::kAltKey, at(1), at(5));  // Alt: a copy
    EXPECT_EQ(shownAt(1, 5), "ep/grass.bmp");
    EXPECT_EQ(shownAt(2, 6), "ep/wall.bmp");
    EXPECT_EQ(shownAt(1, 1), "ep/grass.bmp");
    drag(1, 5, 4, 5);  // a move: the cells left become 0
    EXPECT_EQ(shownAt(1, 5), "");
    EXPECT_EQ(shownAt(5, 6), "ep/wall.bmp");
    EXPECT_EQ(state.history.undoSteps(), 6u);

    window().pressKeys('I');
    click(1, 3);
    EXPECT_EQ(state.currentTile, 7);
    EXPECT_EQ(status(3), "current tile 7 lava001");
    window().pressKeys('F');
    hover(5, 5);  // in the moved selection: the two cells of tile 0 there
    EXPECT_EQ(std::count(region.begin(), region.end(), 1), 2);
    undoInEditor();
    EXPECT_EQ(shownAt(1, 5), "ep/grass.bmp");
    EXPECT_EQ(std::count(region.begin(), region.end(), 1), 6);  // found again: the wall the move covered
}

// Copied cells go onto the clipboard as text, and under the program's own
// type beside it; another terraloom pastes them from there, and any text
// in the format from anywhere; anything else is refused in the status bar.
TEST_F(WholeMapWindowTest, CellsTravelThroughTheClipboardToAnotherEditor)
{
    window().pressKeys('R');
    drag(1, 1, 3, 2);
    window().pressKeys('C', ui::kCtrlKey);
    EXPECT_EQ(toolkit.clipboardText(), "tervok-cells 3 2\n1,1,1\n2,2,2\n");
    EXPECT_EQ(toolkit.clipboardData(kCellsMimeType), toolkit.clipboardText());
    EXPECT_EQ(status(4), "Copied 3 x 2 cells");

    headless::HeadlessToolkit otherToolkit{"terraloom"};
    EditorState other;
    other.tiles = state.tiles;
    tervok::BitmapCache otherBitmaps{otherToolkit};
    WholeMapWindow otherWindow(otherToolkit, other, otherBitmaps);
    HeadlessCanvasWindow& second = *otherToolkit.canvasWindow("WholeMap");
    HeadlessCellCanvas& secondCanvas = second.headlessCanvas();
    secondCanvas.resize(1000, 1000);
    otherToolkit.putTextOnClipboard(toolkit.clipboardText());  // the system's clipboard between the two
    second.pressKeys('V', ui::kCtrlKey);
    secondCanvas.move(0, 0, at(99), at(50));
    EXPECT_EQ(secondCanvas.preview().stampAt, (ui::CellRect{98, 49, 3, 2}));
    EXPECT_EQ(secondCanvas.preview().stamp.size(), 6u);
    EXPECT_EQ(secondCanvas.preview().rectangle, (ui::CellRect{98, 49, 3, 2}));  // outlined, not tinted
    EXPECT_FALSE(secondCanvas.preview().tintRectangle);
    secondCanvas.press(ui::kLeftButton, 0, at(99), at(50));  // partly beyond the map
    secondCanvas.release(ui::kLeftButton, 0, at(99), at(50));
    EXPECT_EQ(secondCanvas.cellBitmapPath(99, 50), "ep/water.bmp");
    EXPECT_EQ(other.grid.at(100, 51), 2);
    EXPECT_EQ(other.history.undoSteps(), 1u);
    second.pressKeys(27);
    EXPECT_TRUE(secondCanvas.preview().stamp.empty());

    otherToolkit.setClipboard("tervok-cells 1 1\n5", kCellsMimeType, "tervok-cells 1 1\n3");
    second.pressKeys('V', ui::kCtrlKey);
    secondCanvas.press(ui::kLeftButton, 0, at(1), at(1));
    EXPECT_EQ(other.grid.at(1, 1), 3);
    second.pressKeys(27);
    otherToolkit.putTextOnClipboard("1,2,3");
    second.pressKeys('V', ui::kCtrlKey);
    EXPECT_EQ(second.statusText(4), "Nothing pasted: the clipboard holds no cells (line 1: not \"tervok-cells WIDTH "
                                    "HEIGHT\")");
    EXPECT_TRUE(secondCanvas.preview().stamp.empty());
}

// The tile to find starts as the tile under the pointer, the tile to put as
// the current tile; the count follows every change before "Replace".
TEST_F(WholeMapWindowTest, ReplaceTileCountsBeforeItReplaces)
{
    state.currentTile = 3;
    window().pressKeys('R');
    drag(1, 1, 10, 4);
    hover(5, 2);
    std::vector<std::string> seen;
    toolkit.answerChoiceDialog([&](headless::HeadlessChoiceDialog& dialog) {
        seen.push_back(dialog.dialog().title + ": " + dialog.input().texts[0] + " -> " + dialog.input().texts[1]);
        seen.push_back(dialog.feedback().text);
        dialog.type(0, "GRASS001");
        seen.push_back(dialog.feedback().text);
        dialog.check(0, false);
        seen.push_back(dialog.feedback().text);
        dialog.type(1, "wall");
        seen.push_back(dialog.feedback().text);
        dialog.type(1, "7");
        return true;
    });
    window().pressKeys('H', ui::kCtrlKey);
    EXPECT_EQ(seen, (std::vector<std::string>{"Replace tile: 2 water001 -> 3 wall001",
                                              "10 cells in the selection will change",
                                              "10 cells in the selection will change", "100 cells will change",
                                              "Put: a tile number from 0 to 100, or a tile's name"}));
    const headless::HeadlessChoiceDialog& shown = toolkit.choiceDialogs().back();
    EXPECT_EQ(shown.dialog().fields[0].choices.size(), 101u);
    EXPECT_EQ(shown.dialog().fields[0].choices[7], "7 lava001");
    EXPECT_EQ(shown.dialog().checks[0].caption, "Only in the selection");
    EXPECT_EQ(shownAt(100, 1), "");
    EXPECT_EQ(state.grid.at(100, 1), 7);
    EXPECT_EQ(changed, (std::vector<std::size_t>{100}));

    toolkit.answerChoiceDialog([](headless::HeadlessChoiceDialog& dialog) {
        dialog.type(0, "200");  // the Replace button does nothing then
        return true;
    });
    window().pressKeys('H', ui::kCtrlKey);
    toolkit.answerChoiceDialog([](headless::HeadlessChoiceDialog&) { return false; });
    window().pressKeys('H', ui::kCtrlKey);
    EXPECT_EQ(state.history.undoSteps(), 1u);
}

}  // namespace
}  // namespace terraloom::testing
