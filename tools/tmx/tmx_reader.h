#pragma once
// Reads a TMX document (Tiled's XML form) as far as a game map needs it,
// with every size checked before it is used:
// - a DTD that declares entities is refused before anything is expanded
//   (TMX needs none, and a few nested entities can blow a small file up to
//   millions of characters);
// - the map's frame is checked before any layer is decoded, and a second
//   tile layer is refused at once;
// - layer data unpacks to 40,000 bytes at most (layer_data.h);
// - tilesets keep only the tile ids of the one that starts at gid 1, which
//   must be the game's numbers; lists of objects and properties stop at what
//   a script can hold.
// Unknown elements and attributes are passed over. A format error carries
// the line it was found on.
#include "common/errors/result.h"
#include "tools/tmx/tiled_map.h"

#include <string_view>

namespace tmx {

// More objects or properties in one list than a script has rows, with room
// for the script's own properties, are refused.
constexpr std::size_t kMaxListEntries = 32767 + 16;

tervok::Result<TiledMap> readTmx(std::string_view bytes);

}  // namespace tmx
