#pragma once
// Rectangles of map cells (the selection, a rectangle being dragged, where
// a stamp lands) and blocks of cells lifted off the map. Cells are counted
// from 1, as MapCell counts them.
#include "formats/map_grid.h"
#include "terraloom/core/whole_map_viewport.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace terraloom {

constexpr MapArea kWholeMap{{1, 1}, formats::kMapSize, formats::kMapSize};

// The rectangle with corners a and b, both included, in any order.
MapArea areaBetween(const MapCell& a, const MapCell& b);
bool contains(const MapArea& area, const MapCell& cell);
// The cells both hold, or nothing when they share none.
std::optional<MapArea> intersection(const MapArea& a, const MapArea& b);
// The cell under a map point, or the nearest cell of the map when the point
// lies beyond its edge.
MapCell nearestCell(const MapPoint& point);

// A rectangle's tiles, row by row: what a copy takes and a paste puts.
struct CellBlock {
    int columns = 0, rows = 0;
    std::vector<std::uint8_t> tiles;

    // Column and row counted from 0.
    std::uint8_t at(int column, int row) const
    {
        return tiles[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) +
                     static_cast<std::size_t>(column)];
    }
    bool operator==(const CellBlock&) const = default;
};

// The tiles of the area's cells on the map; the area lies on the map.
CellBlock copyCells(const formats::MapGrid& grid, const MapArea& area);

}  // namespace terraloom
