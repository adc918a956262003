#include "common/testing/temp_dir.h"
#include "formats/map_file.h"
#include "terraloom/form/form1.h"
#include "terraloom/form/program.h"
#include "terraloom/form/whole_map_window.h"
#include "toolkit/qt/qt_application.h"
#include "toolkit/qt/qt_caption_fit.h"
#include "toolkit/qt/qt_control.h"

#include <QAbstractScrollArea>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>

namespace terraloom {
namespace {

// The Qt application on a copy of the sample data in the working
// directory; each test starts the real window (offscreen) when its data is
// ready.
class TerraloomQtSmoke : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* sample = std::getenv("TERVOK_SAMPLE_DIR");
        ASSERT_NE(sample, nullptr);
        std::filesystem::copy(sample, dir_.path(), std::filesystem::copy_options::recursive);
    }

    Form1& start()
    {
        form_ = std::make_unique<Form1>(app_.toolkit());
        form_->show();
        return *form_;
    }

    tervok::testing::TempDir dir_;
    int argc_ = 1;
    char name_[10] = "terraloom";
    char* argv_[2] = {name_, nullptr};
    qtui::QtApplication app_{argc_, argv_, "terraloom"};
    std::unique_ptr<Form1> form_;
};

// Starts the real window on the Qt back end (offscreen) on the bundled sample
// data, loads the sample map and paints a cell.
TEST_F(TerraloomQtSmoke, OpensTheSampleMapAndPaints)
{
    Form1& form = start();
    Form1Controls& c = form.controls();
    EXPECT_EQ(c.window->caption(), "Tervok LevelEditor V1.0 by Drummel");
    EXPECT_EQ(c.tileList->count(), 101);
    EXPECT_GT(c.playerList->count(), 1);
    EXPECT_EQ(c.cells[100]->geometry(), (ui::Geometry{3000, 3200, 300, 300}));

    // The editor shows the map only after a load; this test loads it directly.
    form.state().grid.set(1, 1, 1);
    c.viewColumnSlider->setValue(2);
    c.viewColumnSlider->setValue(1);
    ASSERT_NE(c.cells[1]->bitmap(), nullptr);
    EXPECT_EQ(c.cells[1]->bitmap()->width(), 20);

    c.tileList->setSelectedIndex(5);
    c.tileList->onMouseDown({-1, ui::kLeftButton, 0, 0, 0});
    c.cells[2]->onMouseDown({2, ui::kLeftButton, 0, 10, 10});
    EXPECT_EQ(form.state().grid.at(2, 1), 5);
    EXPECT_EQ(c.cells[2]->bitmap(), c.cells[0]->bitmap());
}

// A pipe in place of a tile bitmap once froze the window for good in the
// image reader; now the cell shows nothing, at once.
TEST_F(TerraloomQtSmoke, APipeInPlaceOfATileBitmapShowsNothingAndDoesNotWait)
{
    std::filesystem::remove("ep/grass.bmp");
    ASSERT_EQ(::mkfifo("ep/grass.bmp", 0644), 0);
    Form1& form = start();
    Form1Controls& c = form.controls();

    const auto& names = form.state().tiles.names;
    const auto grass = std::find_if(names.begin(), names.end(), [](const std::string& n) { return n.rfind("grass", 0) == 0; });
    ASSERT_NE(grass, names.end());
    const auto tile = static_cast<std::uint8_t>(grass - names.begin());
    form.state().grid.set(1, 1, tile);
    c.viewColumnSlider->setValue(2);
    c.viewColumnSlider->setValue(1);
    EXPECT_EQ(c.cells[1]->bitmap(), nullptr);
    c.tileList->setSelectedIndex(tile);
    c.tileList->onMouseDown({-1, ui::kLeftButton, 0, 0, 0});
    EXPECT_EQ(c.cells[0]->bitmap(), nullptr);
}

