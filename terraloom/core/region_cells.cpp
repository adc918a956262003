#include "terraloom/core/region_cells.h"

#include <algorithm>
#include <cmath>

namespace terraloom {

MapArea areaBetween(const MapCell& a, const MapCell& b)
{
    const MapCell topLeft{std::min(a.x, b.x), std::min(a.y, b.y)};
    return {topLeft, std::abs(a.x - b.x) + 1, std::abs(a.y - b.y) + 1};
}

bool contains(const MapArea& area, const MapCell& cell)
{
    return cell.x >= area.topLeft.x && cell.y >= area.topLeft.y && cell.x < area.topLeft.x + area.columns &&
           cell.y < area.topLeft.y + area.rows;
}

std::optional<MapArea> intersection(const MapArea& a, const MapArea& b)
{
    const int left = std::max(a.topLeft.x, b.topLeft.x);
    const int top = std::max(a.topLeft.y, b.topLeft.y);
    const int right = std::min(a.topLeft.x + a.columns, b.topLeft.x + b.columns);
    const int bottom = std::min(a.topLeft.y + a.rows, b.topLeft.y + b.rows);
    if (left >= right || top >= bottom)
        return std::nullopt;
    return MapArea{{left, top}, right - left, bottom - top};
}

MapCell nearestCell(const MapPoint& point)
{
    const auto axis = [](double at) {
        if (!(at >= 0))
            return 1;
        return static_cast<int>(std::min(std::floor(at), static_cast<double>(formats::kMapSize - 1))) + 1;
    };
    return {axis(point.x), axis(point.y)};
}

CellBlock copyCells(const formats::MapGrid& grid, const MapArea& area)
{
    CellBlock block{area.columns, area.rows, {}};
    block.tiles.reserve(static_cast<std::size_t>(area.columns) * static_cast<std::size_t>(area.rows));
    for (int y = area.topLeft.y; y < area.topLeft.y + area.rows; ++y)
        for (int x = area.topLeft.x; x < area.topLeft.x + area.columns; ++x)
            block.tiles.push_back(grid.at(x, y));
    return block;
}

}  // namespace terraloom
