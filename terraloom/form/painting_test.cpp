#include "terraloom/form/form_fixture.h"

namespace terraloom::testing {
namespace {

class PaintingTest : public EditorTest {
protected:
    void chooseTile(int row) { find<HeadlessListBox>("List1").press(row); }
};

TEST_F(PaintingTest, ChoosingATileShowsItsPreview)
{
    chooseTile(2);
    EXPECT_EQ(state().currentTile, 2);
    EXPECT_EQ(cell(0).bitmapPath(), "ep/water.bmp");
    chooseTile(7);  // lava has no bitmap: empty preview, tile chosen all the same
    EXPECT_EQ(state().currentTile, 7);
    EXPECT_EQ(cell(0).bitmap(), nullptr);
    chooseTile(0);
    EXPECT_EQ(state().currentTile, 0);
    EXPECT_EQ(cell(0).bitmap(), nullptr);
    EXPECT_TRUE(toolkit_.messages().empty());
}

TEST_F(PaintingTest, PressWithoutSelectionKeepsTheCurrentTile)
{
    chooseTile(3);
    find<HeadlessListBox>("List1").setSelectedIndex(-1);
    find<HeadlessListBox>("List1").press(-1);
    EXPECT_EQ(state().currentTile, 3);
}

TEST_F(PaintingTest, LeftClickPaintsGridViewCellAndOverviewSquare)
{
    chooseTile(1);
    cell(12).mouseDown(ui::kLeftButton, 0, 10, 10);
    EXPECT_EQ(state().grid.at(2, 2), 1);
    EXPECT_EQ(cell(12).bitmapPath(), "ep/grass.bmp");
    EXPECT_EQ(overview().pixel(2, 2), 0x00FF00u);
    EXPECT_EQ(overview().pixel(3, 3), 0x00FF00u);

    find<HeadlessSlider>("Slider4").slide(11);
    find<HeadlessSlider>("Slider3").slide(21);
    cell(100).mouseDown(ui::kLeftButton, ui::kCtrlKey, 0, 0);
    EXPECT_EQ(state().grid.at(20, 30), 1);
}

TEST_F(PaintingTest, PreviewAndMiddleClicksPaintNothing)
{
    chooseTile(1);
    cell(0).mouseDown(ui::kLeftButton, 0, 0, 0);
    cell(5).mouseDown(ui::kMiddleButton, 0, 0, 0);
    EXPECT_EQ(state().grid, formats::MapGrid{});
}

TEST_F(PaintingTest, ShiftMovePaintsOnlyWithShiftAlone)
{
    chooseTile(2);
    cell(1).mouseMove(0, ui::kShiftKey | ui::kCtrlKey, 0, 0);
    cell(2).mouseMove(ui::kLeftButton, ui::kShiftKey | ui::kAltKey, 0, 0);
    cell(3).mouseMove(ui::kLeftButton, 0, 0, 0);
    EXPECT_EQ(state().grid, formats::MapGrid{});
    cell(4).mouseMove(0, ui::kShiftKey, 0, 0);
    cell(0).mouseMove(0, ui::kShiftKey, 0, 0);
    EXPECT_EQ(state().grid.at(4, 1), 2);
    EXPECT_EQ(cell(0).bitmapPath(), "ep/water.bmp");
}

TEST_F(PaintingTest, PaintingAnUnnamedTileClearsTheCellAndDrawsItsClass)
{
    chooseTile(1);
    cell(1).mouseDown(ui::kLeftButton, 0, 0, 0);
    chooseTile(9);
    cell(1).mouseDown(ui::kLeftButton, 0, 0, 0);
    EXPECT_EQ(state().grid.at(1, 1), 9);
    EXPECT_EQ(cell(1).bitmap(), nullptr);
    EXPECT_EQ(overview().pixel(0, 0), 0x000000u);
}

TEST_F(PaintingTest, RightClickPicksTheTileAndSetsTheScriptPosition)
{
    state().grid.set(2, 2, 3);
    find<HeadlessSlider>("Slider4").slide(2);
    find<HeadlessSlider>("Slider4").slide(1);  // redraws the view with the new cell
    cell(12).mouseDown(ui::kRightButton, 0, 150, 75);
    EXPECT_EQ(state().currentTile, 3);
    EXPECT_EQ(find<HeadlessListBox>("List1").selectedIndex(), 3);
    EXPECT_EQ(cell(0).bitmapPath(), "ep/wall.bmp");
    EXPECT_EQ(state().scriptPosition, (ScriptPosition{30, 25}));
    EXPECT_EQ(label("Label2"), " 30 : 25");

    cell(1).mouseDown(ui::kRightButton, 0, 0, 0);
    EXPECT_EQ(state().currentTile, 0);
    EXPECT_EQ(find<HeadlessListBox>("List1").selectedIndex(), 0);
    EXPECT_EQ(cell(0).bitmap(), nullptr);
}

TEST_F(PaintingTest, RoundSnapsToTheTileCentre)
{
    cell(1).mouseDown(ui::kRightButton, 0, 150, 75);
    EXPECT_EQ(label("Label2"), " 10 : 5");
    button("Command17").click();
    EXPECT_EQ(label("Label2"), " 10 : 10");
    button("Command17").click();
    EXPECT_EQ(state().scriptPosition, (ScriptPosition{10, 10}));
}

}  // namespace
}  // namespace terraloom::testing
