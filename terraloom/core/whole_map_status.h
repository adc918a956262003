#pragma once
// The texts of the whole-map window's status bar. Cells are numbered from 1,
// as the game counts them; a map pixel is what a script row stores.
#include "terraloom/core/editor_state.h"
#include "terraloom/core/whole_map_viewport.h"

#include <string>

namespace terraloom {

struct WholeMapStatus {
    std::string cell;   // "cell (12, 40): tile 3 wall001", empty off the map
    std::string pixel;  // "pixel (230, 790)", empty off the map
    std::string zoom;   // "zoom 100 %"
    std::string currentTile;  // "current tile 3 wall001"
    std::string region;       // the tools' report, the paste under way or the selection
    bool operator==(const WholeMapStatus&) const = default;
};

std::string cellText(const EditorState& state, const MapCell& cell);
// A map pixel is a whole number (as mapPixelAt gives it).
std::string mapPixelText(const ScriptPosition& pixel);
// A zoom of 20 device pixels a cell shows the map at its own size, 100 %.
std::string zoomText(int zoom);
std::string currentTileText(const EditorState& state);

}  // namespace terraloom
