#pragma once
// Reads a map document in Tiled's JSON form (.tmj, .json) with the checks of
// the TMX reader: the frame before any layer, one tile layer, layer data
// (an array of gids, or base64 with or without compression) of exactly
// 10,000 cells, the game's tile numbers in the tileset that starts at gid 1,
// bounded lists. Unknown members are passed over. JSON carries no line
// numbers, so errors name the layer or object instead.
#include "common/errors/result.h"
#include "tools/tmx/tiled_map.h"

#include <string_view>

namespace tmx {

tervok::Result<TiledMap> readTmj(std::string_view bytes);

}  // namespace tmx
