// The tools through the whole-map controller, as the window hands it the
// canvas's events: a 1000 x 1000 canvas fits the map at 10 pixels a cell,
// cell (x, y) spanning pixels 10x - 10 to 10x - 1.
#include "terraloom/core/region_clipboard.h"
#include "terraloom/core/whole_map_controller.h"
#include "terraloom/core/whole_map_recorder.h"

#include <gtest/gtest.h>

#include <random>

namespace terraloom {
namespace {

constexpr int kEscape = 27, kDelete = 46;
constexpr int kCtrl = modifier::kCtrl, kCtrlShift = modifier::kCtrl | modifier::kShift, kAlt = modifier::kAlt;

class RegionToolsTest : public ::testing::Test {
protected:
    RegionToolsTest()
    {
        state.currentTile = 3;
        controller.resized(1000, 1000);
        listener.regionTools = &controller.tools();
    }

    static CanvasPoint inCell(int x, int y) { return {10 * x - 5, 10 * y - 5}; }
    void press(CanvasPoint at, int shift = 0) { controller.pressed({button::kLeft, shift, at}); }
    void move(CanvasPoint at, int shift = 0) { controller.moved({button::kLeft, shift, at}); }
    void hover(CanvasPoint at) { controller.moved({0, 0, at}); }
    void release(CanvasPoint at, int shift = 0) { controller.released({button::kLeft, shift, at}); }
    void drag(CanvasPoint from, CanvasPoint to, int shift = 0)
    {
        press(from, shift);
        move(to, shift);
        release(to, shift);
    }
    void click(CanvasPoint at) { drag(at, at); }
    void key(int code, int shift = 0) { EXPECT_TRUE(controller.keyPressed(code, shift, false)) << code; }
    RegionTools& tools() { return controller.tools(); }
    // As the editor undoes and redoes over the one history: the tools hear
    // of the cells changed.
    bool undo()
    {
        const bool undone = state.history.undo(state.grid) != nullptr;
        tools().gridChanged();
        return undone;
    }
    bool redo()
    {
        const bool redone = state.history.redo(state.grid) != nullptr;
        tools().gridChanged();
        return redone;
    }
    RegionPreview preview() { return tools().preview(); }
    // The window was told of the preview as it is now.
    bool shownAsIs() { return listener.shown == PreviewSeen::of(preview()); }
    std::size_t steps() const { return state.history.undoSteps(); }
    int count(std::uint8_t tile) const
    {
        return static_cast<int>(std::count(state.grid.cells().begin(), state.grid.cells().end(), tile));
    }

