#include "map_file.h"

#include <algorithm>

namespace terraloom {

std::string mapPath(std::string_view mapName)
{
    return "map\\" + std::string(mapName) + ".map";
}

std::optional<MapGrid> parseMapFile(std::string_view bytes)
{
    const std::size_t used = std::min(bytes.size(), kMapFileSize);
    MapGrid grid;
    auto& cells = grid.cells();
    for (std::size_t i = 0; i < used; ++i) {
        const auto tile = static_cast<std::uint8_t>(bytes[i]);
        if (tile > kMaxTile)
            return std::nullopt;
        cells[i] = tile;
    }
    return grid;
}

std::string mapFileBytes(const MapGrid& grid, std::string_view oldBytes)
{
    std::string bytes(grid.cells().begin(), grid.cells().end());
    if (oldBytes.size() > kMapFileSize)
        bytes.append(oldBytes.substr(kMapFileSize));
    return bytes;
}

}  // namespace terraloom
