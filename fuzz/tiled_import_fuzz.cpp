// tervok-tmx's import on any bytes, read as TMX and as JSON: the readers
// end, a document they take holds one layer of 10,000 cells, and what
// imports exports again and imports as the same map and script.
#include "fuzz/fuzz_check.h"
#include "tools/tmx/tiled_conversion.h"
#include "tools/tmx/tmj_reader.h"
#include "tools/tmx/tmx_reader.h"
#include "tools/tmx/tmx_writer.h"

using tervok::fuzz::check;

namespace {

TERVOK_FUZZ_UNTRACED void checkImport(const tervok::Result<tmx::TiledMap>& map)
{
    if (!map)
        return;
    check(map->tiles && map->tiles->gids.size() == tmx::kLayerCells, "a map read holds one layer of 10,000 cells");
    const tervok::Result<tmx::ImportedContent> content = tmx::importDocument(*map);
    if (!content)
        return;
    tmx::GameContent game;
    game.grid = content->grid;
    game.script = content->script;
    const tmx::TiledMap exported = tmx::exportDocument(game, [](std::uint8_t) { return tmx::TileImage{}; });
    const tervok::Result<tmx::TiledMap> read = tmx::readTmx(tmx::tmxBytes(exported));
    check(read.ok(), "an exported map reads");
    const tervok::Result<tmx::ImportedContent> again = tmx::importDocument(*read);
    check(again.ok(), "an exported map imports");
    check(again->grid == content->grid, "the map comes back");
    check(again->script == content->script, "the script comes back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes = tervok::fuzz::bytesOf(data, size);
    checkImport(tmx::readTmx(bytes));
    checkImport(tmx::readTmj(bytes));
    return 0;
}
