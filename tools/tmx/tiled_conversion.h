#pragma once
// A game map with its script as one Tiled map document, and back:
// - one embedded tileset "mapteile", an image collection whose tile ids are
//   the game's tile numbers, each tile with its catalogue name ("name") and
//   class ("kl": from Tiled 1.9 on a tile has a class field of its own);
// - the tile layer "tiles": gid = tile number + 1. While the catalogue names
//   no tile 0, tile 0 is gid 0, Tiled's empty cell, so its eraser gives the
//   game's cleared cell; gid 0 always reads back as tile 0;
// - the object group "script" (script_conversion.h).
// The way back refuses, naming the cell, what the game cannot hold: flipped
// or rotated tiles, gids of another tileset or past tile 100, a game tileset
// kept in a file of its own.
#include "common/catalogue/catalogue.h"
#include "common/errors/result.h"
#include "formats/map_grid.h"
#include "formats/tile_catalogue.h"
#include "tools/tmx/script_conversion.h"
#include "tools/tmx/tiled_map.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tmx {

constexpr const char* kTilesetName = "mapteile";

struct GameContent {
    formats::MapGrid grid;
    formats::TileCatalogue catalogue;
    std::optional<std::string> script;  // the script file's bytes, when it is exported
    std::vector<tervok::CatalogueEntry> players;
};

// The picture of a tile of the tileset.
using TileImageSource = std::function<TileImage(std::uint8_t tile)>;

// The tileset holds every tile the catalogue names and every other tile the
// map uses but tile 0.
TiledMap exportDocument(const GameContent& content, const TileImageSource& images);

struct ImportedContent {
    formats::MapGrid grid;
    std::optional<std::string> script;  // nothing when the document has no group "script"
    std::vector<Warning> warnings;
};

tervok::Result<ImportedContent> importDocument(const TiledMap& map);

}  // namespace tmx
