#pragma once
// The cells a drag passes between two pointer events: every cell the
// straight line between the two points crosses, in order, as a chain in
// which each cell shares a side with the one before (a drag never leaves
// a gap, not even a corner). Events far apart, as a fast drag or a slow
// machine delivers them, paint the same cells as a slow drag would.
#include "terraloom/core/view_navigation.h"
#include "terraloom/core/whole_map_viewport.h"

#include <vector>

namespace terraloom {

// The cells after from's cell, up to and including to's cell; cells outside
// the map are left out.
std::vector<MapCell> cellsAlongDrag(MapPoint from, MapPoint to);

}  // namespace terraloom
