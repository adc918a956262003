#include "terraloom/form/form_fixture.h"

namespace terraloom::testing {
namespace {

class NavigationTest : public EditorTest {
protected:
    void expectView(int column, int row)
    {
        EXPECT_EQ(state().view, (ViewPosition{column, row}));
        EXPECT_EQ(find<HeadlessSlider>("Slider4").value(), column);
        EXPECT_EQ(find<HeadlessSlider>("Slider3").value(), row);
        EXPECT_EQ(label("Label1"), " " + std::to_string(column) + " : " + std::to_string(row));
    }
};

TEST_F(NavigationTest, ScrollButtonsStopAtTheMapEdges)
{
    find<HeadlessSlider>("Slider1").slide(5);
    find<HeadlessSlider>("Slider4").slide(85);
    button("Command4").click();
    expectView(90, 1);
    button("Command4").click();
    expectView(91, 1);

    find<HeadlessSlider>("Slider4").slide(5);
    button("Command5").click();
    expectView(1, 1);
    find<HeadlessSlider>("Slider4").slide(6);
    button("Command5").click();
    expectView(1, 1);

    find<HeadlessSlider>("Slider2").slide(3);
    button("Command6").click();
    expectView(1, 1);
    button("Command7").click();
    expectView(1, 4);
    find<HeadlessSlider>("Slider3").slide(91);
    button("Command7").click();
    expectView(1, 91);
}

// Each way of moving the view, the scroll buttons, the overview and "goto"
// moving it through the position sliders, leaves every cell showing the
// tile under it: the one grass cell where it now is, nothing elsewhere.
TEST_F(NavigationTest, ViewShowsTheCellsUnderItAfterEveryMove)
{
    state().grid.set(12, 23, 1);
    const auto expectGrassIn = [&](int column, int row) {
        for (int k = 1; k <= kViewCells; ++k)
            EXPECT_EQ(cell(k).bitmapPath(), k == column + (row - 1) * 10 ? "ep/grass.bmp" : "") << "view cell " << k;
    };
    find<HeadlessSlider>("Slider4").slide(11);
    find<HeadlessSlider>("Slider3").slide(21);
    expectGrassIn(2, 3);
    find<HeadlessSlider>("Slider1").slide(1);
    button("Command4").click();
    expectGrassIn(1, 3);
    // The square of cell (12, 23) starts at pixel (22, 44).
    overview().mouseDown(ui::kLeftButton, 0, 22 * 15, 44 * 15);
    expectView(7, 18);
    expectGrassIn(6, 6);
    find<HeadlessSlider>("Slider4").slide(1);
    state().scriptPosition = {230, 450};
    button("Command16").click();
    expectView(7, 18);
    expectGrassIn(6, 6);
}

TEST_F(NavigationTest, OverviewClickCentresTheClickedCellWithClamping)
{
    overview().mouseDown(ui::kLeftButton, 0, 0, 0);
    expectView(1, 1);
    overview().mouseDown(ui::kRightButton, 0, 2999, 2999);
    expectView(91, 91);
    // The square of cell (50, 60) starts at pixel (98, 118).
    overview().mouseDown(ui::kLeftButton, 0, 98 * 15, 118 * 15);
    expectView(45, 55);
}

TEST_F(NavigationTest, RedrawPaintsEverySquareInItsClassColour)
{
    state().grid.set(1, 1, 1);
    state().grid.set(100, 100, 7);
    state().grid.set(50, 50, 9);  // an unnamed tile: class 0
    button("Command8").click();
    EXPECT_EQ(overview().pixel(0, 0), 0x00FF00u);
    EXPECT_EQ(overview().pixel(1, 1), 0x00FF00u);
    EXPECT_EQ(overview().pixel(2, 0), 0x000000u);
    EXPECT_EQ(overview().pixel(199, 199), 0x0000FFu);
    EXPECT_EQ(overview().pixel(98, 98), 0x000000u);
    EXPECT_EQ(overview().fillCount(), 10000);
}

TEST_F(NavigationTest, ClassesAboveTenDrawBlack)
{
    // Digits at the start of a name join the class: "03 12" reads 312, which
    // is no tile class, so the tile keeps its name with class 0.
    writeFile("map/mapteile.lst", "01 12 lamp.bmp\r\n02 03 12wall.bmp\r\n03 04 moss.bmp\r\n");
    restart();
    EXPECT_EQ(state().tiles.classes[1], 12);
    EXPECT_EQ(state().tiles.names[2], "12wall.bmp");
    EXPECT_EQ(state().tiles.classes[2], 0);
    state().grid.set(1, 1, 1);
    state().grid.set(2, 1, 2);
    state().grid.set(3, 1, 3);
    button("Command8").click();
    EXPECT_EQ(overview().pixel(0, 0), 0x000000u);
    EXPECT_EQ(overview().pixel(2, 0), 0x000000u);
    EXPECT_EQ(overview().pixel(4, 0), 0x00FF00u);
}

TEST_F(NavigationTest, GotoMovesTheViewToThePositionWithClamping)
{
    state().scriptPosition = {130, 250};
    button("Command16").click();
    expectView(2, 8);
    state().scriptPosition = {50, 0};
    button("Command16").click();
    expectView(1, 1);
    state().scriptPosition = {1990, 1990};
    button("Command16").click();
    expectView(91, 91);
}

}  // namespace
}  // namespace terraloom::testing
