#include "terraloom/core/region_edit.h"

#include <algorithm>

namespace terraloom {
namespace {

// Collects the changes of one action against the grid as it is.
class Changes {
public:
    explicit Changes(const formats::MapGrid& grid) : cells_(grid.cells()) {}

    void put(int x, int y, std::uint8_t tile) { putAt(formats::MapGrid::indexOf(x, y), tile); }
    void putAt(std::size_t place, std::uint8_t tile)
    {
        if (cells_[place] != tile)
            step_.push_back({static_cast<std::uint16_t>(place), cells_[place], tile});
    }
    PaintStep take() { return std::move(step_); }

private:
    const std::array<std::uint8_t, formats::kMapSize * formats::kMapSize>& cells_;
    PaintStep step_;
};

}  // namespace

PaintStep fillArea(const formats::MapGrid& grid, const MapArea& area, std::uint8_t tile)
{
    Changes changes(grid);
    if (const std::optional<MapArea> onMap = intersection(area, kWholeMap))
        for (int y = onMap->topLeft.y; y < onMap->topLeft.y + onMap->rows; ++y)
            for (int x = onMap->topLeft.x; x < onMap->topLeft.x + onMap->columns; ++x)
                changes.put(x, y, tile);
    return changes.take();
}

// In file order, as the map and the window's picture lie in memory: a fill
// of thousands of cells then writes them front to back, not scattered.
PaintStep fillRegion(const FloodRegion& region, std::uint8_t tile)
{
    PaintStep step;
    if (region.tile() == tile || region.empty())
        return step;
    step.reserve(region.places().size());
    const auto [first, last] = std::minmax_element(region.places().begin(), region.places().end());
    const auto& flags = region.flags();
    for (std::size_t place = *first; place <= *last; ++place)
        if (flags[place] != 0)
            step.push_back({static_cast<std::uint16_t>(place), region.tile(), tile});
    return step;
}

PaintStep pasteCells(const formats::MapGrid& grid, const CellBlock& block, const MapCell& topLeft)
{
    Changes changes(grid);
    const MapArea target{topLeft, block.columns, block.rows};
    if (const std::optional<MapArea> onMap = intersection(target, kWholeMap))
        for (int y = onMap->topLeft.y; y < onMap->topLeft.y + onMap->rows; ++y)
            for (int x = onMap->topLeft.x; x < onMap->topLeft.x + onMap->columns; ++x)
                changes.put(x, y, block.at(x - topLeft.x, y - topLeft.y));
    return changes.take();
}

// The cells both places cover, and those only one covers, are all looked
// at within the rectangle around both; what goes where is read from a copy
// of the area taken first.
PaintStep moveCells(const formats::MapGrid& grid, const MapArea& wanted, const MapCell& wantedTo, bool keepSource)
{
    // Of an area reaching beyond the map only its cells on the map move.
    const std::optional<MapArea> source = intersection(wanted, kWholeMap);
    if (!source)
        return {};
    const MapArea& area = *source;
    const MapCell to{wantedTo.x + area.topLeft.x - wanted.topLeft.x, wantedTo.y + area.topLeft.y - wanted.topLeft.y};
    const CellBlock block = copyCells(grid, area);
    const MapArea target{to, area.columns, area.rows};
    const MapArea around = areaBetween(
        {std::min(area.topLeft.x, to.x), std::min(area.topLeft.y, to.y)},
        {std::max(area.topLeft.x, to.x) + area.columns - 1, std::max(area.topLeft.y, to.y) + area.rows - 1});
    Changes changes(grid);
    const std::optional<MapArea> onMap = intersection(around, kWholeMap);
    if (!onMap)
        return changes.take();
    for (int y = onMap->topLeft.y; y < onMap->topLeft.y + onMap->rows; ++y)
        for (int x = onMap->topLeft.x; x < onMap->topLeft.x + onMap->columns; ++x) {
            if (contains(target, {x, y}))
                changes.put(x, y, block.at(x - to.x, y - to.y));
            else if (!keepSource && contains(area, {x, y}))
                changes.put(x, y, 0);
        }
    return changes.take();
}

PaintStep replaceTile(const formats::MapGrid& grid, std::uint8_t find, std::uint8_t put, const MapArea& area)
{
    PaintStep step;
    const std::optional<MapArea> onMap = intersection(area, kWholeMap);
    if (find == put || !onMap)
        return step;
    const auto& cells = grid.cells();
    for (int y = onMap->topLeft.y; y < onMap->topLeft.y + onMap->rows; ++y) {
        const std::size_t row = formats::MapGrid::indexOf(onMap->topLeft.x, y);
        for (std::size_t place = row; place < row + static_cast<std::size_t>(onMap->columns); ++place)
            if (cells[place] == find)
                step.push_back({static_cast<std::uint16_t>(place), find, put});
    }
    return step;
}

int countReplaced(const formats::MapGrid& grid, std::uint8_t find, std::uint8_t put, const MapArea& area)
{
    const std::optional<MapArea> onMap = intersection(area, kWholeMap);
    if (find == put || !onMap)
        return 0;
    const auto& cells = grid.cells();
    int count = 0;
    for (int y = onMap->topLeft.y; y < onMap->topLeft.y + onMap->rows; ++y) {
        const std::size_t row = formats::MapGrid::indexOf(onMap->topLeft.x, y);
        for (std::size_t place = row; place < row + static_cast<std::size_t>(onMap->columns); ++place)
            count += cells[place] == find ? 1 : 0;
    }
    return count;
}

}  // namespace terraloom
