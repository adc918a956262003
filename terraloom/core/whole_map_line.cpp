#include "terraloom/core/whole_map_line.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace terraloom {
namespace {

// Walks one axis of the line: the cell it is in, and the share of the line
// at which it next crosses into a neighbour.
struct AxisWalk {
    long long cell;
    int step = 0;
    double next = std::numeric_limits<double>::infinity();
    double every = std::numeric_limits<double>::infinity();

    AxisWalk(double from, double to) : cell(static_cast<long long>(std::floor(from)))
    {
        const double length = to - from;
        if (length == 0)
            return;
        step = length > 0 ? 1 : -1;
        every = 1 / std::abs(length);
        const double toBorder = length > 0 ? static_cast<double>(cell) + 1 - from : from - static_cast<double>(cell);
        next = toBorder * every;
    }
    void advance()
    {
        cell += step;
        next += every;
    }
};

bool onMap(long long x, long long y)
{
    return x >= 0 && y >= 0 && x < formats::kMapSize && y < formats::kMapSize;
}

// Cuts the line down to the map and a ring of one cell around it, where it
// paints nothing, so that a pointer far away costs no long walk. False when
// the line misses that area.
bool clipToMapRing(MapPoint& from, MapPoint& to)
{
    constexpr double low = -1;
    constexpr double high = formats::kMapSize + 1;
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    double enter = 0, leave = 1;
    const double sides[4][2] = {{-dx, from.x - low}, {dx, high - from.x}, {-dy, from.y - low}, {dy, high - from.y}};
    for (const auto& [towards, room] : sides) {
        if (towards == 0) {
            if (room < 0)
                return false;
            continue;
        }
        const double share = room / towards;
        if (towards < 0)
            enter = std::max(enter, share);
        else
            leave = std::min(leave, share);
    }
    if (enter > leave)
        return false;
    const MapPoint start = from;
    if (enter > 0)
        from = {start.x + enter * dx, start.y + enter * dy};
    if (leave < 1)
        to = {start.x + leave * dx, start.y + leave * dy};
    return true;
}

}  // namespace

// Each step crosses one border; the number of steps is fixed by the end
// cells, and an axis that has reached its end cell steps no further, so
// rounding in the shares can never lead the walk astray.
std::vector<MapCell> cellsAlongDrag(MapPoint from, MapPoint to)
{
    if (!clipToMapRing(from, to))
        return {};
    AxisWalk x(from.x, to.x);
    AxisWalk y(from.y, to.y);
    const long long endX = static_cast<long long>(std::floor(to.x));
    const long long endY = static_cast<long long>(std::floor(to.y));
    const long long steps = std::llabs(endX - x.cell) + std::llabs(endY - y.cell);
    std::vector<MapCell> cells;
    for (long long i = 0; i < steps; ++i) {
        const bool alongX = y.cell == endY || (x.cell != endX && x.next <= y.next);
        (alongX ? x : y).advance();
        if (onMap(x.cell, y.cell))
            cells.push_back({static_cast<int>(x.cell) + 1, static_cast<int>(y.cell) + 1});
    }
    return cells;
}

}  // namespace terraloom
