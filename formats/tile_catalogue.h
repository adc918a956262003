#pragma once
// The tile catalogue "map\mapteile.lst": tile names and tile classes by tile
// number. Entry columns: 1-2 tile number, 4-5 class, 7 on the name.
#include "common/errors/result.h"
#include "formats/map_grid.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace formats {

constexpr const char* kTileCataloguePath = "map\\mapteile.lst";

struct TileCatalogue {
    std::array<std::string, kMaxTile + 1> names;
    std::array<std::uint8_t, kMaxTile + 1> classes{};

    // Tile list items: an empty first item, then the names of tiles 1 to 100.
    std::vector<std::string> listItems() const;
};

// One entry line of the catalogue as the reader takes it, before any range
// is applied (what the content check reports on).
struct TileEntry {
    std::size_t line = 0;   // 1-based line the entry starts on
    std::string field;      // the entry as read
    double number = 0;      // columns 1-2, rounded to a whole number
    double classValue = 0;  // columns 4-8, rounded (digits starting the name join it)
    std::string name;       // column 7 on
};

// Every entry in file order; bracket lines and empty fields are skipped.
std::vector<TileEntry> parseTileEntries(std::string bytes);

constexpr int kMaxTileClass = 255;

// Later entries replace earlier ones. Entries whose tile number lies outside
// 0..100 are skipped; a class outside 0..255 is stored as 0.
TileCatalogue parseTileCatalogue(std::string bytes);

// Reads and parses the tile catalogue at a game path.
tervok::Result<TileCatalogue> loadTileCatalogue(std::string_view gamePath = kTileCataloguePath);

// Kept on purpose: the image path drops a name's last three characters, so
// names carry a variant suffix ("grass_01" shows "ep\grass.bmp").
// "ep\" + the name without its last three characters + ".bmp"; nothing for
// a name shorter than three characters.
std::optional<std::string> tileImagePath(const std::string& tileName);

}  // namespace formats
