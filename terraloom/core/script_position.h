#pragma once
// The current script position: the map point, in map pixels, that a new
// script line carries. x may hold a fraction (from a hand-edited line); y is
// a signed 16-bit number.
#include "formats/map_grid.h"
#include "terraloom/core/view_navigation.h"

#include <cstdint>
#include <string>

namespace terraloom {

struct ScriptPosition {
    double x = 0;
    std::int16_t y = 0;
    bool operator==(const ScriptPosition&) const = default;
};

// The point under a right click at twips offset (px, py) in view cell k.
ScriptPosition positionFromRightClick(const ViewPosition& view, int k, int px, int py);

// Moves the point to the centre of its tile; y stays in the 16-bit range.
ScriptPosition roundToTileCentre(const ScriptPosition& position);

// The view that shows the point's tile in its sixth column and row.
ViewPosition viewForGoto(const ScriptPosition& position);

// Label2: x and y as signed decimal texts around " :".
std::string scriptPositionText(const ScriptPosition& position);

}  // namespace terraloom
