#include "paint_history.h"

#include <gtest/gtest.h>

namespace terraloom {
namespace {

// Paints as the editor does: the grid changes, the history hears of it.
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

    MapGrid grid;
    PaintHistory history;
};

TEST_F(PaintHistoryTest, ChangesKnowTheirCell)
{
    for (const MapCell cell : {MapCell{1, 1}, MapCell{100, 1}, MapCell{1, 2}, MapCell{37, 58}, MapCell{100, 100}}) {
        EXPECT_EQ(CellChange::of(cell, 0, 1).cell(), cell);
        EXPECT_EQ(CellChange::of(cell, 0, 1).place, MapGrid::indexOf(cell.x, cell.y));
    }
}

TEST_F(PaintHistoryTest, UndoAndRedoOfAClickPutTheTilesBack)
{
    click(5, 7, 3);
    click(5, 7, 4);
    EXPECT_EQ(history.undoSteps(), 2u);

    const PaintStep* undone = history.undo(grid);
    ASSERT_NE(undone, nullptr);
    EXPECT_EQ(*undone, (PaintStep{CellChange::of({5, 7}, 3, 4)}));
    EXPECT_EQ(grid.at(5, 7), 3);
    history.undo(grid);
    EXPECT_EQ(grid, MapGrid{});
    EXPECT_EQ(history.undo(grid), nullptr);

    history.redo(grid);
    EXPECT_EQ(grid.at(5, 7), 3);
    history.redo(grid);
    EXPECT_EQ(grid.at(5, 7), 4);
    EXPECT_EQ(history.redo(grid), nullptr);
    EXPECT_EQ(history.undoSteps(), 2u);
}

TEST_F(PaintHistoryTest, AStrokeIsOneStepUntilAnyOtherEventEndsIt)
{
    shiftMove(1, 1, 0);  // no change: the stroke starts at the next paint
    shiftMove(2, 1, 2);
    shiftMove(2, 1, 2);  // no change within a stroke keeps it going
    shiftMove(3, 1, 2);
    history.endStroke();
    shiftMove(4, 1, 2);
    shiftMove(5, 1, 2);
    click(6, 1, 3);  // a click ends the stroke and is a step of its own
    shiftMove(7, 1, 3);
    EXPECT_EQ(history.undoSteps(), 4u);

    history.undo(grid);
    history.undo(grid);
    EXPECT_EQ(grid.at(5, 1), 2);
    history.undo(grid);
    EXPECT_EQ(grid.at(4, 1), 0);
    EXPECT_EQ(grid.at(5, 1), 0);
    EXPECT_EQ(grid.at(3, 1), 2);
    const PaintStep* first = history.undo(grid);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->size(), 2u);
    EXPECT_EQ(grid, MapGrid{});
}

TEST_F(PaintHistoryTest, UndoEndsTheStrokeSoItsRedoIsWholeAndLaterMovesStartAnew)
{
    shiftMove(1, 1, 2);
    shiftMove(2, 1, 2);
    history.undo(grid);
    shiftMove(3, 1, 2);  // a new stroke, which drops the redo
    EXPECT_EQ(history.redoSteps(), 0u);
    history.undo(grid);
    EXPECT_EQ(grid, MapGrid{});
    EXPECT_EQ(history.undo(grid), nullptr);
}

TEST_F(PaintHistoryTest, PaintsThatChangeNothingMakeNoStepAndKeepTheRedo)
{
    click(1, 1, 0);
    shiftMove(2, 1, 0);
    shiftMove(3, 1, 0);
    EXPECT_EQ(history.undoSteps(), 0u);

    click(1, 1, 5);
    history.undo(grid);
    click(1, 1, 0);
    shiftMove(1, 1, 0);
    EXPECT_EQ(history.redoSteps(), 1u);
    click(1, 1, 6);
    EXPECT_EQ(history.redoSteps(), 0u);
    EXPECT_EQ(history.redo(grid), nullptr);
    EXPECT_EQ(grid.at(1, 1), 6);
}

// A stroke passes a cell again only if the tile changed meanwhile; undoing
// goes backwards, so the oldest tile is what stays.
TEST_F(PaintHistoryTest, UndoOfACellPaintedTwiceInAStrokeLeavesItsFirstTile)
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

TEST_F(PaintHistoryTest, ClearForgetsBothWaysAndTheStroke)
{
    click(1, 1, 1);
    click(2, 1, 1);
    history.undo(grid);
    shiftMove(3, 1, 1);
    history.clear();
    EXPECT_EQ(history.undoSteps(), 0u);
    EXPECT_EQ(history.redoSteps(), 0u);
    shiftMove(4, 1, 1);
    history.undo(grid);
    EXPECT_EQ(grid.at(3, 1), 1);  // painted before the clear, not part of the new stroke
    EXPECT_EQ(grid.at(4, 1), 0);
}

}  // namespace
}  // namespace terraloom