    EditorState state;
    WholeMapRecorder listener;
    WholeMapController controller{state, listener};
};

// A selection limits the pencil, the eraser and the rectangle fill.
TEST_F(RegionToolsTest, PaintToolsKeepInsideTheSelection)
{
    key('R');
    press(inCell(6, 5));
    move(inCell(3, 3));
    EXPECT_EQ(preview().selection, (MapArea{{3, 3}, 4, 3}));
    release(inCell(3, 3));
    EXPECT_EQ(tools().selection(), (MapArea{{3, 3}, 4, 3}));
    EXPECT_EQ(tools().statusText(), "Selected 4 x 3 cells from (3, 3)");

    key('B');
    drag(inCell(1, 4), inCell(10, 4));
    EXPECT_EQ(count(3), 4);
    EXPECT_EQ(listener.painted.size(), 4u);
    key('E');
    click(inCell(4, 4));
    EXPECT_EQ(state.grid.at(4, 4), 0);

    key('P');
    state.currentTile = 5;
    press(inCell(1, 1));
    move({2000, 2000});  // beyond the map: the rectangle reaches its edge
    EXPECT_EQ(preview().rectangle, (MapArea{{3, 3}, 4, 3}));  // what it fills
    EXPECT_TRUE(preview().fills);
    EXPECT_EQ(count(5), 0);
    release({2000, 2000});
    EXPECT_FALSE(tools().dragging());
    EXPECT_EQ(count(5), 12);
    EXPECT_EQ(steps(), 3u);
    press(inCell(7, 3));  // beside the selection, sharing no cell
    EXPECT_TRUE(shownAsIs());
    move(inCell(9, 5));
    EXPECT_EQ(preview().rectangle, (MapArea{{7, 3}, 3, 3}));
    EXPECT_FALSE(preview().fills);
    EXPECT_EQ(preview().selection, (MapArea{{3, 3}, 4, 3}));
    release(inCell(9, 5));
    EXPECT_EQ(tools().statusText(), "Nothing filled: the rectangle lies outside the selection");
    drag(inCell(3, 6), inCell(6, 8));  // below it
    EXPECT_EQ(tools().statusText(), "Nothing filled: the rectangle lies outside the selection");
    EXPECT_EQ(steps(), 3u);
    key('B');
    EXPECT_EQ(tools().statusText(), "Selected 4 x 3 cells from (3, 3)");  // the report is gone

    key('P');
    key('A', kCtrlShift);
    EXPECT_FALSE(tools().selection());
    press(inCell(99, 98));
    move({5000, 5000});
    EXPECT_EQ(preview().rectangle, (MapArea{{99, 98}, 2, 3}));
    release(inCell(100, 99));  // where the button is let go counts
    EXPECT_EQ(count(5), 16);
    drag(inCell(100, 99), inCell(99, 98));  // changes nothing: no step
    EXPECT_EQ(steps(), 4u);
    undo();
    EXPECT_EQ(count(5), 12);

    key('B');  // every tile number paints, 100 and 0 too; others nothing
    for (const int tile : {100, 0, 101, -1}) {
        state.currentTile = tile;
        click(inCell(20, 20));
    }
    EXPECT_EQ(state.grid.at(20, 20), 0);
    EXPECT_EQ(steps(), 5u);
}

// The region under the pointer is outlined before the click and found
// again only when the pointer leaves it or the cells change.
TEST_F(RegionToolsTest, FloodFillShowsItsRegionFirst)
{
    for (int y = 1; y <= 100; ++y)
        state.grid.set(50, y, 1);  // a wall from top to bottom
    hover(inCell(10, 10));
    key('F');  // the pointer rests: the region shows at once
    ASSERT_NE(preview().region, nullptr);
    EXPECT_EQ(preview().region->places().size(), 4900u);
    const int previews = listener.previews;
    hover(inCell(20, 90));
    EXPECT_EQ(listener.previews, previews);
    hover(inCell(50, 3));
    EXPECT_EQ(preview().region->places().size(), 100u);

    click(inCell(10, 10));
    EXPECT_EQ(count(3), 4900);
    EXPECT_EQ(preview().region->tile(), 1);  // the pointer stayed on the wall
    click(inCell(10, 10));  // the region holds the tile already
    EXPECT_EQ(steps(), 1u);

    key('A', kCtrl);
    key(kDelete);
    hover(inCell(1, 1));
    EXPECT_EQ(preview().region->places().size(), 10000u);
    state.currentTile = 9;
    click(inCell(1, 1));
    EXPECT_EQ(count(9), 10000);

    key(kEscape);  // else a drag inside the selection would move it
    key('R');
    drag(inCell(1, 1), inCell(2, 2));
    key('F');
    hover(inCell(5, 5));  // outside the selection: no region, a click fills nothing
    EXPECT_EQ(preview().region, nullptr);
    click(inCell(5, 5));
    EXPECT_EQ(steps(), 3u);
    key('A', kCtrlShift);
    ASSERT_NE(preview().region, nullptr);
    EXPECT_EQ(preview().region->places().size(), 10000u);
    key('R');
    drag(inCell(1, 1), inCell(2, 2));
    key('F');
    hover(inCell(1, 1));
    EXPECT_EQ(preview().region->places().size(), 4u);
    key('A', kCtrl);  // the region grows with the selection at once
    EXPECT_EQ(preview().region->places().size(), 10000u);
    EXPECT_TRUE(shownAsIs());
}

TEST_F(RegionToolsTest, CopyCutDeleteAndPasteGoThroughTheClipboard)
{
    key('C', kCtrl);
    EXPECT_EQ(tools().statusText(), "Nothing selected to copy");
    press({2000, 2000});  // beyond the map: the report goes, nothing is painted
    release({2000, 2000});
    EXPECT_EQ(tools().statusText(), "");
    state.grid.set(1, 1, 7);
    state.grid.set(2, 2, 8);
    key('R');
    drag(inCell(1, 1), inCell(2, 2));
    key('X', kCtrl);
    EXPECT_EQ(listener.clipboard, "tervok-cells 2 2\n7,0\n0,8\n");
    EXPECT_EQ(count(0), 10000);
    EXPECT_EQ(steps(), 1u);
    key(kDelete);  // nothing left to delete: no step
    EXPECT_EQ(steps(), 1u);

    listener.clipboard.clear();  // the program that copied has ended
    key('V', kCtrl);
    EXPECT_EQ(tools().statusText(), "Nothing pasted: the clipboard is empty");
    listener.clipboard = "tervok-cells 2 2\n7,0\n0\n";
    key('V', kCtrl);
    EXPECT_FALSE(tools().pasting());
    EXPECT_EQ(tools().statusText(),
              "Nothing pasted: the clipboard holds no cells (line 3: 1 numbers where the width is 2)");

    listener.clipboard = "tervok-cells 3 1\r\n 4, 5 ,6";
    hover(inCell(40, 50));
    key('V', kCtrl);
    EXPECT_TRUE(shownAsIs());
    EXPECT_EQ(tools().statusText(), "Pasting 3 x 1 cells: a click places them, Escape stops");
    hover(inCell(40, 50));
    ASSERT_NE(preview().stamp, nullptr);
    EXPECT_EQ(preview().stampAt, (MapCell{40, 50}));
    click(inCell(40, 50));  // outside the selection: a paste ignores it
    click(inCell(99, 100));  // one cell falls beyond the map
    EXPECT_EQ(state.grid.at(42, 50), 6);
    EXPECT_EQ(state.grid.at(100, 100), 5);
    EXPECT_EQ(steps(), 3u);
    EXPECT_TRUE(tools().pasting());
    key('1', kCtrl);  // zoomed in around the centre: the stamp goes to the cell now under the pointer
    const std::optional<MapCell> under = controller.viewport().cellAt(inCell(99, 100));
    ASSERT_TRUE(under);
    EXPECT_NE(*under, (MapCell{99, 100}));
    EXPECT_EQ(preview().stampAt, *under);
    key(kEscape);
    EXPECT_FALSE(tools().pasting());
    EXPECT_TRUE(tools().selection());
    key(kEscape);
    EXPECT_FALSE(tools().selection());

    undo();
    undo();
    EXPECT_EQ(count(0), 10000);
}

// The selection goes with its cells; the cells left become 0, unless Alt
// is held at the release; a move stops at the map's edge.
TEST_F(RegionToolsTest, DraggingInsideTheSelectionMovesOrCopiesIt)
{
    state.grid.set(10, 10, 1);
    state.grid.set(11, 10, 2);
    key('R');
    drag(inCell(10, 10), inCell(11, 10));
    press(inCell(10, 10));
    move(inCell(11, 11));
    ASSERT_NE(preview().stamp, nullptr);
    EXPECT_EQ(preview().stamp->tiles, (std::vector<std::uint8_t>{1, 2}));
    EXPECT_EQ(preview().stampAt, (MapCell{11, 11}));
    EXPECT_EQ(preview().selection, (MapArea{{11, 11}, 2, 1}));
    EXPECT_EQ(tools().statusText(), "Selected 2 x 1 cells from (11, 11)");  // where it is going
    release(inCell(11, 11));
    EXPECT_EQ(state.grid.at(10, 10), 0);
    EXPECT_EQ(state.grid.at(11, 10), 0);
    EXPECT_EQ(state.grid.at(11, 11), 1);
    EXPECT_EQ(state.grid.at(12, 11), 2);
    EXPECT_EQ(tools().selection(), (MapArea{{11, 11}, 2, 1}));
    click(inCell(12, 11));  // a click inside moves nothing
    EXPECT_EQ(steps(), 1u);

    press(inCell(12, 11));
    move(inCell(13, 11), kAlt);
    release(inCell(13, 11), kAlt);  // onto itself, shifted by one: copied
    EXPECT_EQ(state.grid.at(11, 11), 1);
    EXPECT_EQ(state.grid.at(12, 11), 1);
    EXPECT_EQ(state.grid.at(13, 11), 2);
    EXPECT_EQ(steps(), 2u);

    drag(inCell(12, 11), {5000, -100});
    EXPECT_EQ(tools().selection(), (MapArea{{99, 1}, 2, 1}));
    EXPECT_EQ(state.grid.at(99, 1), 1);
    EXPECT_EQ(state.grid.at(100, 1), 2);
    EXPECT_EQ(count(0), 10000 - 3);
    drag(inCell(99, 1), inCell(99, 2));  // one row down
    EXPECT_EQ(state.grid.at(100, 2), 2);
    drag(inCell(50, 50), inCell(51, 50));  // another selection: nothing moves
    EXPECT_EQ(steps(), 4u);

    drag(inCell(99, 99), {5000, 5000});  // a selection stops at the map's edge
    EXPECT_EQ(tools().selection(), (MapArea{{99, 99}, 2, 2}));

    drag(inCell(99, 2), inCell(100, 2));
    press(inCell(99, 2));
    move(inCell(98, 3));
    undo();  // takes the cells back from under the selection while it moves
    ASSERT_NE(preview().stamp, nullptr);
    EXPECT_EQ(preview().stamp->tiles, (std::vector<std::uint8_t>{0, 0}));
    EXPECT_TRUE(shownAsIs());
}

// The tool keys, the tools shown and left out, Escape's order, the pick
// tool and the right click, the replace dialog's answer.
TEST_F(RegionToolsTest, KeysChooseToolsAndEscapeEndsTheLatestThing)
{
    EXPECT_EQ(tools().tool(), Tool::Pencil);
    const std::pair<int, Tool> keys[] = {{'E', Tool::Eraser}, {'P', Tool::Rectangle}, {'F', Tool::Flood},
                                         {'R', Tool::Select}, {'I', Tool::Pick},      {'B', Tool::Pencil}};
    for (const auto& [code, tool] : keys) {
        key(code);
        EXPECT_EQ(tools().tool(), tool);
    }
    EXPECT_EQ(listener.tools, 6);
    EXPECT_FALSE(controller.keyPressed('B', modifier::kShift, false));

    state.grid.set(5, 5, 8);
    key('I');
    click(inCell(5, 5));
    EXPECT_EQ(state.currentTile, 8);
    EXPECT_EQ(listener.picked.size(), 1u);
    key('F');
    controller.pressed({button::kRight, 0, inCell(6, 5)});
    EXPECT_EQ(state.currentTile, 0);

    key('A', kCtrl);
    listener.clipboard = "tervok-cells 1 1\n4";
    key('V', kCtrl);
    key('P');
    press(inCell(1, 1));  // a drag under way
    key(kEscape);
    EXPECT_FALSE(tools().dragging());
    EXPECT_TRUE(shownAsIs());
    EXPECT_TRUE(tools().selection());
    key(kEscape);
    EXPECT_FALSE(tools().selection());
    release(inCell(1, 1));
    EXPECT_EQ(steps(), 0u);
    state.currentTile = 4;
    press(inCell(1, 1));
    key('F');  // another tool ends the drag: nothing filled at the release
    release(inCell(3, 3));
    key('P');
    press(inCell(1, 1));
    controller.moved({0, 0, inCell(3, 3)});  // the button went up elsewhere
    EXPECT_FALSE(tools().dragging());
    EXPECT_FALSE(preview().rectangle);
    EXPECT_EQ(steps(), 0u);
    key('A', kCtrl);
    EXPECT_FALSE(controller.keyPressed('A', 0, false));
    EXPECT_TRUE(tools().selection());
    key(kEscape);
    key('B');
    press(inCell(1, 5));
    key(kEscape);  // ends the stroke: the next drag is a step of its own
    release(inCell(1, 5));
    drag(inCell(3, 5), inCell(4, 5));
    EXPECT_EQ(steps(), 2u);

    key('H', kCtrl);
    EXPECT_EQ(listener.replaceAsks, 1);
    tools().replace(8, 2, kWholeMap);
    EXPECT_EQ(state.grid.at(5, 5), 2);
    EXPECT_EQ(listener.changed, 1u);
}

// Tools, pastes, moves, replaces, undos and redos at random on a map of a
// few tiles, each action at most one step: an action that makes no step
// leaves the map alone, an undo or redo gives the map as it was at that
// step, and the window was told of every change of the preview; undone one
// by one the steps give back the first map byte for byte, redone the last.
TEST_F(RegionToolsTest, TenThousandRandomActionsUndoAndRedoExactly)
{
    state.history = PaintHistory({20000, std::size_t{1} << 40});
    std::mt19937 random(22);
    const auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (std::uint8_t& cell : state.grid.cells())
        cell = static_cast<std::uint8_t>(below(3));
    const formats::MapGrid first = state.grid;
    std::vector<formats::MapGrid> timeline{first};  // the map after each step, those redo brings back too
    const auto somewhere = [&] { return inCell(below(100) + 1, below(100) + 1); };
    const int toolKeys[] = {'B', 'E', 'P', 'F', 'R'};
    for (int action = 0; action < 10000; ++action) {
        const std::size_t before = steps();
        bool redone = false;
        switch (below(13)) {
        case 0: key(toolKeys[below(5)]); break;
        case 1: state.currentTile = below(4); break;
        case 2: drag(somewhere(), somewhere(), below(4) == 0 ? kAlt : 0); break;
        case 3: click(somewhere()); break;
        case 11: hover(somewhere()); break;
        case 4: key('C', kCtrl); break;
        case 5: below(2) == 0 ? key('X', kCtrl) : key(kDelete); break;
        case 6:
            key('V', kCtrl);
            click(somewhere());
            key(kEscape);
            break;
        case 7:
            tools().replace(static_cast<std::uint8_t>(below(4)), static_cast<std::uint8_t>(below(4)),
                            tools().selection().value_or(kWholeMap));
            break;
        case 8: below(3) == 0 ? key('A', kCtrlShift) : key('A', kCtrl); break;
        case 9:
        case 10: undo(); break;
        default:
            redo();
            redone = true;
            break;
        }
        const std::size_t now = steps();
        ASSERT_LE(now, before + 1);
        if (now == before + 1 && !redone) {
            timeline.resize(now);
            timeline.push_back(state.grid);
        }
        ASSERT_EQ(timeline.size(), now + state.history.redoSteps() + 1);
        ASSERT_EQ(state.grid, timeline[now]) << "action " << action;
        ASSERT_TRUE(shownAsIs()) << "the window was not told, action " << action;
    }
    while (redo()) {
    }
    ASSERT_GT(steps(), 500u);
    const formats::MapGrid last = state.grid;
    ASSERT_EQ(timeline.back(), last);
    while (undo())
        ASSERT_EQ(state.grid, timeline[steps()]);
    EXPECT_EQ(state.grid, first);
    while (redo()) {
    }
    EXPECT_EQ(state.grid, last);
}

}  // namespace
}  // namespace terraloom
