// tervok-render's figures in the data folder (the working directory): the
// map drawn into memory with the reading of its files, the drawing alone,
// the overview, and the whole work with the PNG written, each beside what
// it is compared with.
#include "common/files/bitmap_file.h"
#include "common/files/file_io.h"
#include "common/files/game_path.h"
#include "formats/map_file.h"
#include "tools/render/map_picture.h"
#include "tools/render/picture_output.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <array>
#include <set>

namespace bench {
namespace {

// Short repetitions: the median over many of them is what is reported.
#define TERVOK_TOOL_BENCHMARK(function) BENCHMARK(function)->MinTime(0.1)->Unit(benchmark::kMicrosecond)

constexpr const char* kMap = "map\\map1.map";
constexpr const char* kPicture = "render-bench.png";

// What tervok-render reads and draws for the whole map, up to the picture
// in memory.
QImage renderMapFromFiles()
{
    const tervok::Result<formats::MapGrid> grid = formats::loadMapFile(kMap);
    const formats::TileCatalogue catalogue = formats::loadTileCatalogue().valueOr({});
    const formats::MapGrid cells = grid.valueOr({});
    return render::drawMap(cells, render::TileBlocks(catalogue, cells, render::bitmapFilesInWorkingDirectory()));
}

struct LoadedMap {
    formats::MapGrid grid = formats::loadMapFile(kMap).valueOr({});
    formats::TileCatalogue catalogue = formats::loadTileCatalogue().valueOr({});
};

void render_map(benchmark::State& state)
{
    for (auto _ : state) {
        QImage picture = renderMapFromFiles();
        benchmark::DoNotOptimize(picture.constBits());
    }
}

// The same files read whole, once per distinct bitmap, with nothing
// decoded or drawn.
void render_map_read_only(benchmark::State& state)
{
    const LoadedMap map;
    std::set<std::string> bitmaps;
    for (const std::uint8_t tile : map.grid.cells())
        if (const auto path = formats::tileImagePath(map.catalogue.names[tile]))
            bitmaps.insert(*path);
    for (auto _ : state) {
        benchmark::DoNotOptimize(tervok::readWholeFile(tervok::nativePath(kMap)));
        benchmark::DoNotOptimize(tervok::readWholeFile(tervok::nativePath(formats::kTileCataloguePath)));
        for (const std::string& path : bitmaps)
            benchmark::DoNotOptimize(tervok::readBitmapFile(tervok::nativePath(path)));
    }
    state.counters["bitmaps"] = static_cast<double>(bitmaps.size());
}

void draw_map(benchmark::State& state)
{
    const LoadedMap map;
    const render::TileBlocks blocks(map.catalogue, map.grid, render::bitmapFilesInWorkingDirectory());
    for (auto _ : state) {
        QImage picture = render::drawMap(map.grid, blocks);
        benchmark::DoNotOptimize(picture.constBits());
    }
}

// The same cells drawn one by one with QPainter from decoded bitmaps.
void draw_map_qpainter(benchmark::State& state)
{
    const LoadedMap map;
    std::array<QImage, formats::kMaxTile + 1> tiles;
    for (std::size_t tile = 0; tile < tiles.size(); ++tile)
        if (const auto path = formats::tileImagePath(map.catalogue.names[tile]))
            tiles[tile] = QImage(QString::fromStdString(tervok::nativePath(*path).string()));
    for (auto _ : state) {
        QImage picture(render::kMapPixels, render::kMapPixels, QImage::Format_RGB32);
        QPainter painter(&picture);
        for (int y = 1; y <= formats::kMapSize; ++y) {
            for (int x = 1; x <= formats::kMapSize; ++x) {
                const QRect cell((x - 1) * 20, (y - 1) * 20, 20, 20);
                painter.fillRect(cell, QColor::fromRgb(render::kNeutralColour));
                painter.drawImage(cell.topLeft(), tiles[map.grid.at(x, y)], QRect(0, 0, 20, 20));
            }
        }
        painter.end();
        benchmark::DoNotOptimize(picture.constBits());
    }
}

void draw_overview(benchmark::State& state)
{
    const LoadedMap map;
    for (auto _ : state) {
        QImage picture = render::drawOverview(map.grid, map.catalogue);
        benchmark::DoNotOptimize(picture.constBits());
    }
}

void draw_overview_qpainter(benchmark::State& state)
{
    const LoadedMap map;
    for (auto _ : state) {
        QImage picture(render::kOverviewPixels, render::kOverviewPixels, QImage::Format_RGB32);
        QPainter painter(&picture);
        for (int y = 1; y <= formats::kMapSize; ++y)
            for (int x = 1; x <= formats::kMapSize; ++x)
                painter.fillRect(2 * x - 2, 2 * y - 2, 2, 2,
                                 QColor::fromRgb(render::toQRgb(formats::classColour(map.catalogue.classes[map.grid.at(x, y)]))));
        painter.end();
        benchmark::DoNotOptimize(picture.constBits());
    }
}

// The whole work of "tervok-render map\map1.map": read, draw, encode and
// replace the picture file safely.
void render_png(benchmark::State& state)
{
    for (auto _ : state) {
        if (!render::writePicture(renderMapFromFiles(), kPicture))
            state.SkipWithError("cannot write the picture");
    }
}

// Qt alone writing the same picture, already drawn, to a file of the same
// kind.
void render_png_qt_save(benchmark::State& state)
{
    const QImage picture = renderMapFromFiles();
    for (auto _ : state) {
        if (!picture.save(kPicture, "png"))
            state.SkipWithError("cannot write the picture");
    }
}

}  // namespace

TERVOK_TOOL_BENCHMARK(render_map);
TERVOK_TOOL_BENCHMARK(render_map_read_only);
TERVOK_TOOL_BENCHMARK(draw_map);
TERVOK_TOOL_BENCHMARK(draw_map_qpainter);
TERVOK_TOOL_BENCHMARK(draw_overview);
TERVOK_TOOL_BENCHMARK(draw_overview_qpainter);
TERVOK_TOOL_BENCHMARK(render_png);
TERVOK_TOOL_BENCHMARK(render_png_qt_save);

}  // namespace bench
