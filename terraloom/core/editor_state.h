#pragma once
// Everything the level editor's window owns besides its controls.
#include "common/catalogue/catalogue.h"
#include "formats/map_grid.h"
#include "formats/tile_catalogue.h"
#include "terraloom/core/paint_history.h"
#include "terraloom/core/script_position.h"
#include "terraloom/core/view_navigation.h"

namespace terraloom {

struct EditorState {
    formats::MapGrid grid;
    PaintHistory history;
    formats::TileCatalogue tiles;
    int currentTile = 0;
    ViewPosition view;
    ScriptPosition scriptPosition;
    tervok::NumberTable playerNumbers{};
};

}  // namespace terraloom
