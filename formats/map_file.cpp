#include "formats/map_file.h"

#include "common/files/file_io.h"
#include "common/files/game_file.h"
#include "common/files/game_path.h"

#include <algorithm>
#include <filesystem>
#include <functional>

namespace formats {
namespace {

// "cell (x, y) holds tile 200, above 100" for the cell at a file offset.
std::string aboveMaxTile(std::size_t offset, int tile)
{
    std::string text = "cell (";
    text += std::to_string(offset % kMapSize + 1);
    text += ", ";
    text += std::to_string(offset / kMapSize + 1);
    text += ") holds tile ";
    text += std::to_string(tile);
    text += ", above ";
    text += std::to_string(kMaxTile);
    return text;
}

}  // namespace

std::string mapPath(std::string_view mapName)
{
    return "map\\" + std::string(mapName) + ".map";
}

tervok::Result<MapGrid> parseMapFile(std::string_view bytes)
{
    const std::size_t used = std::min(bytes.size(), kMapFileSize);
    MapGrid grid;
    auto& cells = grid.cells();
    for (std::size_t i = 0; i < used; ++i) {
        const auto tile = static_cast<std::uint8_t>(bytes[i]);
        if (tile > kMaxTile)
            return tervok::formatErrorAtOffset(i, aboveMaxTile(i, tile));
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

tervok::Result<MapGrid> loadMapFile(std::string_view gamePath)
{
    return tervok::loadGameFile(gamePath, parseMapFile);
}

tervok::Status saveMapFile(std::string_view gamePath, const MapGrid& grid)
{
    std::string old;
    std::error_code ec;
    if (std::filesystem::exists(tervok::nativePath(gamePath), ec))
        old = TRY(tervok::loadGameFile(gamePath, std::identity()));
    return tervok::saveGameFile(gamePath, mapFileBytes(grid, old));
}

tervok::Status createMapFile(std::string_view gamePath)
{
    tervok::Status created = tervok::touchFile(tervok::nativePath(gamePath));
    if (!created)
        return tervok::atPath(created.error(), gamePath);
    return created;
}

}  // namespace formats
