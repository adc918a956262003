#pragma once
// What tervok-tmx does: reads its command line, then exports a map with its
// script to a Tiled file or imports one back. Messages go to err, one line
// each:
//   tervok-tmx: map/map1.map: cannot load: byte 120: cell (21, 2) holds tile 200, above 100
//   tervok-tmx: level.tmx:40: error: cell (3, 1): the tile is flipped or rotated
//   tervok-tmx: level.tmx:212: warning: object 7 (row 3): the point (130.4, 90) is rounded to (130, 90)
#include "tools/tmx/tmx_options.h"

#include <ostream>

namespace tmx {

// The work of the command the options name. Enters the game folder.
// Returns the exit status.
int runTmx(const TmxOptions& options, std::ostream& err);

// The whole program: help, version and usage errors, then runTmx.
int runTmxProgram(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace tmx
