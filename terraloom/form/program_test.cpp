// The level editor as a program on the headless toolkit: the editor window
// and the whole-map window over one document and one history.
#include "formats/class_colours.h"
#include "terraloom/form/form_fixture.h"
#include "terraloom/form/program.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace terraloom::testing {
namespace {

using headless::HeadlessCanvasWindow;
using headless::HeadlessCellCanvas;

constexpr const char* kHeader = "[set <type> <nmr> <anz> <x> <y> <r>]\r\n";
constexpr int kUpKey = 38;

// Map1 holds grass in its first row, water in its second and wall in its
// third; the rest is tile 0, which has no name here.
class ProgramTest : public ::testing::Test {
protected:
    ProgramTest()
    {
        writeSampleData();
        std::string map(10000, '\0');
        for (int x = 0; x < formats::kMapSize; ++x) {
            map[static_cast<std::size_t>(x)] = 1;
            map[static_cast<std::size_t>(100 + x)] = 2;
            map[static_cast<std::size_t>(200 + x)] = 3;
        }
        writeFile("map/map1.map", map);
    }

    void start(bool openWholeMap = false)
    {
        program = std::make_unique<Program>(toolkit, places, openWholeMap);
        editor = toolkit.window();
    }
    // Ctrl+M in the editor window; the canvas fits the map at 10 pixels a cell.
    void openWholeMap()
    {
        editor->pressKeys('M', ui::kCtrlKey);
        canvas().resize(1000, 1000);
    }
    void loadMap()
    {
        toolkit.answerMessages({ui::kAnswerOk});
        find<HeadlessButton>("Command1").click();
    }

    template <class T>
    T& find(const std::string& name, int index = -1)
    {
        return toolkit.find<T>(name, index);
    }
    HeadlessPictureBox& viewCell(int k) { return find<HeadlessPictureBox>("pic", k); }
    HeadlessListBox& list(const std::string& name) { return find<HeadlessListBox>(name); }
    std::string caption(const std::string& name) { return find<ui::Label>(name).caption(); }
    HeadlessCanvasWindow& whole() { return *toolkit.canvasWindow("WholeMap"); }
    HeadlessCellCanvas& canvas() { return whole().headlessCanvas(); }
    EditorState& state() { return program->form().state(); }

    // What both windows show of a map cell: its view cell (the view is at
    // its start), its overview square and its cell in the canvas.
    struct CellSeen {
        std::string view;
        ui::Colour overview = 0;
        std::string canvas;
        bool operator==(const CellSeen&) const = default;
    };
    CellSeen seen(int x, int y)
    {
        const int k = (y - 1) * kViewSize + x;
        const ui::Colour square = find<HeadlessPictureBox>("Picture1").pixel(2 * x - 2, 2 * y - 2);
        return {viewCell(k).bitmapPath(), square, canvas().cellBitmapPath(x - 1, y - 1)};
    }
    CellSeen shows(const std::string& bitmap, int tile)
    {
        return {bitmap, formats::classColour(state().tiles.classes[static_cast<std::size_t>(tile)]), bitmap};
    }
    // A left click in the canvas, at 10 pixels a cell.
    void paintInCanvas(int x, int y, int shift = 0)
    {
        canvas().press(ui::kLeftButton, shift, 10 * x - 5, 10 * y - 5);
        canvas().release(ui::kLeftButton, shift, 10 * x - 5, 10 * y - 5);
    }

