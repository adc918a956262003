// The map file on any bytes: a grid is refused only for a cell above the
// highest tile, and writing an accepted grid back over the same file gives a
// file that reads as the same grid, byte for byte the old one when that held
// all its cells.
#include "formats/map_file.h"
#include "fuzz/fuzz_check.h"

#include <algorithm>

using tervok::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes = tervok::fuzz::bytesOf(data, size);
    const tervok::Result<formats::MapGrid> grid = formats::parseMapFile(bytes);
    const std::string_view cells = std::string_view(bytes).substr(0, formats::kMapFileSize);
    const bool hasBadCell = std::any_of(cells.begin(), cells.end(),
                                        [](char c) { return static_cast<std::uint8_t>(c) > formats::kMaxTile; });
    check(grid.has_value() != hasBadCell, "a map is refused exactly when a cell holds no tile");
    if (!grid)
        return 0;

    const std::string written = formats::mapFileBytes(*grid, bytes);
    check(written.size() == std::max(bytes.size(), formats::kMapFileSize), "all cells and the old tail are written");
    if (bytes.size() >= formats::kMapFileSize)
        check(written == bytes, "a full map file is written back unchanged");
    check(formats::parseMapFile(written) == *grid, "a written map reads back as the same grid");
    return 0;
}
