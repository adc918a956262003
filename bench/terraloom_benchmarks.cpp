// The level editor on the Qt back end: view and overview redraws, one paint,
// undo and redo of a stroke, map load and save, script load and save, each
// with the repaint it causes.
#include "bench/driven_toolkit.h"
#include "bench/editor_benchmarks.h"
#include "bench/file_baselines.h"
#include "bench/qt_driving.h"
#include "common/files/game_path.h"
#include "formats/class_colours.h"
#include "formats/map_file.h"
#include "terraloom/form/form1.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <array>

namespace bench {
namespace {

using terraloom::Form1Controls;

// The level editor's window, shown and painted, with map A loaded.
struct Terraloom {
    DrivenToolkit toolkit{"terraloom"};
    terraloom::Form1 form{toolkit};
    Form1Controls& c = form.controls();

    Terraloom()
    {
        showAndPaint(*c.window);
        loadMap(kMapA);
    }

    void loadMap(const char* name)
    {
        c.mapName->setText(name);
        click(*c.loadMap);
        paintPending();
    }

    // Moves the view one column right or back to the first column, so every
    // view cell changes its tile on the worst-case map.
    int nextColumn() const { return c.viewColumnSlider->value() == 1 ? 2 : 1; }
};

// Maps A and B in turn: B is A moved one column, so on the worst case every
// view cell changes its tile.
struct TwoGrids {
    explicit TwoGrids(terraloom::EditorState& state) : state(state), other(state.grid)
    {
        for (int y = 1; y <= formats::kMapSize; ++y)
            for (int x = 1; x <= formats::kMapSize; ++x)
                other.set(x, y, state.grid.at(x % formats::kMapSize + 1, y));
    }
    void swap() { std::swap(state.grid, other); }