    TempDir dir;
    headless::HeadlessToolkit toolkit{"terraloom"};
    ui::WindowPlacesInMemory places;
    std::unique_ptr<Program> program;
    headless::HeadlessWindow* editor = nullptr;
};

// A paint, a Shift stroke, undo and redo, from either window, show at once
// in the view, the overview and the canvas; an action in one window ends the
// stroke of the other.
TEST_F(ProgramTest, PaintingUndoAndRedoInEitherWindowShowInBoth)
{
    start();
    loadMap();
    EXPECT_EQ(toolkit.canvasWindow("WholeMap"), nullptr);  // made at the first Ctrl+M only
    openWholeMap();
    ASSERT_TRUE(whole().isShown());
    const CellSeen grass = shows("ep/grass.bmp", 1);
    const CellSeen wall = shows("ep/wall.bmp", 3);
    const CellSeen water = shows("ep/water.bmp", 2);
    ASSERT_EQ(seen(2, 1), grass);

    list("List1").press(3);
    EXPECT_EQ(whole().statusText(3), "current tile 3 wall001");
    paintInCanvas(2, 1);
    EXPECT_EQ(seen(2, 1), wall);
    viewCell(11).mouseMove(0, ui::kShiftKey, 10, 10);  // cells (1, 2) and (2, 2): one stroke
    viewCell(12).mouseMove(0, ui::kShiftKey, 10, 10);
    EXPECT_EQ(seen(1, 2), wall);
    canvas().move(0, 0, 500, 500);  // ends the stroke
    viewCell(13).mouseMove(0, ui::kShiftKey, 10, 10);
    EXPECT_EQ(state().history.undoSteps(), 3u);

    whole().pressKeys('Z', ui::kCtrlKey);
    EXPECT_EQ(seen(3, 2), water);
    EXPECT_EQ(seen(2, 2), wall);
    editor->pressKeys('Z', ui::kCtrlKey);
    EXPECT_EQ(seen(1, 2), water);
    EXPECT_EQ(seen(2, 2), water);
    whole().pressKeys('Z', ui::kCtrlKey);
    EXPECT_EQ(seen(2, 1), grass);

    whole().pressKeys('Y', ui::kCtrlKey);
    EXPECT_EQ(seen(2, 1), wall);
    editor->pressKeys('Z', ui::kCtrlKey | ui::kShiftKey);
    EXPECT_EQ(seen(2, 2), wall);
    whole().pressKeys('Z', ui::kCtrlKey | ui::kShiftKey);
    EXPECT_EQ(seen(3, 2), wall);

    // A Shift stroke in the view is ended by a press in the canvas, and a
    // drag in the canvas by a click in the editor window.
    list("List1").press(1);
    viewCell(31).mouseMove(0, ui::kShiftKey, 10, 10);
    paintInCanvas(5, 5);
    viewCell(32).mouseMove(0, ui::kShiftKey, 10, 10);
    EXPECT_EQ(state().history.undoSteps(), 6u);
    canvas().press(ui::kLeftButton, 0, 65, 75);
    find<HeadlessButton>("Command9").click();  // "?"
    canvas().move(ui::kLeftButton, 0, 75, 75);
    canvas().release(ui::kLeftButton, 0, 75, 75);
    EXPECT_EQ(state().history.undoSteps(), 8u);
}

// A region action in the canvas is a step of the one history: it shows in
// the view and the overview, either window's keys or the tool bar undo and
// redo it, and the flood fill's region under the pointer follows an undo
// made in the editor window. It ends a Shift stroke under way in the view.
TEST_F(ProgramTest, RegionActionsAreStepsOfTheOneHistory)
{
    start();
    loadMap();
    openWholeMap();
    const CellSeen wall = shows("ep/wall.bmp", 3);
    const CellSeen water = shows("ep/water.bmp", 2);
    list("List1").press(3);
    whole().pressKeys('F');
    canvas().move(0, 0, 45, 15);  // over the water of row 2
    const std::vector<std::uint8_t>& region = canvas().preview().region;
    EXPECT_EQ(std::count(region.begin(), region.end(), 1), 100);
    paintInCanvas(5, 2);
    EXPECT_EQ(seen(2, 2), wall);
    EXPECT_EQ(std::count(region.begin(), region.end(), 1), 200);  // joined to the wall of row 3

    editor->pressKeys('Z', ui::kCtrlKey);
    EXPECT_EQ(seen(2, 2), water);
    EXPECT_EQ(std::count(region.begin(), region.end(), 1), 100);
    whole().clickToolButton(11);  // Redo
    EXPECT_EQ(seen(9, 2), wall);
    whole().clickToolButton(10);  // Undo
    EXPECT_EQ(seen(9, 2), water);

    viewCell(31).mouseMove(0, ui::kShiftKey, 10, 10);
    whole().pressKeys('A', ui::kCtrlKey);
    whole().pressKeys(46);  // Delete: the whole map becomes tile 0
    viewCell(32).mouseMove(0, ui::kShiftKey, 10, 10);
    EXPECT_EQ(state().history.undoSteps(), 3u);
    editor->pressKeys('Z', ui::kCtrlKey);
    editor->pressKeys('Z', ui::kCtrlKey);
    EXPECT_EQ(seen(2, 2), water);
    EXPECT_EQ(seen(1, 4), shows("ep/wall.bmp", 3));
}

// The canvas's right click does what the view's right click does: the tile
// chosen in the list, the picked cell's picture as the preview, the script
// position. Ctrl+click moves the view as an overview click does; the frame
// follows every move of the view.
TEST_F(ProgramTest, PickAndCtrlClickInTheCanvasActAsTheViewsOwn)
{
    start();
    loadMap();
    openWholeMap();
    const auto pickSeen = [&] {
        return std::tuple{list("List1").selectedIndex(), viewCell(0).bitmapPath(), caption("Label2"),
                          state().currentTile, whole().statusText(3)};
    };
    viewCell(23).mouseDown(ui::kRightButton, 0, 15, 15);  // cell (3, 3), map pixel (41, 41)
    const auto inView = pickSeen();
    EXPECT_EQ(std::get<1>(inView), "ep/wall.bmp");
    list("List1").press(2);
    ASSERT_NE(pickSeen(), inView);
    canvas().press(ui::kRightButton, 0, 20, 20);
    EXPECT_EQ(pickSeen(), inView);

    canvas().press(ui::kLeftButton, ui::kCtrlKey, 495, 595);  // cell (50, 60)
    EXPECT_EQ(state().view, viewAroundCell({50, 60}));
    EXPECT_EQ(caption("Label1"), positionText(state().view));
    EXPECT_EQ(find<HeadlessSlider>("Slider4").value(), state().view.column);
    EXPECT_EQ(canvas().frame(), (ui::CellRect{44, 54, 10, 10}));
    find<HeadlessButton>("Command4").click();  // scroll right
    EXPECT_EQ(canvas().frame()->column, state().view.column - 1);
}

// "load" and "new" show the grid as it is; the script's markers follow
// List2's rows and its selection; a bitmap changed on disk shows at the
// next view redraw; the whole-map window's keys leave List2's Delete alone.
TEST_F(ProgramTest, LoadNewScriptAndBitmapsFollowTheEditor)
{
    writeFile("map/map1.msc", std::string(kHeader) + "set player 3 1 130 250 2\r\ndef player 7 1 410 70 4\r\n");
    start(true);
    canvas().resize(1000, 1000);
    EXPECT_EQ(canvas().cell(0, 0), nullptr);
    loadMap();
    EXPECT_EQ(canvas().cellBitmapPath(99, 2), "ep/wall.bmp");
    const std::vector<ui::Colour> overview = find<HeadlessPictureBox>("Picture1").pixels();
    toolkit.answerMessages({ui::kAnswerOk});
    find<HeadlessButton>("Command3").click();  // "new"
    EXPECT_EQ(canvas().cell(99, 2), nullptr);
    EXPECT_EQ(find<HeadlessPictureBox>("Picture1").pixels(), overview);  // kept on purpose
    loadMap();

    find<HeadlessButton>("Command10").click();  // load the script
    EXPECT_EQ(canvas().markers(), (std::vector<ui::CanvasMarker>{{130, 250, "3"}, {410, 70, "7"}}));
    list("List2").press(1);
    EXPECT_EQ(canvas().highlightedMarker(), 1);
    list("List2").keyDown(kUpKey);
    EXPECT_EQ(canvas().highlightedMarker(), 0);
    list("List3").press(1);
    find<HeadlessButton>("Command11").click();  // the type "player" and the number of the player chosen
    find<HeadlessTextField>("Text6").type("1");
    find<HeadlessButton>("Command15").click();  // change row 0 to the fields, at the script position (0, 0)
    find<HeadlessButton>("Command13").click();  // add them as a row
    EXPECT_EQ(canvas().markers(), (std::vector<ui::CanvasMarker>{{0, 0, "3"}, {410, 70, "7"}, {0, 0, "3"}}));
    whole().pressKeys(ui::kDeleteKey);
    EXPECT_EQ(list("List2").count(), 3);
    list("List2").keyDown(ui::kDeleteKey);
    EXPECT_EQ(canvas().markers(), (std::vector<ui::CanvasMarker>{{410, 70, "7"}, {0, 0, "3"}}));
    EXPECT_EQ(canvas().highlightedMarker(), -1);

    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    writeFile("ep/grass.bmp", bitmapFile(30, 10));
    find<HeadlessButton>("Command4").click();  // scroll right: the view redraws
    EXPECT_EQ(canvas().cell(99, 0)->width(), 30);
}

// Closing the editor window ends the program, even with the whole-map
// window open; closing the whole-map window hides it, and Ctrl+M brings the
// same window back. Its place is remembered when it closes and when the
// program ends, and taken by the next one.
TEST_F(ProgramTest, TheEditorWindowEndsTheProgramAndTheWholeMapKeepsItsPlace)
{
    start(true);
    ASSERT_TRUE(whole().isShown());
    const ui::Geometry first{1500, 300, 9000, 6000};
    whole().setGeometry(first);
    whole().close();
    EXPECT_FALSE(whole().isShown());
    EXPECT_FALSE(toolkit.quitRequested());
    EXPECT_EQ(places.recall("WholeMap"), first);
    HeadlessCanvasWindow* made = &whole();
    editor->pressKeys('M', ui::kCtrlKey);
    EXPECT_EQ(&whole(), made);
    EXPECT_TRUE(whole().isShown());

    const ui::Geometry second{3000, 600, 12000, 9000};
    whole().setGeometry(second);
    editor->close();
    EXPECT_TRUE(toolkit.quitRequested());
    program.reset();
    EXPECT_EQ(places.recall("WholeMap"), second);

    start();
    openWholeMap();
    EXPECT_EQ(whole().geometry(), second);
}

}  // namespace
}  // namespace terraloom::testing
