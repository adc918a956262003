// The copied cells' clipboard text on any bytes: a block is taken only with
// a size from 1 x 1 to 100 x 100 and tiles from 0 to 100, one for every
// cell; the text written for it reads back as the same block, and is
// written again the same.
#include "fuzz/fuzz_check.h"
#include "terraloom/core/region_clipboard.h"

#include <algorithm>

using tervok::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes = tervok::fuzz::bytesOf(data, size);
    const tervok::Result<terraloom::CellBlock> block = terraloom::parseCellsText(bytes);
    if (!block)
        return 0;
    check(block->columns >= 1 && block->columns <= 100 && block->rows >= 1 && block->rows <= 100,
          "a block is 1 to 100 cells wide and high");
    check(block->tiles.size() == static_cast<std::size_t>(block->columns) * static_cast<std::size_t>(block->rows),
          "a block holds a tile for every cell");
    check(std::all_of(block->tiles.begin(), block->tiles.end(), [](std::uint8_t tile) { return tile <= 100; }),
          "every tile is from 0 to 100");
    const std::string written = terraloom::cellsText(*block);
    const tervok::Result<terraloom::CellBlock> again = terraloom::parseCellsText(written);
    check(again && *again == *block, "the text written for a block reads back as the block");
    check(terraloom::cellsText(*again) == written, "the text is written again the same");
    return 0;
}
