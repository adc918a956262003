#pragma once
// A map: 100 x 100 tile numbers, addressed 1-based by column x
// (1 = leftmost) and row y (1 = top).
#include <array>
#include <cstdint>

namespace formats {

constexpr int kMapSize = 100;
constexpr int kMaxTile = 100;  // tile numbers run from 0 to 100
// A cell is this many map pixels wide and high, as is a tile's bitmap; a
// map script names its positions in map pixels.
constexpr int kTilePixels = 20;

class MapGrid {
public:
    std::uint8_t at(int x, int y) const { return cells_[indexOf(x, y)]; }
    void set(int x, int y, std::uint8_t tile) { cells_[indexOf(x, y)] = tile; }
    void clear() { cells_.fill(0); }
    bool operator==(const MapGrid&) const = default;

    // The place of cell (x, y) in file order.
    static std::size_t indexOf(int x, int y) { return static_cast<std::size_t>((y - 1) * kMapSize + (x - 1)); }

    // Cells in file order: row by row from the top, left to right.
    const std::array<std::uint8_t, kMapSize * kMapSize>& cells() const { return cells_; }
    std::array<std::uint8_t, kMapSize * kMapSize>& cells() { return cells_; }

private:
    std::array<std::uint8_t, kMapSize * kMapSize> cells_{};
};

}  // namespace formats
