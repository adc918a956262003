#include "terraloom/form/form_fixture.h"

namespace terraloom::testing {
namespace {

// What the user sees of the map and of the painting tools: every view cell's
// bitmap (the preview first), the overview's pixels, the two position labels
// and the chosen tile.
struct Seen {
    std::vector<std::string> cells;
    std::vector<ui::Colour> overview;
    std::string viewPosition, scriptPosition;
    int selectedTile = -1;
    bool operator==(const Seen&) const = default;
};

class UndoTest : public EditorTest {
protected:
    UndoTest()
    {
        std::string map(10000, '\0');
        for (std::size_t i = 0; i < map.size(); ++i)
            map[i] = "\x01\x02\x03\x07\x00"[i % 5];
        writeFile("map/map1.map", map);
        load();
        chooseTile(2);
    }

    void load()
    {
        toolkit_.answerMessages({ui::kAnswerOk});
        button("Command1").click();
    }
    void chooseTile(int row) { find<HeadlessListBox>("List1").press(row); }
    void click(int k) { cell(k).mouseDown(ui::kLeftButton, 0, 10, 10); }
    void shiftMove(std::initializer_list<int> cells)
    {
        for (const int k : cells)
            cell(k).mouseMove(0, ui::kShiftKey, 10, 10);
    }
    void press(int keyCode, int shift) { toolkit_.window()->pressKeys(keyCode, shift); }
    void undo() { press('Z', ui::kCtrlKey); }
    void redo() { press('Y', ui::kCtrlKey); }
    void redoShifted() { press('Z', ui::kCtrlKey | ui::kShiftKey); }
    Seen seen()
    {
        Seen s;
        for (int k = 0; k <= kViewCells; ++k)
            s.cells.push_back(cell(k).bitmapPath());
        s.overview = overview().pixels();
        s.viewPosition = label("Label1");
        s.scriptPosition = label("Label2");
        s.selectedTile = state().currentTile;
        return s;
    }
};

TEST_F(UndoTest, ClickAndStrokeComeBackAndGoAgainExactlyAsShown)
{
    const Seen before = seen();
    const formats::MapGrid loaded = state().grid;
    click(13);
    const Seen clicked = seen();
    ASSERT_NE(clicked, before);
    shiftMove({1, 2, 3, 13, 23});
    const Seen stroked = seen();
    ASSERT_NE(stroked, clicked);

    undo();
    EXPECT_EQ(seen(), clicked);
    undo();
    EXPECT_EQ(seen(), before);
    EXPECT_EQ(state().grid, loaded);
    undo();  // nothing left
    EXPECT_EQ(seen(), before);

    redo();
    EXPECT_EQ(seen(), clicked);
    redoShifted();
    EXPECT_EQ(seen(), stroked);
    undo();
    redoShifted();
    EXPECT_EQ(seen(), stroked);
}

// The view, the chosen tile, its preview and the script position stay; cells
// out of view change on the overview and show when the view comes back.
TEST_F(UndoTest, UndoLeavesViewToolsAndScriptPositionAlone)
{
    const Seen before = seen();
    shiftMove({9, 10, 19, 20});
    cell(45).mouseDown(ui::kRightButton, 0, 150, 75);  // picks tile and script position
    find<HeadlessSlider>("Slider4").slide(10);
    const Seen moved = seen();

    undo();
    Seen expected = moved;
    expected.cells[1] = expected.cells[11] = "";  // (10, 1) and (10, 2) hold tile 0 again, which has no bitmap
    expected.overview = before.overview;
    EXPECT_EQ(seen(), expected);
    EXPECT_EQ(state().grid.at(9, 1), 7);

    find<HeadlessSlider>("Slider4").slide(1);
    const Seen back = seen();
    EXPECT_EQ(std::vector<std::string>(back.cells.begin() + 1, back.cells.end()),
              std::vector<std::string>(before.cells.begin() + 1, before.cells.end()));
}

TEST_F(UndoTest, StrokeEndsAtAClickAMoveWithoutShiftAloneOrACommand)
{
    const formats::MapGrid loaded = state().grid;
    shiftMove({1, 2});
    click(3);
    shiftMove({4, 6});
    cell(7).mouseMove(0, 0, 0, 0);
    shiftMove({8});
    cell(9).mouseMove(0, ui::kShiftKey | ui::kCtrlKey, 0, 0);
    shiftMove({11});
    button("Command17").click();  // round
    shiftMove({14});
    find<HeadlessSlider>("Slider1").slide(3);  // the scroll step
    shiftMove({16});
    cell(12).mouseDown(ui::kRightButton, 0, 0, 0);  // picks tile 2 again
    shiftMove({18});
    const formats::MapGrid painted = state().grid;

    const std::vector<std::vector<MapCell>> steps = {{{8, 2}}, {{6, 2}}, {{4, 2}}, {{1, 2}}, {{8, 1}}, {{4, 1}, {6, 1}},
                                                     {{3, 1}}, {{1, 1}}};
    for (const std::vector<MapCell>& step : steps) {
        for (const MapCell& c : step)
            EXPECT_EQ(state().grid.at(c.x, c.y), 2) << c.x << "," << c.y;
        undo();
        for (const MapCell& c : step)
            EXPECT_EQ(state().grid.at(c.x, c.y), loaded.at(c.x, c.y)) << c.x << "," << c.y;
    }
    EXPECT_EQ(state().grid, loaded);
    for (std::size_t i = 0; i < steps.size(); ++i)
        redo();
    EXPECT_EQ(state().grid, painted);
}

TEST_F(UndoTest, PaintsThatChangeNothingAreNoStep)
{
    click(1);  // tile 1 there becomes 2
    const Seen painted = seen();
    click(1);
    shiftMove({1, 2});  // (2, 1) holds tile 2 already
    EXPECT_EQ(seen(), painted);
    EXPECT_EQ(state().history.undoSteps(), 1u);
    undo();
    EXPECT_EQ(state().grid.at(1, 1), 1);
}

TEST_F(UndoTest, NewPaintingAfterAnUndoDropsTheRedo)
{
    click(1);
    undo();
    chooseTile(3);
    shiftMove({5});
    redo();
    EXPECT_EQ(state().grid.at(1, 1), 1);
    EXPECT_EQ(state().grid.at(5, 1), 3);
    undo();
    EXPECT_EQ(state().grid.at(5, 1), 0);
}

TEST_F(UndoTest, LoadAndNewEmptyTheHistoryCancelFailureAndSaveKeepIt)
{
    click(1);
    toolkit_.answerMessages({ui::kAnswerOk});
    button("Command2").click();  // save
    toolkit_.answerMessages({ui::kAnswerCancel});
    button("Command1").click();
    toolkit_.answerMessages({ui::kAnswerCancel});
    button("Command3").click();
    find<HeadlessTextField>("Text1").type("missing");
    load();  // fails
    EXPECT_EQ(state().history.undoSteps(), 1u);

    find<HeadlessTextField>("Text1").type("map1");
    click(3);
    undo();
    load();  // the saved map, with (1, 1) painted
    const Seen loaded = seen();
    undo();
    EXPECT_EQ(seen(), loaded);
    redo();
    EXPECT_EQ(seen(), loaded);

    click(3);
    toolkit_.answerMessages({ui::kAnswerOk});
    button("Command3").click();
    undo();
    EXPECT_EQ(state().grid, formats::MapGrid{});
    EXPECT_EQ(state().history.undoSteps() + state().history.redoSteps(), 0u);
}

// Typing a name gives the field the focus, where Ctrl+Z undoes the typing;
// a click on the view or the overview takes the focus and the keys act on
// the map again.
TEST_F(UndoTest, KeysUndoTypingInTheFocusedFieldAndPaintingEverywhereElse)
{
    auto& name = find<HeadlessTextField>("Text1");
    name.type("map2");
    name.type("map1");
    load();
    click(1);
    EXPECT_EQ(state().grid.at(1, 1), 2);
    undo();
    EXPECT_EQ(state().grid.at(1, 1), 1);
    redo();

    name.type("map3");
    undo();
    redo();
    redoShifted();
    EXPECT_EQ(name.text(), "map1");
    EXPECT_EQ(state().grid.at(1, 1), 2);

    overview().mouseDown(ui::kLeftButton, 0, 0, 0);
    undo();
    EXPECT_EQ(state().grid.at(1, 1), 1);
    name.setFocus();
    redo();
    EXPECT_EQ(state().grid.at(1, 1), 1);
    find<HeadlessTextField>("Text2").setFocus();  // read-only: nothing to undo there
    redo();
    EXPECT_EQ(state().grid.at(1, 1), 2);
}

}  // namespace
}  // namespace terraloom::testing
