#pragma once
// A map document as JSON (.tmj, .json), in the layout Tiled 1.8 writes. JSON
// has no place for a picture inside the document: a tile whose picture is
// embedded in the TMX form has none here.
#include "tools/tmx/tiled_map.h"

#include <string>

namespace tmx {

std::string tmjBytes(const TiledMap& map);

}  // namespace tmx
