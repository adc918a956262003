#include "tools/tmx/tiled_conversion.h"

#include "tools/tmx/byte_escapes.h"

#include <algorithm>
#include <array>
#include <bitset>

namespace tmx {
namespace {

std::bitset<kGameTiles> tilesInTileset(const GameContent& content)
{
    // Flags by byte value: no cell waits on the one before it.
    std::array<bool, 256> used{};
    for (const std::uint8_t tile : content.grid.cells())
        used[tile] = true;
    std::bitset<kGameTiles> tiles;
    for (std::size_t tile = 1; tile < kGameTiles; ++tile)
        tiles[tile] = used[tile] || !content.catalogue.names[tile].empty();
    tiles[0] = !content.catalogue.names[0].empty();
    return tiles;
}

Tileset gameTileset(const GameContent& content, const std::bitset<kGameTiles>& tiles, const TileImageSource& images)
{
    Tileset tileset;
    tileset.name = kTilesetName;
    for (std::size_t tile = 0; tile < kGameTiles; ++tile) {
        if (!tiles.test(tile))
            continue;
        TilesetTile entry;
        entry.id = static_cast<std::int64_t>(tile);
        entry.properties = {
            {"kl", "int", std::to_string(content.catalogue.classes[tile])},
            {"name", "string", escapeBytes(content.catalogue.names[tile])},
        };
        entry.image = images(static_cast<std::uint8_t>(tile));
        tileset.tiles.push_back(std::move(entry));
    }
    return tileset;
}

TileLayer tileLayer(const GameContent& content, const std::bitset<kGameTiles>& tiles)
{
    TileLayer layer;
    layer.name = kTileLayerName;
    std::array<std::uint32_t, 256> gidOf{};
    for (std::size_t tile = 0; tile < gidOf.size(); ++tile)
        gidOf[tile] = static_cast<std::uint32_t>(tile) + 1;
    if (!tiles.test(0))
        gidOf[0] = 0;
    const auto& cells = content.grid.cells();
    layer.gids.resize(cells.size());
    std::transform(cells.begin(), cells.end(), layer.gids.begin(), [&](std::uint8_t tile) { return gidOf[tile]; });
    return layer;
}

std::string cellName(std::size_t index)
{
    return "cell (" + std::to_string(index % formats::kMapSize + 1) + ", " +
           std::to_string(index / formats::kMapSize + 1) + ")";
}

// The tileset a gid falls in: the one with the highest first gid at or
// below it.
const Tileset* tilesetOf(const std::vector<const Tileset*>& byFirstGid, std::uint32_t gid)
{
    const Tileset* owner = nullptr;
    for (const Tileset* tileset : byFirstGid)
        if (tileset->firstGid <= gid)
            owner = tileset;
    return owner;
}

class CellReader {
public:
    explicit CellReader(const TiledMap& map) : layerLine_(map.tiles ? map.tiles->line : 0)
    {
        for (const Tileset& tileset : map.tilesets)
            byFirstGid_.push_back(&tileset);
        std::stable_sort(byFirstGid_.begin(), byFirstGid_.end(),
                         [](const Tileset* a, const Tileset* b) { return a->firstGid < b->firstGid; });
        // What a gid up to 101 means is the same for every cell: which
        // tileset it falls in is looked up once.
        for (std::uint32_t gid = 1; gid <= kGameTiles; ++gid) {
            const Tileset* owner = tilesetOf(byFirstGid_, gid);
            gameGid_[gid] = owner && owner->firstGid == 1;
        }
    }

    tervok::Result<formats::MapGrid> read(const std::vector<std::uint32_t>& gids) const
    {
        formats::MapGrid grid;
        auto& cells = grid.cells();
        for (std::size_t i = 0; i < kLayerCells; ++i) {
            const std::uint32_t gid = gids[i];
            if (gid <= kGameTiles && gameGid_[gid]) {
                cells[i] = static_cast<std::uint8_t>(gid - 1);
                continue;
            }
            if (gid == 0) {
                cells[i] = 0;
                continue;
            }
            return refusal(i, gid);
        }
        return grid;
    }

private:
    tervok::Error refusal(std::size_t index, std::uint32_t gid) const
    {
        const std::string cell = cellName(index);
        if (gid & kGidFlagBits)
            return formatErrorAt(layerLine_, cell + ": the tile is flipped or rotated");
        const Tileset* owner = tilesetOf(byFirstGid_, gid);
        if (owner && owner->firstGid != 1)
            return formatErrorAt(layerLine_, cell + ": gid " + std::to_string(gid) +
                                                             " is a tile of the tileset '" + owner->name +
                                                             "', not of the game's");
        if (gid > kGameTiles)
            return formatErrorAt(layerLine_, cell + ": gid " + std::to_string(gid) +
                                                             " lies past the game's tiles, gids 1 to 101");
        return formatErrorAt(layerLine_, cell + ": gid " + std::to_string(gid) + " belongs to no tileset");
    }

    std::size_t layerLine_;
    std::vector<const Tileset*> byFirstGid_;
    std::array<bool, kGameTiles + 1> gameGid_{};
};

tervok::Status checkGameTileset(const TiledMap& map)
{
    for (const Tileset& tileset : map.tilesets)
        if (tileset.firstGid == 1 && !tileset.source.empty())
            return formatErrorAt(tileset.line, "the game's tileset is kept in its own file '" +
                                                               tileset.source + "': embed it in the map");
    return {};
}

}  // namespace

TiledMap exportDocument(const GameContent& content, const TileImageSource& images)
{
    const std::bitset<kGameTiles> tiles = tilesInTileset(content);
    TiledMap map;
    map.tilesets.push_back(gameTileset(content, tiles, images));
    map.tiles = tileLayer(content, tiles);
    if (content.script) {
        ExportedScript script = exportScript(*content.script, content.players);
        map.properties = std::move(script.mapProperties);
        map.script = std::move(script.group);
    }
    return map;
}

tervok::Result<ImportedContent> importDocument(const TiledMap& map)
{
    if (const std::optional<std::string> problem = frameProblem(map))
        return tervok::formatError(*problem);
    if (!map.tiles || map.tiles->gids.size() != kLayerCells)
        return tervok::formatError("the map has no tile layer of 100 x 100 cells");
    if (const tervok::Status tileset = checkGameTileset(map); !tileset)
        return tileset.error();
    tervok::Result<formats::MapGrid> grid = CellReader(map).read(map.tiles->gids);
    if (!grid)
        return grid.error();
    ImportedContent content;
    content.grid = std::move(*grid);
    if (map.script) {
        tervok::Result<ImportedScript> script = importScript(map.properties, *map.script);
        if (!script)
            return script.error();
        content.script = std::move(script->bytes);
        content.warnings = std::move(script->warnings);
    }
    return content;
}

}  // namespace tmx
