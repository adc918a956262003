// The whole-map window on its own, over a game folder's map1 and its
// script, to try it by hand (under Xvfb, say). Without the editor's window
// beside it, Ctrl+click moves the frame itself and row 2 of the script is
// the selected one. The tools, the clipboard and the replace dialog work as
// in the editor; undo and redo are the editor's, so not here; nothing is
// saved. Two of them running side by side paste into each other through the
// system clipboard.
//     whole_map_trial GAME-FOLDER
#include "formats/map_file.h"
#include "formats/script_file.h"
#include "terraloom/form/whole_map_window.h"
#include "toolkit/qt/qt_application.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv)
{
    std::error_code error;
    if (argc < 2 || (std::filesystem::current_path(argv[1], error), error)) {
        std::cerr << "usage: whole_map_trial GAME-FOLDER\n";
        return 2;
    }
    qtui::QtApplication app(argc, argv, "terraloom");
    terraloom::EditorState state;
    const auto tiles = formats::loadTileCatalogue();
    const auto grid = formats::loadMapFile("map\\map1.map");
    const auto rows = formats::loadScriptFile("map\\map1.msc");
    if (!tiles || !grid) {
        std::cerr << "whole_map_trial: " << argv[1] << " holds no readable map\\map1.map and map\\mapteile.lst\n";
        return 1;
    }
    state.tiles = *tiles;
    state.grid = *grid;
    state.currentTile = 1;
    tervok::BitmapCache bitmaps(app.toolkit());
    terraloom::WholeMapWindow whole(app.toolkit(), state, bitmaps);
    whole.onViewMoveAsked = [&](const terraloom::ViewPosition& view) {
        state.view = view;
        whole.showViewFrame();
    };
    if (rows)
        whole.showScript(*rows);
    whole.scriptRowSelected(1);
    whole.window().onClose = [&] { app.toolkit().quit(); };
    whole.show();
    return app.exec();
}
