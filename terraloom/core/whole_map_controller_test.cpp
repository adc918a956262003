#include "terraloom/core/whole_map_controller.h"

#include "terraloom/core/whole_map_recorder.h"

#include <gtest/gtest.h>

namespace terraloom {
namespace {

// A 1000 x 1000 canvas: the map fits at 10 pixels a cell, cell (x, y)
// spanning pixels 10x - 10 to 10x - 1.
class WholeMapControllerTest : public ::testing::Test {
protected:
    WholeMapControllerTest()
    {
        state.tiles.names[3] = "wall001";
        state.currentTile = 3;
        controller.resized(1000, 1000);
    }

    static CanvasPoint inCell(int x, int y) { return {10 * x - 5, 10 * y - 5}; }
    void press(int button, CanvasPoint at, int shift = 0) { controller.pressed({button, shift, at}); }
    void move(int buttons, CanvasPoint at, int shift = 0) { controller.moved({buttons, shift, at}); }
    void release(int button, CanvasPoint at) { controller.released({button, 0, at}); }
    void drag(int button, CanvasPoint from, CanvasPoint to)
    {
        press(button, from);
        move(button, to);
        release(button, to);
    }
    void key(int code, int shift = 0) { EXPECT_TRUE(controller.keyPressed(code, shift, false)) << code; }
    CanvasPoint origin() const { return controller.viewport().origin(); }