// The real keys on the real window, as the window system delivers them:
// Ctrl+Z in the map-name field undoes the typing only; after a click on the
// overview it undoes the painting, and Ctrl+Y redoes it.
TEST_F(TerraloomQtSmoke, UndoAndRedoKeysReachTheMapOutsideTheNameField)
{
    Form1& form = start();
    Form1Controls& c = form.controls();
    QWidget* window = qtui::widgetOf(*c.window);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    const auto clickAt = [&](const ui::Control& control, QPoint at) {
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          qtui::widgetOf(control)->mapTo(window, at));
    };
    const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window->windowHandle(), key, modifiers);
    };

    c.tileList->setSelectedIndex(5);
    c.tileList->onMouseDown({-1, ui::kLeftButton, 0, 0, 0});
    const ui::BitmapRef before = c.cells[2]->bitmap();
    clickAt(*c.cells[2], {10, 10});
    ASSERT_EQ(form.state().grid.at(2, 1), 5);

    clickAt(*c.mapName, {5, 5});
    press(Qt::Key_End);
    press(Qt::Key_X);
    EXPECT_EQ(c.mapName->text(), "map1x");
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(c.mapName->text(), "map1");
    EXPECT_EQ(form.state().grid.at(2, 1), 5);

    clickAt(*c.overview, {0, 0});  // keeps the view where it is
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form.state().grid.at(2, 1), 0);
    EXPECT_EQ(c.cells[2]->bitmap(), before);
    press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(form.state().grid.at(2, 1), 5);
    EXPECT_EQ(c.cells[2]->bitmap(), c.cells[0]->bitmap());
}

// With the font the windows are laid out for (Arial, or Liberation Sans of
// the same metrics, which the package depends on), every caption fits its
// control.
TEST_F(TerraloomQtSmoke, EveryCaptionFitsItsControl)
{
    ASSERT_TRUE(qtui::testing::captionFontInstalled())
        << "captions are drawn in " << qtui::testing::captionFontFamily()
        << ", not in Arial or Liberation Sans: install fonts-liberation2 (./tervok test does)";
    // Where the design leaves no room (the figures are Liberation Sans with
    // Debian's slight hinting): the option buttons show only their round
    // buttons; the script grammar above the list runs 5 pixels past the
    // list's right edge (the label grows into the free space there and shows
    // it whole); "ist user" is drawn whole, without the 4 pixels the style
    // adds after it.
    const qtui::testing::CaptionAllowance allowance{
        {"Option1", qtui::testing::kCaptionNotShown}, {"Label4", 5}, {"Check1", 3}};
    EXPECT_EQ(qtui::testing::cutCaptions(start().window(), allowance), std::vector<std::string>{});
}

