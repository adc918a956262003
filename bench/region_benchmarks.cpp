// The whole-map window's region tools as the program runs them, beside the
// editor window, at fit zoom in a window of 1920 x 1080 pixels over a map of
// one tile (the worst case: a flood fill or a replace changes all 10,000
// cells, the 100 of the view among them): a flood fill with its step
// recorded and every window repainted (the canvas, the view's cells, the
// overview), its undo and its redo by the keys; the flood fill alone on the
// grid; a 100 x 100 paste placed and repainted; a replace over the whole
// map; and the heap the history takes a step.
#include "bench/editor_benchmarks.h"
#include "bench/qt_driving.h"
#include "bench/whole_map_driving.h"
#include "terraloom/core/region_clipboard.h"
#include "terraloom/core/region_edit.h"
#include "toolkit/qt/qt_picture_layer.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace bench {
namespace {

using terraloom::MapCell;

// The program with the whole-map window open at fit zoom over a map of one
// tile, with an empty history; the editor's view and overview show it too.
struct Regions : Terraloom {
    Regions()
    {
        open();
        key(Qt::Key_0, Qt::ControlModifier);
        state().grid.cells().fill(1);
        state().history.clear();
        program->wholeMap()->showGrid();
        program->form().showCells(allCells());
        paintPending();
    }
    static std::vector<MapCell> allCells()
    {
        std::vector<MapCell> cells;
        for (int y = 1; y <= formats::kMapSize; ++y)
            for (int x = 1; x <= formats::kMapSize; ++x)
                cells.push_back({x, y});
        return cells;
    }
    terraloom::WholeMapWindow& whole() { return *program->wholeMap(); }
    // The device pixel at the middle of a cell.
    QPoint cellPoint(const MapCell& cell)
    {
        const terraloom::WholeMapViewport& view = whole().controller().viewport();
        const int zoom = view.zoom();
        return {view.origin().x + (cell.x - 1) * zoom + zoom / 2, view.origin().y + (cell.y - 1) * zoom + zoom / 2};
    }
    void click(QPoint at)
    {
        sendPointer(area(), QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        sendPointer(area(), QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }
    // Every window's part that shows the map drawn again, unchanged: the
    // canvas, and the layer that paints the editor window's view cells and
    // overview.
    void repaintAll()
    {
        area()->update();
        qtui::PictureLayer::of(widgetOf(*c->overview)->parentWidget()).update();
        paintPending();
    }
};

struct FloodFilled : Regions {
    QPoint at;

    FloodFilled()
    {
        key(Qt::Key_F, Qt::NoModifier);
        at = cellPoint({50, 50});
        state().currentTile = 2;
        click(at);
        paintPending();
    }
    // Every fill changes every cell: the tiles 1 and 2 in turn.
    void fillAgain()
    {
        int& current = state().currentTile;
        current = current == 1 ? 2 : 1;
        click(at);
        paintPending();
    }
    bool filledWith(int tile)
    {
        const auto& cells = state().grid.cells();
        return std::all_of(cells.begin(), cells.end(), [&](std::uint8_t cell) { return cell == tile; });
    }
};

void region_flood_fill(benchmark::State& state)
{
    FloodFilled w;
    if (!w.filledWith(2) || w.state().history.undoSteps() != 1) {
        state.SkipWithError("the click did not fill the map as one step");
        return;
    }
    state.counters["widgets_painted"] = paintsDuring([&] { w.fillAgain(); });
    for (auto _ : state)
        w.fillAgain();
}

// Ctrl+Z and Ctrl+Y in the whole-map window, through the program's one
// history; the other of the two is not timed.
void undoOrRedo(benchmark::State& state, bool timeUndo)
{
    FloodFilled w;
    const auto undo = [&] {
        w.key(Qt::Key_Z, Qt::ControlModifier);
        paintPending();
    };
    const auto redo = [&] {
        w.key(Qt::Key_Y, Qt::ControlModifier);
        paintPending();
    };
    undo();
    const bool undone = w.filledWith(1);
    redo();
    if (!undone || !w.filledWith(2)) {
        state.SkipWithError("the keys did not undo and redo the fill");
        return;
    }
    for (auto _ : state) {
        if (!timeUndo)
            state.PauseTiming();
        undo();
        if (timeUndo)
            state.PauseTiming();
        else
            state.ResumeTiming();
        redo();
        if (timeUndo)
            state.ResumeTiming();
    }
}

void region_flood_undo(benchmark::State& state) { undoOrRedo(state, true); }
void region_flood_redo(benchmark::State& state) { undoOrRedo(state, false); }

// The region found and its changes put into the grid, without a window or
// a history.
void region_flood_fill_grid(benchmark::State& state)
{
    formats::MapGrid grid;
    grid.cells().fill(1);
    terraloom::FloodRegion region;
    std::uint8_t tile = 1;
    for (auto _ : state) {
        tile = tile == 1 ? 2 : 1;
        region.find(grid, {50, 50}, terraloom::kWholeMap);
        const terraloom::PaintStep changes = terraloom::fillRegion(region, tile);
        for (const terraloom::CellChange& change : changes)
            grid.cells()[change.place] = change.after;
        benchmark::DoNotOptimize(grid.cells().data());
    }
}

// The baseline: one pass over the 10,000 cells.
void region_grid_pass(benchmark::State& state)
{
    formats::MapGrid grid;
    grid.cells().fill(1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(grid.cells().data());
        benchmark::DoNotOptimize(std::count(grid.cells().begin(), grid.cells().end(), 1));
    }
}

// A stamp of 100 x 100 cells in two tiles, checkered, placed at cell (1, 1)
// and (2, 1) in turn, so every cell it covers changes; the pointer's move
// there is not timed.
void region_paste_place(benchmark::State& state)
{
    Regions w;
    terraloom::CellBlock stamp{100, 100, {}};
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            stamp.tiles.push_back(static_cast<std::uint8_t>((x + y) % 2 + 1));
    const std::string text = terraloom::cellsText(stamp);
    w.toolkit.setClipboard(text, terraloom::kCellsMimeType, text);
    w.key(Qt::Key_V, Qt::ControlModifier);
    if (!w.whole().controller().tools().pasting()) {
        state.SkipWithError("Ctrl+V did not start a paste");
        return;
    }
    const QPoint places[] = {w.cellPoint({1, 1}), w.cellPoint({2, 1})};
    int next = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QPoint at = places[next];
        next = 1 - next;
        sendPointer(w.area(), QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
        paintPending();
        state.ResumeTiming();
        w.click(at);
        paintPending();
    }
}

// Tile 1 by 2 and back over the whole map, each a step with the canvas's
// picture, the view's cells and the overview brought up to date; the
// repaint that follows is not timed.
void region_replace_whole_map(benchmark::State& state)
{
    Regions w;
    std::uint8_t find = 1, put = 2;
    for (auto _ : state) {
        w.whole().controller().tools().replace(find, put, terraloom::kWholeMap);
        std::swap(find, put);
        state.PauseTiming();
        paintPending();
        state.ResumeTiming();
    }
}

// The baseline: the canvas, the view's cells and the overview repainted
// as they are.
void region_repaint_fit(benchmark::State& state)
{
    Regions w;
    state.counters["widgets_painted"] = paintsDuring([&] { w.repaintAll(); });
    for (auto _ : state)
        w.repaintAll();
}

// The heap a history holds a step, as malloc counts it: steps of the whole
// map, steps of one cell, and 1,000 fills of the whole map against the
// 16 MiB cap. Measured once; every repetition reports it.
struct HistoryHeap {
    double wholeMapStep = 0;
    double oneCellStep = 0;
    double thousandFills = 0;
};

terraloom::PaintStep fillOf(int cells, std::uint8_t tile)
{
    terraloom::PaintStep step;
    for (int place = 0; place < cells; ++place)
        step.push_back({static_cast<std::uint16_t>(place), 0, tile});
    return step;
}

const HistoryHeap& historyHeap()
{
    static const HistoryHeap heap = [] {
        HistoryHeap measured;
        formats::MapGrid grid;
        const auto perStep = [&](int steps, int cells) {
            const double before = heapInUse();
            terraloom::PaintHistory history({static_cast<std::size_t>(steps), std::size_t{1} << 40});
            for (int i = 0; i < steps; ++i)
                history.record(grid, fillOf(cells, static_cast<std::uint8_t>(i % 100 + 1)));
            return (heapInUse() - before) / steps;
        };
        measured.wholeMapStep = perStep(300, 10000);
        measured.oneCellStep = perStep(1000, 1);
        const double before = heapInUse();
        terraloom::PaintHistory history;
        for (int i = 0; i < 1000; ++i)
            history.record(grid, fillOf(10000, static_cast<std::uint8_t>(i % 100 + 1)));
        measured.thousandFills = (heapInUse() - before) / (1024.0 * 1024.0);
        return measured;
    }();
    return heap;
}

void region_history_memory(benchmark::State& state)
{
    const HistoryHeap& heap = historyHeap();
    for (auto _ : state)
        benchmark::DoNotOptimize(heap.wholeMapStep);
    state.counters["whole_map_step_bytes"] = heap.wholeMapStep;
    state.counters["one_cell_step_bytes"] = heap.oneCellStep;
    state.counters["thousand_fills_mib"] = heap.thousandFills;
}

}  // namespace

BENCHMARK(region_history_memory)->Iterations(1);
TERVOK_BENCHMARK(region_flood_fill);
TERVOK_BENCHMARK(region_flood_undo);
TERVOK_BENCHMARK(region_flood_redo);
TERVOK_BENCHMARK(region_flood_fill_grid);
TERVOK_BENCHMARK(region_grid_pass);
TERVOK_BENCHMARK(region_paste_place);
TERVOK_BENCHMARK(region_replace_whole_map);
TERVOK_BENCHMARK(region_repaint_fit);

}  // namespace bench