    terraloom::EditorState& state;
    formats::MapGrid other;
};

// The view redraw alone, as the editor runs it: "new" answered with Cancel
// redraws the view and changes nothing else. The grid is swapped for the
// other map before each click.
void view_redraw(benchmark::State& state)
{
    Terraloom t;
    t.toolkit.answerMessages(ui::kAnswerCancel);
    TwoGrids grids(t.form.state());
    const auto redraw = [&] {
        grids.swap();
        click(*t.c.newMap);
    };
    redraw();
    paintPending();
    state.counters["widgets_painted"] = paintsDuring(redraw);
    for (auto _ : state) {
        redraw();
        paintPending();
    }
}

// The same redraw with every bitmap decoded from its file again.
void redrawFromDisk(Terraloom& t)
{
    const terraloom::EditorState& state = t.form.state();
    for (int k = 1; k <= terraloom::kViewCells; ++k) {
        const terraloom::MapCell cell = state.view.cellOf(k);
        const std::string& name = state.tiles.names[state.grid.at(cell.x, cell.y)];
        const std::optional<std::string> path = formats::tileImagePath(name);
        t.c.cells[static_cast<std::size_t>(k)]->setBitmap(
            name.empty() || !path ? nullptr : t.toolkit.loadBitmap(tervok::nativePath(*path)).valueOr(nullptr));
    }
    t.c.viewPositionLabel->setCaption(terraloom::positionText(state.view));
}

void view_redraw_from_disk(benchmark::State& state)
{
    Terraloom t;
    TwoGrids grids(t.form.state());
    const auto redraw = [&] {
        grids.swap();
        redrawFromDisk(t);
    };
    state.counters["widgets_painted"] = paintsDuring(redraw);
    for (auto _ : state) {
        redraw();
        paintPending();
    }
}

// Scrolling one column with the position slider: the view redraw, and the
// repaint of the slider, of the label and of the controls the slider
// overlaps.
void slider_scroll(benchmark::State& state)
{
    Terraloom t;
    moveSlider(*t.c.viewColumnSlider, 2);
    moveSlider(*t.c.viewColumnSlider, 1);
    paintPending();
    state.counters["widgets_painted"] = paintsDuring([&] { moveSlider(*t.c.viewColumnSlider, t.nextColumn()); });
    for (auto _ : state) {
        moveSlider(*t.c.viewColumnSlider, t.nextColumn());
        paintPending();
    }
}

// Scrolling one column with ">" and "<" in turn (a step of one): the view
// moves first and the position slider follows, whose change handler finds
// the view drawn already; the same repaint as the slider scroll.
void button_scroll(benchmark::State& state)
{
    Terraloom t;
    moveSlider(*t.c.horizontalStep, 1);
    const auto scroll = [&] { click(t.nextColumn() == 2 ? *t.c.scrollRight : *t.c.scrollLeft); };
    scroll();
    scroll();
    paintPending();
    state.counters["widgets_painted"] = paintsDuring(scroll);
    for (auto _ : state) {
        scroll();
        paintPending();
    }
}

// The same scroll with every bitmap decoded from its file again.
void slider_scroll_from_disk(benchmark::State& state)
{
    Terraloom t;
    int column = 1;
    const auto scroll = [&] {
        column = 3 - column;
        {
            const QSignalBlocker quiet(widgetOf(*t.c.viewColumnSlider));
            moveSlider(*t.c.viewColumnSlider, column);
        }
        t.form.state().view.column = column;
        redrawFromDisk(t);
    };
    state.counters["widgets_painted"] = paintsDuring(scroll);
    for (auto _ : state) {
        scroll();
        paintPending();
    }
}

void overview_redraw(benchmark::State& state)
{
    Terraloom t;
    state.counters["widgets_painted"] = paintsDuring([&] { click(*t.c.redraw); });
    for (auto _ : state) {
        click(*t.c.redraw);
        paintPending();
    }
}

// The same squares filled one by one with QPainter into an image, and the
// overview repainted.
void overview_redraw_qpainter(benchmark::State& state)
{
    Terraloom t;
    const terraloom::EditorState& editor = t.form.state();
    QImage image(200, 200, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        for (int y = 1; y <= formats::kMapSize; ++y) {
            for (int x = 1; x <= formats::kMapSize; ++x) {
                const ui::Colour colour = formats::classColour(editor.tiles.classes[editor.grid.at(x, y)]);
                painter.fillRect(2 * x - 2, 2 * y - 2, 2, 2,
                                 QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                                        static_cast<int>((colour >> 16) & 0xFF)));
            }
        }
        painter.end();
        scheduleRepaint(*t.c.overview);
        paintPending();
    }
    benchmark::DoNotOptimize(image.constBits());
}

// Two named tiles to paint with in turn, so every paint changes the cell.
std::pair<int, int> twoNamedTiles(const terraloom::EditorState& state)
{
    std::vector<int> named;
    for (int tile = 1; tile <= formats::kMaxTile && named.size() < 2; ++tile)
        if (!state.tiles.names[static_cast<std::size_t>(tile)].empty())
            named.push_back(tile);
    named.resize(2, 0);
    return {named[0], named[1]};
}

// One Shift-move over view cell 45: grid cell, view cell and overview square.
void one_paint(benchmark::State& state)
{
    Terraloom t;
    const auto [first, second] = twoNamedTiles(t.form.state());
    int& current = t.form.state().currentTile;
    const ui::PictureBox& cell = *t.c.cells[45];
    current = first;
    shiftMove(cell);
    paintPending();
    state.counters["widgets_painted"] = paintsDuring([&] {
        current = second;
        shiftMove(cell);
    });
    for (auto _ : state) {
        current = current == first ? second : first;
        shiftMove(cell);
        paintPending();
    }
}

void one_paint_repaint_only(benchmark::State& state)
{
    Terraloom t;
    const ui::PictureBox& cell = *t.c.cells[45];
    for (auto _ : state) {
        scheduleRepaint(cell);
        scheduleRepaint(*t.c.overview);
        paintPending();
    }
}

// A Shift-move stroke over all 100 view cells with a tile none of them
// holds, so that every cell changes; the window is active, so that its
// shortcuts take the keys.
struct TerraloomWithStroke : Terraloom {
    int cellsChanged = 0;

    TerraloomWithStroke()
    {
        QWidget* window = widgetOf(*c.window);
        window->activateWindow();
        for (int turn = 0; turn < 1000 && !window->isActiveWindow(); ++turn)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        terraloom::EditorState& state = form.state();
        const formats::MapGrid before = state.grid;
        state.currentTile = tileNotInView(state);
        for (int k = 1; k <= terraloom::kViewCells; ++k)
            shiftMove(*c.cells[static_cast<std::size_t>(k)]);
        paintPending();
        for (std::size_t i = 0; i < before.cells().size(); ++i)
            cellsChanged += before.cells()[i] != state.grid.cells()[i] ? 1 : 0;
    }

    void undo() { pressKeys(Qt::Key_Z, Qt::ControlModifier); }
    void redo() { pressKeys(Qt::Key_Y, Qt::ControlModifier); }

private:
    // A named tile if there is one, so that every cell shows a bitmap after
    // the stroke; 101 tiles never all fit in 100 cells.
    static int tileNotInView(const terraloom::EditorState& state)
    {
        std::array<bool, formats::kMaxTile + 1> inView{};
        for (int k = 1; k <= terraloom::kViewCells; ++k) {
            const terraloom::MapCell cell = state.view.cellOf(k);
            inView[state.grid.at(cell.x, cell.y)] = true;
        }
        int unnamed = -1;
        for (int tile = formats::kMaxTile; tile >= 0; --tile) {
            if (inView[static_cast<std::size_t>(tile)])
                continue;
            if (!state.tiles.names[static_cast<std::size_t>(tile)].empty())
                return tile;
            unnamed = tile;
        }
        return unnamed;
    }

