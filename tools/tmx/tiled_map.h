#pragma once
// A Tiled map document as this tool reads and writes it, apart from its
// spelling in XML (.tmx) or JSON (.tmj): the map's frame, its tilesets, its
// tile layer and the object group "script". Texts are UTF-8 as in the
// files; what the game keeps in Windows-1252 is carried in escaped form
// (byte_escapes.h).
#include "common/errors/error.h"
#include "formats/map_grid.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tmx {

// A custom property. The value is kept as text whatever its type ("int",
// "bool", "float", "string"...), as the TMX attribute spells it.
struct Property {
    std::string name;
    std::string type = "string";
    std::string value;
};
using Properties = std::vector<Property>;

const Property* findProperty(const Properties& properties, std::string_view name);

// A number as both forms write it: whole numbers without a point, others in
// the fewest digits that read back as the same number.
std::string numberText(double value);

// A tile's picture: a file beside the document, or PNG bytes carried inside
// it (TMX only; JSON has no place for them).
struct TileImage {
    std::string source;  // UTF-8 path relative to the document; empty when embedded
    int width = 0;
    int height = 0;
    std::string png;
};

struct TilesetTile {
    std::int64_t id = 0;
    Properties properties;
    std::optional<TileImage> image;
};

struct Tileset {
    std::uint32_t firstGid = 1;
    std::string name;
    std::string source;  // set for a tileset kept in a file of its own
    std::vector<TilesetTile> tiles;
    std::size_t line = 0;  // where it starts in the file; 0 when unknown
};

struct TileLayer {
    std::string name;
    std::vector<std::uint32_t> gids;  // row by row from the top, flag bits included
    std::size_t line = 0;
};

struct MapObject {
    std::uint32_t id = 0;  // 0 when the file gives none
    std::string name;
    std::string type;  // "type" or, from Tiled 1.9 on, "class"
    double x = 0;
    double y = 0;
    bool point = true;  // false for rectangles, ellipses, shapes, texts and tiles
    Properties properties;
    std::size_t line = 0;
};

struct ObjectGroup {
    std::string name;
    Properties properties;
    std::vector<MapObject> objects;
    std::size_t line = 0;
};

// The cells of a map's one tile layer, and the game's tile numbers.
constexpr std::size_t kLayerCells = static_cast<std::size_t>(formats::kMapSize) * formats::kMapSize;
constexpr std::size_t kGameTiles = formats::kMaxTile + 1;
constexpr const char* kTileLayerName = "tiles";
constexpr const char* kScriptGroupName = "script";

struct TiledMap {
    std::string orientation = "orthogonal";
    std::int64_t width = formats::kMapSize;
    std::int64_t height = formats::kMapSize;
    std::int64_t tileWidth = formats::kTilePixels;
    std::int64_t tileHeight = formats::kTilePixels;
    bool infinite = false;
    Properties properties;
    std::vector<Tileset> tilesets;
    std::optional<TileLayer> tiles;      // the one tile layer
    std::optional<ObjectGroup> script;   // the object group named "script"
};

// A format error at a line of the document, or without a line where the
// document gives none (JSON).
tervok::Error formatErrorAt(std::size_t line, std::string detail);

// What keeps a map's frame from being a game map: not orthogonal, not
// 100 x 100 cells of 20 x 20 pixels, or infinite. Nothing when it fits.
// The readers ask this before they decode any layer.
std::optional<std::string> frameProblem(const TiledMap& map);

// The flag bits Tiled keeps in a gid's top four bits: flipped horizontally,
// vertically, diagonally, and rotated by 120 degrees (hexagonal maps).
constexpr std::uint32_t kGidFlagBits = 0xF0000000u;

}  // namespace tmx
