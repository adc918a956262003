// The editors' figures on the Qt back end (offscreen), in one data folder:
//     tervok_bench_editors <data-folder> <title> [benchmark options]
// The folder is changed by the save benchmarks: give it a copy.
#include "bench/editor_benchmarks.h"
#include "bench/figure_table.h"
#include "bench/table_reporter.h"
#include "common/files/file_io.h"
#include "common/files/game_path.h"
#include "toolkit/qt/qt_application.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>

namespace bench {
namespace {

std::vector<Figure> editorFigures()
{
    return {
        timed("view redraw, 100 cells + repaint", "view_redraw", "bitmaps read from disk", "view_redraw_from_disk",
              {0.2, 0.05}),
        timed("scroll by the slider + repaint", "slider_scroll", "bitmaps read from disk",
              "slider_scroll_from_disk"),
        timed("scroll by a button + repaint", "button_scroll", "scroll by the slider + repaint", "slider_scroll"),
        timed("overview redraw, 10,000 squares + repaint", "overview_redraw", "QPainter fills + repaint",
              "overview_redraw_qpainter", {0.5, {}}),
        timed("one Shift-move paint + repaint", "one_paint", "repaint alone", "one_paint_repaint_only", {0.1, {}}),
        timed("undo of a 100-cell stroke + repaint", "stroke_undo", "one Shift-move paint + repaint", "one_paint",
              {0.5, {}}),
        timed("redo of a 100-cell stroke + repaint", "stroke_redo", "one Shift-move paint + repaint", "one_paint",
              {0.5, {}}),
        timed("map load, both redraws + repaint", "map_load", "reading the file", "map_load_read_only", {1.0, {}}),
        timed("map save", "map_save", "plain write", "map_save_plain_write"),
        timed("script load + repaint", "script_load", "reading the file", "script_read_only", {8.0, {}}),
        timed("script save", "script_save", "plain write", "script_plain_write"),
        timed("whole map 1920 x 1080: repaint at fit zoom", "whole_map_repaint_fit", "QPainter::drawImage, same area",
              "whole_map_repaint_fit_drawimage", {4.0, {}}),
        timed("whole map: repaint at 100 %", "whole_map_repaint_actual", "QPainter::drawImage, same area",
              "whole_map_repaint_actual_drawimage", {4.0, {}}),
        timed("whole map: Ctrl+M to the first frame", "whole_map_open", "showing it again after a close",
              "whole_map_reopen", {30.0, {}}),
        timed("whole map: one cell painted, canvas + view + overview repainted", "whole_map_one_paint",
              "repaint of the three alone", "whole_map_one_paint_repaint_only", {0.5, {}}),
        timed("whole map: 100-cell drag undone and redone + every repaint", "whole_map_drag_undo_redo",
              "one cell painted + repaint", "whole_map_one_paint", {1.0, {}}),
        timed("whole map: zoom step at 100 % + repaint", "whole_map_zoom_step", "QPainter::drawImage at 100 %",
              "whole_map_repaint_actual_drawimage", {4.0, {}}),
        timed("whole map: pan step (wheel) + repaint", "whole_map_pan_step", "QPainter::drawImage at 100 %",
              "whole_map_repaint_actual_drawimage", {4.0, {}}),
        {"whole map: heap taken by opening it", "whole_map_memory", "picture + drawing buffer",
         "whole_map_memory_picture_and_buffer", "MiB", {}, "mib"},
        {"whole map: opening's heap beyond those two", "whole_map_memory", "", "", "MiB", {4.0, {}}, "beyond_mib"},
        timed("flood fill of the whole map + step + every repaint", "region_flood_fill",
              "every window repainted as it is", "region_repaint_fit", {4.0, {}}),
        timed("its undo (Ctrl+Z) + every repaint", "region_flood_undo", "every window repainted as it is",
              "region_repaint_fit", {4.0, {}}),
        timed("its redo (Ctrl+Y) + every repaint", "region_flood_redo", "every window repainted as it is",
              "region_repaint_fit", {4.0, {}}),
        timed("flood fill of the whole map, grid alone", "region_flood_fill_grid", "one pass over the grid",
              "region_grid_pass", {0.5, {}}),
        timed("100 x 100 paste placed + every repaint", "region_paste_place", "every window repainted as it is",
              "region_repaint_fit", {4.0, {}}),
        timed("replace over the whole map (step, pictures)", "region_replace_whole_map",
              "every window repainted as it is", "region_repaint_fit", {2.0, {}}),
        {"history: heap a 10,000-cell step", "region_history_memory", "", "", "B", {40064.0, {}},
         "whole_map_step_bytes"},
        {"history: heap a 1-cell step", "region_history_memory", "", "", "B", {68.0, {}}, "one_cell_step_bytes"},
        {"history: heap after 1,000 whole-map fills", "region_history_memory", "", "", "MiB", {16.0, {}},
         "thousand_fills_mib"},
        timed("player load + repaint", "player_load", "reading the file", "player_read_only"),
        timed("player save", "player_save", "plain write", "player_plain_write"),
        timed("shot load + repaint", "shot_load", "reading the file", "shot_read_only"),
        timed("shot save", "shot_save", "plain write", "shot_plain_write"),
        timed("catalogue load + repaint", "catalogue_load", "reading the file", "catalogue_read_only"),
        timed("catalogue save", "catalogue_save", "plain write", "catalogue_plain_write"),
    };
}

}  // namespace

bool writeMapVariants()
{
    const tervok::Result<std::string> map = tervok::readWholeFile(tervok::nativePath("map\\map1.map"));
    if (!map || map->size() < 10000)
        return false;
    std::string shifted = map->substr(0, 10000);
    for (std::size_t row = 0; row < 100; ++row)
        for (std::size_t column = 0; column < 100; ++column)
            shifted[row * 100 + column] = (*map)[row * 100 + (column + 1) % 100];
    return tervok::replaceFile(tervok::nativePath(std::string("map\\") + kMapA + ".map"), map->substr(0, 10000)) &&
           tervok::replaceFile(tervok::nativePath(std::string("map\\") + kMapB + ".map"), shifted);
}

}  // namespace bench

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::cerr << "usage: tervok_bench_editors <data-folder> <title> [benchmark options]\n";
        return 2;
    }
    std::error_code error;
    std::filesystem::current_path(argv[1], error);
    if (error || !bench::writeMapVariants()) {
        std::cerr << "tervok_bench_editors: " << argv[1] << " is not a writable data folder with map\\map1.map\n";
        return 1;
    }
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int qtArgc = 1;
    qtui::QtApplication app(qtArgc, argv, "tervok_bench");
    const std::string title = std::string("Editors on ") + argv[2];
    argv[2] = argv[0];
    return bench::runWithTable(argc - 2, argv + 2, title, bench::editorFigures(), 9);
}
