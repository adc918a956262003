#include "terraloom/core/region_flood.h"

namespace terraloom {

void FloodRegion::clear()
{
    for (const std::uint16_t place : places_)
        flags_[place] = 0;
    places_.clear();
}

// The region found so far doubles as the queue: each cell found is looked
// at once, in the order found, for neighbours still to be taken.
void FloodRegion::find(const formats::MapGrid& grid, const MapCell& start, const MapArea& within)
{
    clear();
    const std::optional<MapArea> limit = intersection(within, kWholeMap);
    if (!limit || !terraloom::contains(*limit, start))
        return;
    const int left = limit->topLeft.x - 1, right = left + limit->columns - 1;
    const int top = limit->topLeft.y - 1, bottom = top + limit->rows - 1;
    const auto& cells = grid.cells();
    tile_ = grid.at(start.x, start.y);
    const auto take = [&](int place) {
        if (flags_[place] == 0 && cells[place] == tile_) {
            flags_[place] = 1;
            places_.push_back(static_cast<std::uint16_t>(place));
        }
    };
    take(static_cast<int>(formats::MapGrid::indexOf(start.x, start.y)));
    for (std::size_t next = 0; next < places_.size(); ++next) {
        const int place = places_[next];
        const int x = place % formats::kMapSize;
        const int y = place / formats::kMapSize;
        if (x > left)
            take(place - 1);
        if (x < right)
            take(place + 1);
        if (y > top)
            take(place - formats::kMapSize);
        if (y < bottom)
            take(place + formats::kMapSize);
    }
}

}  // namespace terraloom
