// The whole-map window alone on the Qt back end, in a window of 1920 x 1080
// pixels, over map A and the folder's map1 script (32,767 rows with their
// markers in the worst case): full repaints at fit zoom and at 100 %, one
// painted cell, a zoom step and a pan step, each with its repaint; and the
// memory that opening the window takes.
#include "bench/editor_benchmarks.h"
#include "bench/qt_driving.h"
#include "bench/whole_map_driving.h"

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

// A left click on a cell near the centre, with two tiles in turn so that
// every click changes the cell.
void whole_map_one_paint(benchmark::State& state)
{
    WholeMap w;
    w.actualSize();
    paintPending();
    int& current = w.editor.state.currentTile;
    const int first = 1;
    const int second = 2;
    const QPoint at = w.centre();
    const auto click = [&] {
        current = current == first ? second : first;
        sendPointer(w.area(), QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        sendPointer(w.area(), QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    };
    state.counters["widgets_painted"] = paintsDuring(click);
    for (auto _ : state) {
        click();
        paintPending();
    }
}

void whole_map_one_paint_repaint_only(benchmark::State& state)
{
    WholeMap w;
    w.actualSize();
    paintPending();
    const terraloom::CanvasPoint at{w.centre().x(), w.centre().y()};
    const terraloom::MapCell cell = *w.whole->controller().viewport().cellAt(at);
    state.counters["widgets_painted"] = paintsDuring([&] { w.view().repaintCell(cell.x - 1, cell.y - 1); });
    for (auto _ : state) {
        w.view().repaintCell(cell.x - 1, cell.y - 1);
        paintPending();
    }
}

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

struct Opening {
    double growth = 0;  // the heap that opening and painting the window took
    double pictureAndBuffer = 0;
};

// Measured once, at the first opening in the process, with the editor's
// state, script rows and bitmaps already there; every repetition reports it.
const Opening& firstOpening()
{
    static const Opening opening = [] {
        Editor editor;
        paintPending();
        const double before = heapInUse();
        const std::unique_ptr<terraloom::WholeMapWindow> whole = openWholeMap(editor);
        paintPending();
        const double growth = heapInUse() - before;
        const QWidget* window = widgetOf(whole->window());
        const double ratio = window->devicePixelRatioF();
        const double buffer = window->width() * ratio * window->height() * ratio * sizeof(QRgb);
        const double picture = static_cast<double>(canvasView(*whole).picture().image().sizeInBytes());
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
TERVOK_BENCHMARK(whole_map_one_paint);
TERVOK_BENCHMARK(whole_map_one_paint_repaint_only);
TERVOK_BENCHMARK(whole_map_zoom_step);
TERVOK_BENCHMARK(whole_map_pan_step);

}  // namespace bench
