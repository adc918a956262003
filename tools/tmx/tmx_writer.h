#pragma once
// A map document as TMX, Tiled's XML form, laid out as Tiled 1.8 writes it:
// an embedded tileset, the tile layer "tiles" as CSV, the object group
// "script", each with its custom properties. The text is built directly:
// a map with a short script must export in about the time its files take to
// read and write.
#include "tools/tmx/tiled_map.h"

#include <string>

namespace tmx {

std::string tmxBytes(const TiledMap& map);

}  // namespace tmx
