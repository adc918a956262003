// The tile catalogue on any bytes: 101 list items, and every image path built
// from a tile name lies in "ep\" and names a bitmap.
#include "formats/tile_catalogue.h"
#include "fuzz/fuzz_check.h"

using tervok::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const formats::TileCatalogue catalogue = formats::parseTileCatalogue(tervok::fuzz::bytesOf(data, size));
    check(catalogue.listItems().size() == formats::kMaxTile + 1, "an item per tile and the empty one");
    for (const std::string& name : catalogue.names) {
        const std::optional<std::string> path = formats::tileImagePath(name);
        if (!path)
            continue;
        check(path->rfind("ep\\", 0) == 0 && path->size() >= 7 && path->substr(path->size() - 4) == ".bmp",
              "an image path is ep\\...bmp");
    }
    return 0;
}
