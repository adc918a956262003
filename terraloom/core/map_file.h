#pragma once
// The binary map file: 10,000 bytes, one tile number per cell, row by row
// from the top. The byte at offset (y - 1) * 100 + (x - 1) is cell (x, y).
#include "map_grid.h"

#include <optional>
#include <string>
#include <string_view>

namespace terraloom {

constexpr std::size_t kMapFileSize = kMapSize * kMapSize;

// "map\" + name + ".map", whatever the directory fields show.
std::string mapPath(std::string_view mapName);

// The grid a file holds, or nothing when a cell holds a byte above 100.
// Bytes past the 10,000th are ignored; cells past a short file's end are 0.
std::optional<MapGrid> parseMapFile(std::string_view bytes);

// The file to write for grid: its 10,000 cells followed by whatever the old
// file held past its 10,000th byte.
std::string mapFileBytes(const MapGrid& grid, std::string_view oldBytes);

}  // namespace terraloom
