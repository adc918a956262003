// terraloom's whole-map window on the Qt back end, in a window of 1920 x 1080
// pixels, over map A and the folder's map1 script (32,767 rows with their
// markers in the worst case): the window alone for full repaints at fit zoom
// and at 100 %, a zoom step and a pan step; and with the editor window beside
// it, as the program runs them, its opening (Ctrl+M to the first frame), one
// cell painted, a 100-cell drag undone and redone, each with every repaint
// it causes, and the memory that opening the window takes.
#include "bench/editor_benchmarks.h"
#include "bench/qt_driving.h"
#include "bench/whole_map_driving.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <memory>

namespace bench {
namespace {

constexpr double kMiB = 1024.0 * 1024.0;

// The baseline: a widget of the canvas's size that paints the same visible
// part of the same picture with a single QPainter::drawImage.
class DrawImageWidget : public QWidget {
public:
    explicit DrawImageWidget(const qtui::CanvasView& view) : view_(view)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        resize(view.viewport()->size());
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        const qtui::CanvasPlacement& at = view_.placement();
        view_.picture().draw(painter, event->rect(), at.zoom, at.origin);
    }

private:
    const qtui::CanvasView& view_;
};

void drawImageBaseline(benchmark::State& state, bool fit)
{
    WholeMap w;
    fit ? w.fit() : w.actualSize();
    paintPending();
    DrawImageWidget widget(w.view());
    showAndPaint(&widget);
    for (auto _ : state) {
        widget.update();
        paintPending();
    }
}

void repaintAt(benchmark::State& state, bool fit)
{
    WholeMap w;
    fit ? w.fit() : w.actualSize();
    paintPending();
    state.counters["zoom"] = w.view().placement().zoom;
    state.counters["widgets_painted"] = paintsDuring([&] { w.area()->update(); });
    for (auto _ : state)
        w.repaint();
}

void whole_map_repaint_fit(benchmark::State& state) { repaintAt(state, true); }
void whole_map_repaint_fit_drawimage(benchmark::State& state) { drawImageBaseline(state, true); }
void whole_map_repaint_actual(benchmark::State& state) { repaintAt(state, false); }
void whole_map_repaint_actual_drawimage(benchmark::State& state) { drawImageBaseline(state, false); }

// One level in, one level out, around the canvas's centre at 100 %.
void whole_map_zoom_step(benchmark::State& state)
{
    WholeMap w;
    w.actualSize();
    paintPending();
    bool in = true;
    for (auto _ : state) {
        w.key(in ? Qt::Key_Equal : Qt::Key_Minus);
        in = !in;
        paintPending();
    }
}

// One wheel notch down, one up, at 100 %: three cells each.
void whole_map_pan_step(benchmark::State& state)
{
    WholeMap w;
    w.actualSize();
    paintPending();
    int angle = -120;
    for (auto _ : state) {
        const QPointF at = w.centre();
        QWheelEvent wheel(at, w.area()->mapToGlobal(at), {}, {0, angle}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(w.area(), &wheel);
        angle = -angle;
        paintPending();
    }
}

void whole_map_open(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto t = std::make_unique<Terraloom>();
        state.ResumeTiming();
        t->open();
        state.PauseTiming();
        t.reset();
        paintPending();
        state.ResumeTiming();
    }
}

// The baseline: the same window shown again after a close, which draws the
// same first frame without making the window.
void whole_map_reopen(benchmark::State& state)
{
    Terraloom t;
    t.open();
    for (auto _ : state) {
        state.PauseTiming();
        t.program->wholeMap()->window().hide();
        paintPending();
        state.ResumeTiming();
        t.open();
    }
}

// A left click in the canvas on a cell of the editor's view, with two tiles
// in turn so that every click changes the cell: the canvas, the view cell
// and the overview are repainted.
struct PaintInView : Terraloom {
    QPoint at;
    terraloom::MapCell cell{5, 5};

