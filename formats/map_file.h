#pragma once
// The binary map file: 10,000 bytes, one tile number per cell, row by row
// from the top. The byte at offset (y - 1) * 100 + (x - 1) is cell (x, y).
#include "common/errors/result.h"
#include "formats/map_grid.h"

#include <string>
#include <string_view>

namespace formats {

constexpr std::size_t kMapFileSize = kMapSize * kMapSize;

// "map\" + name + ".map", whatever the directory fields show.
std::string mapPath(std::string_view mapName);

// The grid a file holds; a format error at the first cell that holds a byte
// above 100. Bytes past the 10,000th are ignored; cells past a short file's
// end are 0.
tervok::Result<MapGrid> parseMapFile(std::string_view bytes);

// The file to write for grid: its 10,000 cells followed by whatever the old
// file held past its 10,000th byte.
std::string mapFileBytes(const MapGrid& grid, std::string_view oldBytes);

// Reads and parses the map file at a game path.
tervok::Result<MapGrid> loadMapFile(std::string_view gamePath);

// Replaces the map file at a game path safely. An existing file is read
// first, so that the bytes it holds past the map are kept; when it cannot
// be read, nothing is written.
tervok::Status saveMapFile(std::string_view gamePath, const MapGrid& grid);

// Makes sure a map file exists ("new"): an empty one when it was missing;
// an existing file is left as it is.
tervok::Status createMapFile(std::string_view gamePath);

}  // namespace formats
