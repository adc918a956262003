#pragma once
// What the region tools do to the map, apart from any window. Each gives
// the changes it would make (the place and the new tile of every cell whose
// tile changes, each cell once) and leaves the grid alone; the history's
// record() puts them into the grid as one step.
#include "formats/map_grid.h"
#include "terraloom/core/paint_history.h"
#include "terraloom/core/region_cells.h"
#include "terraloom/core/region_flood.h"

#include <cstdint>

namespace terraloom {

// Every cell of the area (cut at the map's edge) gets the tile: the
// rectangle fill, and tile 0 for cut and delete.
PaintStep fillArea(const formats::MapGrid& grid, const MapArea& area, std::uint8_t tile);

// Every cell of the region (found on the grid as it is) gets the tile; the
// changes come in file order.
PaintStep fillRegion(const FloodRegion& region, std::uint8_t tile);

// The block's cells with its top-left cell at topLeft; cells that fall
// outside the map are left out.
PaintStep pasteCells(const formats::MapGrid& grid, const CellBlock& block, const MapCell& topLeft);

// The cells of the area go to the rectangle of its size whose
// top-left cell is to, as far as the map reaches; the cells of the area
// that the new place does not cover become tile 0, unless keepSource (a
// copy). Old and new place may overlap: every cell gets the tile the area
// held before the move.
PaintStep moveCells(const formats::MapGrid& grid, const MapArea& area, const MapCell& to, bool keepSource);

// Every cell of the area holding find gets put.
PaintStep replaceTile(const formats::MapGrid& grid, std::uint8_t find, std::uint8_t put, const MapArea& area);
// How many cells replaceTile changes, without listing them.
int countReplaced(const formats::MapGrid& grid, std::uint8_t find, std::uint8_t put, const MapArea& area);

}  // namespace terraloom
