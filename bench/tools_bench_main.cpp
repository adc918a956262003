// The command-line tools' figures, in one data folder:
//     tervok_bench_tools <data-folder> <title> [benchmark options]
// tervok-render and tervok-tmx write into the folder: give it a copy. Nothing
// here starts a QGuiApplication, as the tools start none.
#include "bench/figure_table.h"
#include "bench/table_reporter.h"

#include <filesystem>
#include <iostream>

namespace bench {
namespace {

std::vector<Figure> toolFigures()
{
    return {
        timed("render: map, catalogue, bitmaps read, map drawn", "render_map", "reading the files alone",
              "render_map_read_only", {10.0, {}}),
        timed("render: 10,000 cells drawn, tiles decoded", "draw_map", "QPainter per cell", "draw_map_qpainter",
              {10.0, {}}),
        timed("render: overview drawn", "draw_overview", "QPainter fills", "draw_overview_qpainter"),
        timed("render: whole map read, drawn, PNG written", "render_png", "QImage::save of the picture",
              "render_png_qt_save", {{}, 1.5}),
        timed("tmx: export, map with a 100-row script", "tmx_export", "its files read, the TMX saved",
              "tmx_export_files", {{}, 1.5}),
        timed("tmx: import of that TMX", "tmx_import", "TMX read, map and script saved", "tmx_import_files",
              {{}, 1.5}),
        timed("tmx: import of map1's TMX (worst: 32,767 rows)", "tmx_import_map1", "one pass of Qt's XML reader",
              "tmx_xml_pass", {{}, 3.0}),
    };
}

}  // namespace
}  // namespace bench

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::cerr << "usage: tervok_bench_tools <data-folder> <title> [benchmark options]\n";
        return 2;
    }
    std::error_code error;
    std::filesystem::current_path(argv[1], error);
    if (error || !std::filesystem::is_regular_file("map/map1.map")) {
        std::cerr << "tervok_bench_tools: " << argv[1] << " is not a data folder with map\\map1.map\n";
        return 1;
    }
    const std::string title = std::string("Tools on ") + argv[2];
    argv[2] = argv[0];
    return bench::runWithTable(argc - 2, argv + 2, title, bench::toolFigures(), 9);
}