    // As the window system delivers keys: to the focused widget of the
    // active window, where Qt's shortcut map sees them first.
    void pressKeys(Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : widgetOf(*c.window);
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QCoreApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers);
        QCoreApplication::sendEvent(target, &release);
    }
};

using StrokeKey = void (TerraloomWithStroke::*)();

// Times one key on the stroke with its repaint; the other key, which puts
// the stroke back where it was, runs outside the timing.
void timeStrokeKey(benchmark::State& state, StrokeKey timed, StrokeKey untimed)
{
    TerraloomWithStroke t;
    const formats::MapGrid& grid = t.form.state().grid;
    state.counters["cells"] = t.cellsChanged;
    if (timed == &TerraloomWithStroke::redo) {
        t.undo();
        paintPending();
    }
    const formats::MapGrid start = grid;
    state.counters["widgets_painted"] = paintsDuring([&] { (t.*timed)(); });
    if (grid == start) {
        state.SkipWithError("the key did not reach the window's shortcut");
        return;
    }
    (t.*untimed)();
    paintPending();
    for (auto _ : state) {
        (t.*timed)();
        paintPending();
        state.PauseTiming();
        (t.*untimed)();
        paintPending();
        state.ResumeTiming();
    }
}

void stroke_undo(benchmark::State& state)
{
    timeStrokeKey(state, &TerraloomWithStroke::undo, &TerraloomWithStroke::redo);
}

void stroke_redo(benchmark::State& state)
{
    timeStrokeKey(state, &TerraloomWithStroke::redo, &TerraloomWithStroke::undo);
}

void map_load(benchmark::State& state)
{
    Terraloom t;
    t.loadMap(kMapB);
    state.counters["widgets_painted"] = paintsDuring([&] { t.loadMap(kMapA); });
    bool a = true;
    for (auto _ : state) {
        a = !a;
        t.loadMap(a ? kMapA : kMapB);
    }
}

void map_load_read_only(benchmark::State& state)
{
    readFileBaseline(state, formats::mapPath(kMapA));
}

void map_save(benchmark::State& state)
{
    Terraloom t;
    for (auto _ : state)
        click(*t.c.saveMap);
}

void map_save_plain_write(benchmark::State& state)
{
    writeFileBaseline(state, formats::mapPath(kMapA));
}

struct TerraloomWithScript : Terraloom {
    TerraloomWithScript()
    {
        c.mapName->setText("map1");
        click(*c.loadScript);
        paintPending();
    }
};

void script_load(benchmark::State& state)
{
    TerraloomWithScript t;
    state.counters["rows"] = t.c.scriptList->count();
    for (auto _ : state) {
        click(*t.c.loadScript);
        paintPending();
    }
}

void script_save(benchmark::State& state)
{
    TerraloomWithScript t;
    for (auto _ : state)
        click(*t.c.saveScript);
}

void script_read_only(benchmark::State& state) { readFileBaseline(state, "map\\map1.msc"); }
void script_plain_write(benchmark::State& state) { writeFileBaseline(state, "map\\map1.msc"); }

}  // namespace

TERVOK_BENCHMARK(view_redraw);
TERVOK_BENCHMARK(view_redraw_from_disk);
TERVOK_BENCHMARK(slider_scroll);
TERVOK_BENCHMARK(slider_scroll_from_disk);
TERVOK_BENCHMARK(button_scroll);
TERVOK_BENCHMARK(overview_redraw);
TERVOK_BENCHMARK(overview_redraw_qpainter);
TERVOK_BENCHMARK(one_paint);
TERVOK_BENCHMARK(one_paint_repaint_only);
TERVOK_BENCHMARK(stroke_undo);
TERVOK_BENCHMARK(stroke_redo);
TERVOK_BENCHMARK(map_load);
TERVOK_BENCHMARK(map_load_read_only);
TERVOK_BENCHMARK(map_save);
TERVOK_BENCHMARK(map_save_plain_write);
TERVOK_BENCHMARK(script_load);
TERVOK_BENCHMARK(script_read_only);
TERVOK_BENCHMARK(script_save);
TERVOK_BENCHMARK(script_plain_write);

}  // namespace bench