// The whole-map window on the Qt back end: screen readers find its canvas by
// name; the window system's keys reach it while the window is active; with
// Space held (its repeats arriving as release and press pairs) a left drag
// moves the map and paints nothing; closing the window hides it.
TEST_F(TerraloomQtSmoke, WholeMapWindowTakesItsKeysAndMovesWithSpaceHeld)
{
    EditorState state;
    state.tiles = *formats::loadTileCatalogue();
    state.grid = *formats::loadMapFile("map\\map1.map");
    const formats::MapGrid grid = state.grid;
    tervok::BitmapCache bitmaps(app_.toolkit());
    WholeMapWindow whole(app_.toolkit(), state, bitmaps);
    whole.window().setGeometry({0, 0, 600 * ui::kTwipsPerPixel, 500 * ui::kTwipsPerPixel});
    whole.show();
    QWidget* window = qtui::widgetOf(whole.window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_EQ(window->windowTitle(), "whole map - terraloom");
    const QList<QAbstractScrollArea*> areas = window->findChildren<QAbstractScrollArea*>();
    const auto named = std::find_if(areas.begin(), areas.end(),
                                    [](QWidget* w) { return w->accessibleName() == "whole map"; });
    ASSERT_NE(named, areas.end());
    QAbstractScrollArea* canvas = *named;

    const WholeMapViewport& view = whole.controller().viewport();
    const int fit = view.zoom();
    EXPECT_EQ(fit, fittingZoom(canvas->viewport()->width(), canvas->viewport()->height()));
    const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(window->windowHandle(), key, modifiers);
        return view.zoom();
    };
    EXPECT_EQ(press(Qt::Key_Equal, Qt::ControlModifier), nextZoomIn(fit));
    EXPECT_EQ(press(Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier), nextZoomIn(nextZoomIn(fit)));
    EXPECT_EQ(press(Qt::Key_Minus, Qt::KeypadModifier), nextZoomIn(fit));
    EXPECT_EQ(press(Qt::Key_0, Qt::ControlModifier), fit);
    EXPECT_EQ(press(Qt::Key_1, Qt::ControlModifier), 20);
    press(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(view.origin(), (CanvasPoint{0, 0}));

    const auto key = [&](QEvent::Type type, bool repeated) {
        QKeyEvent event(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), repeated);
        QCoreApplication::sendEvent(canvas, &event);
    };
    QWidget* area = canvas->viewport();
    const auto mouse = [&](QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        QMouseEvent event(type, at, area->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QCoreApplication::sendEvent(area, &event);
    };
    key(QEvent::KeyPress, false);
    key(QEvent::KeyRelease, true);  // the press comes between a repeat's release and press
    mouse(QEvent::MouseButtonPress, {200, 200}, Qt::LeftButton);
    key(QEvent::KeyPress, true);
    mouse(QEvent::MouseMove, {150, 170}, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, {150, 170}, Qt::NoButton);
    key(QEvent::KeyRelease, false);
    EXPECT_EQ(view.origin(), (CanvasPoint{-50, -30}));
    EXPECT_EQ(state.grid, grid);

    window->close();
    EXPECT_FALSE(window->isVisible());
}

// The program on the Qt back end: Ctrl+M in the editor window opens the
// whole-map window, a top-level window of its own whose canvas screen
// readers find by name; its keys are its own: Ctrl+Z and Ctrl+Y there undo
// and redo what the canvas painted, Delete there leaves List2 alone. Closing
// the editor window ends the event loop, though the whole-map window is
// still open, which Qt's own rule would not do.
TEST_F(TerraloomQtSmoke, CtrlMOpensTheWholeMapAndClosingTheEditorWindowEndsTheProgram)
{
    ui::WindowPlacesInMemory places;
    Program program(app_.toolkit(), places);
    Form1Controls& c = program.form().controls();
    QWidget* editor = qtui::widgetOf(*c.window);
    editor->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor));
    QTest::keyClick(editor->windowHandle(), Qt::Key_M, Qt::ControlModifier);
    ASSERT_NE(program.wholeMap(), nullptr);
    QWidget* whole = qtui::widgetOf(program.wholeMap()->window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(whole));
    EXPECT_TRUE(whole->isWindow());
    EXPECT_EQ(whole->parentWidget(), nullptr);
    const QList<QAbstractScrollArea*> areas = whole->findChildren<QAbstractScrollArea*>();
    const auto named = std::find_if(areas.begin(), areas.end(),
                                    [](QWidget* w) { return w->accessibleName() == "whole map"; });
    ASSERT_NE(named, areas.end());

    c.tileList->setSelectedIndex(5);
    c.tileList->onMouseDown({-1, ui::kLeftButton, 0, 0, 0});
    const ui::BitmapRef before = c.cells[1]->bitmap();
    QWidget* area = (*named)->viewport();
    const WholeMapViewport& view = program.wholeMap()->controller().viewport();
    const QPoint firstCell(view.origin().x + view.zoom() / 2, view.origin().y + view.zoom() / 2);
    QTest::mouseClick(area, Qt::LeftButton, Qt::NoModifier, firstCell);
    ASSERT_EQ(program.form().state().grid.at(1, 1), 5);
    EXPECT_EQ(c.cells[1]->bitmap(), c.cells[0]->bitmap());
    QTest::keyClick(whole->windowHandle(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(program.form().state().grid.at(1, 1), 0);
    EXPECT_EQ(c.cells[1]->bitmap(), before);
    QTest::keyClick(whole->windowHandle(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(program.form().state().grid.at(1, 1), 5);

    c.scriptList->addItem("set player 3 1 130 250 2");
    c.scriptList->setSelectedIndex(0);
    QTest::keyClick(whole->windowHandle(), Qt::Key_Delete);
    EXPECT_EQ(c.scriptList->count(), 1);

    bool openAtTheClose = false;
    QTimer::singleShot(0, editor, [&] {
        openAtTheClose = whole->isVisible();
        editor->close();
    });
    QTimer guard;  // ends a loop that the close did not end
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(5000);
    EXPECT_EQ(app_.exec(), 0);
    EXPECT_TRUE(openAtTheClose);
}

}  // namespace
}  // namespace terraloom
