#include "terraloom/core/paint_history.h"

#include <gtest/gtest.h>

namespace terraloom {
namespace {

// Paints as the editor does: the grid changes, the history hears of it. The
// form's tests drive the step rules through the window; these check the
// history's own bookkeeping.
class PaintHistoryTest : public ::testing::Test {
protected:
    CellChange paint(int x, int y, int tile)
    {
        const CellChange change = CellChange::of({x, y}, grid.at(x, y), static_cast<std::uint8_t>(tile));
        grid.set(x, y, change.after);
        return change;
    }
    void click(int x, int y, int tile) { history.clickPainted(paint(x, y, tile)); }
    void shiftMove(int x, int y, int tile) { history.strokePainted(paint(x, y, tile)); }

    formats::MapGrid grid;
    PaintHistory history;
};

TEST_F(PaintHistoryTest, StepsGoBackAndForthCellByCell)
{
    shiftMove(1, 1, 0);  // no change: the stroke starts at the next paint
    shiftMove(100, 1, 2);
    shiftMove(37, 58, 2);
    history.endStroke();
    click(100, 100, 3);
    const formats::MapGrid painted = grid;

    EXPECT_EQ(*history.undo(grid), (PaintStep{CellChange::of({100, 100}, 0, 3)}));
    const PaintStep* stroke = history.undo(grid);
    ASSERT_NE(stroke, nullptr);
    ASSERT_EQ(stroke->size(), 2u);
    EXPECT_EQ((*stroke)[1].cell(), (MapCell{37, 58}));
    EXPECT_EQ(grid, formats::MapGrid{});
    EXPECT_EQ(history.undo(grid), nullptr);

    history.redo(grid);
    history.redo(grid);
    EXPECT_EQ(grid, painted);
    EXPECT_EQ(history.redo(grid), nullptr);
}

// A stroke passes a cell again only if the tile changed meanwhile; undoing
// goes backwards, so the oldest tile is what stays.
TEST_F(PaintHistoryTest, CellPaintedTwiceInAStrokeGetsItsFirstTileBack)
{
    grid.set(9, 9, 1);
    shiftMove(9, 9, 2);
    shiftMove(9, 9, 3);
    history.undo(grid);
    EXPECT_EQ(grid.at(9, 9), 1);
    history.redo(grid);
    EXPECT_EQ(grid.at(9, 9), 3);
}

TEST_F(PaintHistoryTest, KeepsTheLastThousandSteps)
{
    for (int i = 0; i <= static_cast<int>(PaintHistory::kKeptSteps); ++i)
        click(i % 100 + 1, i / 100 + 1, 1);
    EXPECT_EQ(history.undoSteps(), PaintHistory::kKeptSteps);
    while (history.undo(grid) != nullptr) {
    }
    EXPECT_EQ(grid.at(1, 1), 1);  // the first click is beyond the history
    EXPECT_EQ(grid.at(2, 1), 0);
    EXPECT_EQ(history.redoSteps(), PaintHistory::kKeptSteps);
}

// A region action is one step; what it lists without changing a cell is
// left out, and an action that changes none is no step. It ends the stroke
// under way and forgets what could have been redone.
TEST_F(PaintHistoryTest, RecordsARegionActionAsOneStep)
{
    shiftMove(1, 1, 2);
    click(2, 2, 2);
    history.undo(grid);
    shiftMove(3, 1, 2);
    const PaintStep* step = history.record(grid, {{0, 0, 5}, {1, 0, 0}, {2, 0, 2}, {0, 0, 6}});
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(*step, (PaintStep{{0, 2, 5}, {0, 5, 6}}));  // old tiles as the grid held them
    EXPECT_EQ(grid.at(1, 1), 6);
    EXPECT_EQ(history.undoSteps(), 3u);
    EXPECT_EQ(history.redoSteps(), 0u);
    EXPECT_EQ(history.record(grid, {{0, 0, 6}, {5, 0, 0}}), nullptr);
    EXPECT_EQ(history.record(grid, {}), nullptr);
    EXPECT_EQ(history.undoSteps(), 3u);
    shiftMove(4, 1, 2);  // a stroke of its own after the action
    EXPECT_EQ(history.undoSteps(), 4u);
    history.undo(grid);
    history.undo(grid);
    EXPECT_EQ(grid.at(1, 1), 2);
    EXPECT_EQ(grid.at(3, 1), 2);
}

// Whichever comes first: the step cap or the byte cap. The newest step
// stays even when it alone is above the cap.
TEST(PaintHistoryLimits, DropsTheOldestStepsBeyondEitherCap)
{
    formats::MapGrid grid;
    const auto fill = [&](int cells, std::uint8_t tile) {
        PaintStep step;
        for (int place = 0; place < cells; ++place)
            step.push_back({static_cast<std::uint16_t>(place), 0, tile});
        return step;
    };
    const std::size_t hundredCells = PaintHistory::kStepBytes + 400;
    PaintHistory history({5, 3 * hundredCells});
    for (std::uint8_t tile = 1; tile <= 4; ++tile)
        history.record(grid, fill(100, tile));
    EXPECT_EQ(history.undoSteps(), 3u);
    EXPECT_EQ(history.bytesKept(), 3 * hundredCells);
    history.record(grid, fill(1000, 9));
    EXPECT_EQ(history.undoSteps(), 1u);
    EXPECT_EQ(history.bytesKept(), PaintHistory::kStepBytes + 4000);
    history.undo(grid);
    EXPECT_EQ(grid.cells()[99], 4);
    EXPECT_EQ(grid.cells()[100], 0);
    EXPECT_EQ(history.bytesKept(), PaintHistory::kStepBytes + 4000);  // undone steps count too
    history.record(grid, fill(1, 7));  // forgets the step undone
    EXPECT_EQ(history.bytesKept(), PaintHistory::kStepBytes + 4);
    history.undo(grid);
    history.clear();  // nothing is redone on a grid loaded since
    EXPECT_EQ(history.redo(grid), nullptr);
    EXPECT_EQ(history.bytesKept(), 0u);

    PaintHistory strokes({2, 1u << 20});
    for (int i = 0; i < 3; ++i) {
        strokes.strokePainted(CellChange::of({i + 1, 1}, 0, 1));
        strokes.endStroke();
    }
    EXPECT_EQ(strokes.undoSteps(), 2u);

    // A stroke keeps within the cap while it grows.
    formats::MapGrid blank;
    const std::size_t cap = 3 * PaintHistory::kStepBytes + 40;
    PaintHistory growing({10, cap});
    growing.record(blank, fill(1, 1));
    growing.record(blank, fill(1, 2));
    for (int x = 1; x <= 20; ++x)
        growing.strokePainted(CellChange::of({x, 5}, 0, 3));
    EXPECT_EQ(growing.undoSteps(), 2u);
    EXPECT_LE(growing.bytesKept(), cap);
}

// A click (even one that changes nothing), undo, redo (even with nothing to
// redo) and clear all end the stroke under way: later moves start another.
TEST_F(PaintHistoryTest, ClicksUndoRedoAndClearEndTheStroke)
{
    shiftMove(1, 1, 2);
    click(5, 5, 3);
    shiftMove(2, 1, 2);
    click(5, 5, 3);  // no change: no step, but the stroke ends
    shiftMove(3, 1, 2);
    history.redo(grid);  // nothing to redo
    shiftMove(4, 1, 2);
    EXPECT_EQ(history.undoSteps(), 5u);
    history.undo(grid);
    EXPECT_EQ(grid.at(3, 1), 2);
    EXPECT_EQ(grid.at(4, 1), 0);

    shiftMove(6, 1, 2);
    history.undo(grid);
    shiftMove(7, 1, 2);
    EXPECT_EQ(history.redoSteps(), 0u);
    history.clear();
    EXPECT_EQ(history.undoSteps(), 0u);
    shiftMove(8, 1, 2);
    history.undo(grid);
    EXPECT_EQ(grid.at(7, 1), 2);
    EXPECT_EQ(grid.at(8, 1), 0);
}

}  // namespace
}  // namespace terraloom
