// The whole-map window alone on the Qt back end, in a window of 1920 x 1080
// pixels, over map A and the folder's map1 script (32,767 rows with their
// markers in the worst case): full repaints at fit zoom and at 100 %, one
// painted cell, a zoom step and a pan step, each with its repaint; and the
// memory that opening the window takes.
#include "bench/driven_toolkit.h"
#include "bench/editor_benchmarks.h"
#include "bench/qt_driving.h"
#include "formats/map_file.h"
#include "formats/script_file.h"
#include "terraloom/form/whole_map_window.h"
#include "toolkit/qt/qt_cell_canvas.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <memory>

namespace bench {
namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr double kMiB = 1024.0 * 1024.0;

// The editor's part: its state with map A and the tiles, the script's rows
// and the bitmap cache with every tile's bitmap read.
struct Editor {
    DrivenToolkit toolkit{"terraloom"};
    terraloom::EditorState state;
    tervok::BitmapCache bitmaps{toolkit};
    formats::ScriptRows rows;

    Editor()
    {
        state.tiles = formats::loadTileCatalogue().valueOr(formats::TileCatalogue{});
        state.grid = formats::loadMapFile(formats::mapPath(kMapA)).valueOr(formats::MapGrid{});
        rows = formats::loadScriptFile("map\\map1.msc").valueOr(formats::ScriptRows{});
        for (const std::string& name : state.tiles.names)
            if (const std::optional<std::string> path = name.empty() ? std::nullopt : formats::tileImagePath(name))
                bitmaps.get(*path);
    }
};

// Opens the window over the editor, 1920 x 1080 pixels, and paints it.
std::unique_ptr<terraloom::WholeMapWindow> openWholeMap(Editor& editor)
{
    auto made = std::make_unique<terraloom::WholeMapWindow>(editor.toolkit, editor.state, editor.bitmaps);
    made->showScript(editor.rows);
    made->scriptRowSelected(0);
    made->window().setGeometry({0, 0, kWidth * ui::kTwipsPerPixel, kHeight * ui::kTwipsPerPixel});
    showAndPaint(made->window());
    return made;
}

qtui::CanvasView& canvasView(terraloom::WholeMapWindow& whole)
{
    return *dynamic_cast<qtui::CanvasView*>(widgetOf(whole.canvas()));
}

void sendPointer(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

struct WholeMap {
    Editor editor;
    std::unique_ptr<terraloom::WholeMapWindow> whole = openWholeMap(editor);

    qtui::CanvasView& view() const { return canvasView(*whole); }
    QWidget* area() const { return view().viewport(); }
    QPoint centre() const { return area()->rect().center(); }

    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QCoreApplication::sendEvent(&view(), &press);
    }
    void fit() { key(Qt::Key_0); }
    void actualSize() { key(Qt::Key_1); }
    void repaint()
    {
        area()->update();
        paintPending();
    }
};

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

// The heap in use: malloc's arenas and the blocks it maps by themselves
// (the picture and the window's drawing buffer are such blocks).
double heapInUse()
{
    const struct mallinfo2 info = ::mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd);
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
