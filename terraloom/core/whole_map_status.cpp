#include "terraloom/core/whole_map_status.h"

#include "common/text/number_reader.h"

namespace terraloom {
namespace {

// "tile 3 wall001", or "tile 3" for a tile without a name.
std::string tileText(const EditorState& state, int tile)
{
    std::string text = "tile " + std::to_string(tile);
    if (tile >= 0 && tile <= formats::kMaxTile && !state.tiles.names[static_cast<std::size_t>(tile)].empty())
        text += " " + state.tiles.names[static_cast<std::size_t>(tile)];
    return text;
}

}  // namespace

std::string cellText(const EditorState& state, const MapCell& cell)
{
    return "cell (" + std::to_string(cell.x) + ", " + std::to_string(cell.y) +
           "): " + tileText(state, state.grid.at(cell.x, cell.y));
}

std::string mapPixelText(const ScriptPosition& pixel)
{
    return "pixel (" + tervok::plainText(static_cast<long long>(pixel.x)) + ", " + std::to_string(pixel.y) + ")";
}

std::string zoomText(int zoom)
{
    return "zoom " + std::to_string(zoom * 100 / kActualSizeZoom) + " %";
}

std::string currentTileText(const EditorState& state)
{
    return "current " + tileText(state, state.currentTile);
}

}  // namespace terraloom
