#pragma once
// Everything the level editor's window owns besides its controls.
#include "catalogue/catalogue.h"
#include "map_grid.h"
#include "paint_history.h"
#include "script_position.h"
#include "tile_catalogue.h"
#include "view_navigation.h"

namespace terraloom {

struct EditorState {
    MapGrid grid;
    PaintHistory history;
    TileCatalogue tiles;
    int currentTile = 0;
    ViewPosition view;
    ScriptPosition scriptPosition;
    tervok::NumberTable playerNumbers{};
};

}  // namespace terraloom
