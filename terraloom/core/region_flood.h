#pragma once
// The region a flood fill changes: the cells holding the start cell's tile
// that a path of such cells, from side to side (never corner to corner),
// joins to the start cell, all inside a rectangle of cells.
#include "formats/map_grid.h"
#include "terraloom/core/region_cells.h"

#include <array>
#include <cstdint>
#include <vector>

namespace terraloom {

class FloodRegion {
public:
    static constexpr int kCells = formats::kMapSize * formats::kMapSize;

    FloodRegion() { places_.reserve(kCells); }

    // Finds the region of start within the rectangle; none when start lies
    // outside it.
    void find(const formats::MapGrid& grid, const MapCell& start, const MapArea& within);
    void clear();

    bool empty() const { return places_.empty(); }
    bool contains(const MapCell& cell) const
    {
        return flags_[formats::MapGrid::indexOf(cell.x, cell.y)] != 0;
    }
    // The tile every cell of the region holds.
    std::uint8_t tile() const { return tile_; }
    // The places (in file order) of the region's cells, in the order found.
    const std::vector<std::uint16_t>& places() const { return places_; }
    // One flag a cell in file order: 1 in the region.
    const std::array<std::uint8_t, kCells>& flags() const { return flags_; }

private:
    std::array<std::uint8_t, kCells> flags_{};
    std::vector<std::uint16_t> places_;
    std::uint8_t tile_ = 0;
};

}  // namespace terraloom
