#pragma once
// What tervok-render does: reads its command line, then the map, the tile
// catalogue and the bitmaps (and the script, when asked), draws the picture
// and writes it. Messages go to err, one line each:
//   tervok-render: map\map1.map: cannot load: byte 120: cell (21, 2) holds tile 200, above 100
//   tervok-render: map\map1.msc:4: warning: cannot take the row apart: set player
// A missing tile catalogue or script is a warning; the picture is drawn all
// the same. An output that is one of the files the run reads is refused
// before anything is drawn:
//   tervok-render: map/map1.map: is the input map
#include "tools/render/render_options.h"

#include <ostream>

namespace render {

// The work the options ask for. Enters the game folder for its files and
// goes back to the starting folder to write the picture. Returns the exit
// status.
int renderMap(const RenderOptions& options, std::ostream& out, std::ostream& err);

// The whole program: help, version and usage errors, then renderMap.
int runRenderProgram(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace render