    PaintInView()
    {
        terraloom::WholeMapWindow& whole = open();
        whole.controller().showActualSize();
        whole.controller().showTopLeft();
        paintPending();
        at = {(cell.x - 1) * 20 + 10, (cell.y - 1) * 20 + 10};
    }
    void click()
    {
        int& current = program->form().state().currentTile;
        current = current == 1 ? 2 : 1;
        sendPointer(area(), QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        sendPointer(area(), QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }
};

void whole_map_one_paint(benchmark::State& state)
{
    PaintInView t;
    state.counters["widgets_painted"] = paintsDuring([&] { t.click(); });
    for (auto _ : state) {
        t.click();
        paintPending();
    }
}

// The baseline: the repaint of the same canvas cell, view cell and overview
// square, unchanged.
void whole_map_one_paint_repaint_only(benchmark::State& state)
{
    PaintInView t;
    const auto repaint = [&] {
        canvasView(*t.program->wholeMap()).repaintCell(t.cell.x - 1, t.cell.y - 1);
        scheduleRepaint(*t.c->cells[static_cast<std::size_t>(t.program->form().state().view.viewCellOf(t.cell))]);
        scheduleRepaint(*t.c->overview);
    };
    state.counters["widgets_painted"] = paintsDuring(repaint);
    for (auto _ : state) {
        repaint();
        paintPending();
    }
}

// A left drag across the whole width of the map in the row of the view's
// fifth row: 100 cells, ten of them in the view, one step. Timed: Ctrl+Z and
// Ctrl+Y in the whole-map window, each with every repaint.
void whole_map_drag_undo_redo(benchmark::State& state)
{
    PaintInView t;
    terraloom::EditorState& editor = t.program->form().state();
    editor.currentTile = 2;
    t.key(Qt::Key_0, Qt::ControlModifier);  // fit: the whole row in view
    paintPending();
    const terraloom::WholeMapViewport& view = t.program->wholeMap()->controller().viewport();
    const int zoom = view.zoom();
    const terraloom::CanvasPoint origin = view.origin();
    const int y = origin.y + 4 * zoom + zoom / 2;
    const formats::MapGrid before = editor.grid;
    sendPointer(t.area(), QEvent::MouseButtonPress, {origin.x + zoom / 2, y}, Qt::LeftButton, Qt::LeftButton);
    sendPointer(t.area(), QEvent::MouseMove, {origin.x + 99 * zoom + zoom / 2, y}, Qt::NoButton, Qt::LeftButton);
    sendPointer(t.area(), QEvent::MouseButtonRelease, {origin.x + 99 * zoom + zoom / 2, y}, Qt::LeftButton,
                Qt::NoButton);
    paintPending();
    int changed = 0;
    for (std::size_t i = 0; i < before.cells().size(); ++i)
        changed += before.cells()[i] != editor.grid.cells()[i] ? 1 : 0;
    state.counters["cells"] = changed;
    const formats::MapGrid painted = editor.grid;
    state.counters["widgets_painted"] = paintsDuring([&] {
        t.key(Qt::Key_Z, Qt::ControlModifier);
        paintPending();
        t.key(Qt::Key_Y, Qt::ControlModifier);
    });
    if (editor.grid != painted || editor.history.undoSteps() != 1) {
        state.SkipWithError("the keys did not undo and redo the drag");
        return;
    }
    for (auto _ : state) {
        t.key(Qt::Key_Z, Qt::ControlModifier);
        paintPending();
        t.key(Qt::Key_Y, Qt::ControlModifier);
        paintPending();
    }
}

struct Opening {
    double growth = 0;  // the heap that opening and painting the window took
    double pictureAndBuffer = 0;
};

// Measured once, at the first opening in the process (Ctrl+M in the editor
// with its map, script and bitmaps already there); every repetition reports
// it.
const Opening& firstOpening()
{
    static const Opening opening = [] {
        Terraloom editor;
        paintPending();
        const double before = heapInUse();
        terraloom::WholeMapWindow& whole = editor.open();
        paintPending();
        const double growth = heapInUse() - before;
        const QWidget* window = widgetOf(whole.window());
        const double ratio = window->devicePixelRatioF();
        const double buffer = window->width() * ratio * window->height() * ratio * sizeof(QRgb);
        const double picture = static_cast<double>(canvasView(whole).picture().image().sizeInBytes());
        return Opening{growth, picture + buffer};
    }();
    return opening;
}

void whole_map_memory(benchmark::State& state)
{
    const Opening& opening = firstOpening();
    for (auto _ : state)
        benchmark::DoNotOptimize(opening.growth);
    state.counters["mib"] = opening.growth / kMiB;
    state.counters["beyond_mib"] = (opening.growth - opening.pictureAndBuffer) / kMiB;
}

void whole_map_memory_picture_and_buffer(benchmark::State& state)
{
    const Opening& opening = firstOpening();
    for (auto _ : state)
        benchmark::DoNotOptimize(opening.pictureAndBuffer);
    state.counters["mib"] = opening.pictureAndBuffer / kMiB;
}

}  // namespace

// The memory first: it is measured at the first opening of the window.
BENCHMARK(whole_map_memory)->Iterations(1);
BENCHMARK(whole_map_memory_picture_and_buffer)->Iterations(1);
TERVOK_BENCHMARK(whole_map_repaint_fit);
TERVOK_BENCHMARK(whole_map_repaint_fit_drawimage);
TERVOK_BENCHMARK(whole_map_repaint_actual);
TERVOK_BENCHMARK(whole_map_repaint_actual_drawimage);
TERVOK_BENCHMARK(whole_map_open);
TERVOK_BENCHMARK(whole_map_reopen);
TERVOK_BENCHMARK(whole_map_one_paint);
TERVOK_BENCHMARK(whole_map_one_paint_repaint_only);
TERVOK_BENCHMARK(whole_map_drag_undo_redo);
TERVOK_BENCHMARK(whole_map_zoom_step);
TERVOK_BENCHMARK(whole_map_pan_step);

}  // namespace bench