    EditorState state;
    WholeMapRecorder listener;
    WholeMapController controller{state, listener};
};

TEST_F(WholeMapControllerTest, ADragPaintsTheCellsBetweenItsEventsAsOneStep)
{
    EXPECT_EQ(controller.viewport().zoom(), 10);
    press(button::kLeft, inCell(2, 2));
    move(button::kLeft, inCell(6, 2));  // one event for five cells
    move(button::kLeft, {2000, 15});    // out of the canvas: painted up to the map's edge
    release(button::kLeft, {2000, 15});
    for (int x = 2; x <= 100; ++x)
        EXPECT_EQ(state.grid.at(x, 2), 3) << x;
    EXPECT_EQ(state.grid.at(1, 2), 0);
    EXPECT_EQ(listener.painted.size(), 99u);
    EXPECT_EQ(state.history.undoSteps(), 1u);

    press(button::kLeft, inCell(2, 2));  // a click on a cell holding the tile is no step
    release(button::kLeft, inCell(2, 2));
    EXPECT_EQ(state.history.undoSteps(), 1u);
    state.history.undo(state.grid);
    EXPECT_EQ(state.grid, formats::MapGrid{});

    state.currentTile = -1;  // no tile chosen: nothing is painted
    drag(button::kLeft, inCell(5, 5), inCell(9, 5));
    EXPECT_EQ(state.grid, formats::MapGrid{});
}

// The view's Shift stroke and a drag here are steps of their own, whichever
// comes first; a hovering pointer ends the view's stroke too.
TEST_F(WholeMapControllerTest, StrokesInTheViewAndHereEndEachOther)
{
    const auto viewPaints = [&](int x, int tile) {
        state.history.strokePainted(CellChange::of({x, 50}, state.grid.at(x, 50), static_cast<std::uint8_t>(tile)));
        state.grid.set(x, 50, static_cast<std::uint8_t>(tile));
    };
    viewPaints(1, 7);
    drag(button::kLeft, inCell(1, 1), inCell(3, 1));
    viewPaints(2, 7);
    move(0, inCell(10, 10));
    viewPaints(3, 7);
    EXPECT_EQ(state.history.undoSteps(), 4u);

    press(button::kLeft, inCell(1, 9));
    state.history.endStroke();  // any event in the view, mid-drag
    move(button::kLeft, inCell(4, 9));
    release(button::kLeft, inCell(4, 9));
    EXPECT_EQ(state.history.undoSteps(), 6u);

    press(button::kLeft, inCell(1, 20));  // the release went to a message box
    move(0, inCell(5, 20));
    EXPECT_EQ(state.grid.at(5, 20), 0);
}

TEST_F(WholeMapControllerTest, RightClickPicksAndCtrlClickMovesTheView)
{
    state.grid.set(13, 26, 3);
    state.currentTile = 0;
    press(button::kRight, {127, 253});
    EXPECT_EQ(state.currentTile, 3);
    EXPECT_EQ(state.scriptPosition, (ScriptPosition{255, 507}));  // pixel (7, 3) of the cell, 2 map pixels each
    EXPECT_EQ(listener.picked, (std::vector<MapCell>{{13, 26}}));

    press(button::kLeft, inCell(50, 60), modifier::kCtrl);
    release(button::kLeft, inCell(50, 60));
    EXPECT_EQ(listener.views, (std::vector<ViewPosition>{{45, 55}}));
    EXPECT_TRUE(listener.painted.empty());

    controller.resized(1200, 1000);  // the map now leaves a margin: clicks there do nothing
    press(button::kRight, {50, 50});
    press(button::kLeft, {50, 50}, modifier::kCtrl);
    EXPECT_EQ(listener.picked.size(), 1u);
    EXPECT_EQ(listener.views.size(), 1u);
    EXPECT_EQ(state.scriptPosition, (ScriptPosition{255, 507}));
}

CanvasPoint operator+(CanvasPoint a, CanvasPoint b)
{
    return {a.x + b.x, a.y + b.y};
}

// Space held: X11 repeats it as release and press pairs, which must not end
// the move; a real release does.
TEST_F(WholeMapControllerTest, MiddleAndSpaceDragsMoveTheMap)
{
    key(key::kOne, modifier::kCtrl);
    ASSERT_EQ(controller.viewport().zoom(), 20);
    const CanvasPoint start = origin();
    drag(button::kMiddle, {500, 500}, {400, 450});
    EXPECT_EQ(origin(), (start + CanvasPoint{-100, -50}));

    controller.keyPressed(key::kSpace, 0, false);
    controller.keyReleased(key::kSpace, true);  // the press comes between a repeat's release and press
    press(button::kLeft, {500, 500});
    controller.keyPressed(key::kSpace, 0, true);
    move(button::kLeft, {520, 500});
    controller.keyReleased(key::kSpace, true);
    controller.keyPressed(key::kSpace, 0, true);
    move(button::kLeft, {540, 510});
    release(button::kLeft, {540, 510});
    EXPECT_EQ(origin(), (start + CanvasPoint{-60, -40}));
    EXPECT_EQ(state.grid, formats::MapGrid{});

    controller.keyReleased(key::kSpace, false);
    drag(button::kLeft, {500, 500}, {540, 500});
    EXPECT_EQ(state.history.undoSteps(), 1u);
    controller.keyPressed(key::kSpace, 0, false);
    controller.focusLost();  // the release goes to another window
    drag(button::kLeft, {500, 600}, {540, 600});
    EXPECT_EQ(state.history.undoSteps(), 2u);
    EXPECT_EQ(origin(), (start + CanvasPoint{-60, -40}));
}

TEST_F(WholeMapControllerTest, WheelScrollsAndZoomsAroundThePointer)
{
    key(key::kOne, modifier::kCtrl);
    CanvasPoint expected = origin();
    const auto turn = [&](int angleX, int angleY, int shift, CanvasPoint moves) {
        controller.wheel({angleX, angleY, 0, 0, shift, {500, 500}});
        expected = expected + moves;
        EXPECT_EQ(origin(), expected);
    };
    turn(0, -120, 0, {0, -60});  // a notch towards the user: 3 cells further down
    turn(0, 240, 0, {0, 120});
    turn(0, -120, modifier::kShift, {-60, 0});
    turn(-120, 0, 0, {-60, 0});  // a sideways wheel
    controller.wheel({0, -120, 7, -3, 0, {500, 500}});  // a touchpad's pixels count as they are
    EXPECT_EQ(origin(), (expected + CanvasPoint{7, -3}));

    const CanvasPoint pointer{310, 620};
    const MapPoint under = controller.viewport().mapPointAt(pointer);
    controller.wheel({0, 60, 0, 0, modifier::kCtrl, pointer});
    EXPECT_EQ(controller.viewport().zoom(), 20);  // half a notch so far
    controller.wheel({0, 60, 0, 0, modifier::kCtrl, pointer});
    EXPECT_EQ(controller.viewport().zoom(), 25);
    EXPECT_LE(std::abs(controller.viewport().mapPointAt(pointer).x - under.x) * 25, 0.5 + 1e-9);
    EXPECT_LE(std::abs(controller.viewport().mapPointAt(pointer).y - under.y) * 25, 0.5 + 1e-9);
    controller.wheel({0, -240, 0, 0, modifier::kCtrl, pointer});
    EXPECT_EQ(controller.viewport().zoom(), 15);
}

TEST_F(WholeMapControllerTest, KeysZoomFitAndShowTheCorner)
{
    const auto zoomAfter = [&](int code, int shift) {
        key(code, shift);
        return controller.viewport().zoom();
    };
    EXPECT_EQ(zoomAfter(key::kPlus, modifier::kCtrl), 12);  // Ctrl+=
    EXPECT_EQ(zoomAfter(key::kPlus, modifier::kCtrl | modifier::kShift), 15);  // Ctrl++ on a US keyboard
    EXPECT_EQ(zoomAfter(key::kKeypadPlus, 0), 20);
    EXPECT_EQ(zoomAfter(key::kKeypadPlus, modifier::kCtrl), 25);
    EXPECT_EQ(zoomAfter(key::kMinus, modifier::kCtrl), 20);
    EXPECT_EQ(zoomAfter(key::kKeypadMinus, 0), 15);
    EXPECT_EQ(zoomAfter(key::kZero, modifier::kCtrl), 10);
    EXPECT_EQ(origin(), (CanvasPoint{0, 0}));
    controller.resized(1250, 1300);  // fitted: a new size fits again
    EXPECT_EQ(controller.viewport().zoom(), 12);
    EXPECT_EQ(origin(), (CanvasPoint{25, 50}));
    EXPECT_EQ(zoomAfter(key::kOne, modifier::kCtrl), 20);
    EXPECT_NE(origin(), (CanvasPoint{0, 0}));  // around the canvas's centre
    key(key::kHome, modifier::kCtrl);
    EXPECT_EQ(origin(), (CanvasPoint{0, 0}));
    controller.resized(1000, 1000);  // no longer fitted: the zoom stays
    EXPECT_EQ(controller.viewport().zoom(), 20);

    key(key::kP, modifier::kCtrl);
    EXPECT_FALSE(controller.markersShown());
    key(key::kP, modifier::kCtrl);
    EXPECT_TRUE(controller.markersShown());
    EXPECT_EQ(listener.markerToggles, 2);

    EXPECT_FALSE(controller.keyPressed(key::kZero, 0, false));
    EXPECT_FALSE(controller.keyPressed(key::kZero, modifier::kCtrl | 4, false));
    EXPECT_FALSE(controller.keyPressed(key::kHome, 0, false));
    EXPECT_FALSE(controller.keyPressed('Q', modifier::kCtrl, false));
    EXPECT_EQ(controller.viewport().zoom(), 20);
}

TEST_F(WholeMapControllerTest, StatusNamesWhatLiesUnderThePointer)
{
    state.grid.set(13, 26, 3);
    move(0, {127, 253});
    EXPECT_EQ(controller.status(),
              (WholeMapStatus{"cell (13, 26): tile 3 wall001", "pixel (255, 507)", "zoom 50 %", "current tile 3 wall001"}));
    move(0, {995, 999});
    EXPECT_EQ(controller.status().cell, "cell (100, 100): tile 0");
    controller.left();
    state.currentTile = 0;
    key(key::kPlus, modifier::kCtrl);
    EXPECT_EQ(controller.status(), (WholeMapStatus{"", "", "zoom 60 %", "current tile 0"}));
}

}  // namespace
}  // namespace terraloom
