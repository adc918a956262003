#pragma once
// Each tile as the map view shows it in its 20 x 20 cell: the tile's bitmap
// from the cell's top-left corner, cut at the cell's edges, and the neutral
// colour wherever the bitmap does not reach; a tile without a name or
// without a readable bitmap is the neutral colour throughout. Each block is
// made once, so that drawing the map only copies rows of ready pixels.
#include "common/errors/result.h"
#include "formats/map_grid.h"
#include "formats/tile_catalogue.h"

#include <QImage>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace render {

constexpr int kCellPixels = formats::kTilePixels;

// Mid grey, named in --help.
constexpr QRgb kNeutralColour = 0xFF808080;
constexpr const char* kNeutralColourName = "#808080";

// The bytes of the bitmap at a game path ("ep\grass.bmp"), or nothing.
using BitmapSource = std::function<std::optional<std::string>(const std::string& gamePath)>;

// The files below the working directory, read as the editors read them
// (readBitmapFile): regular files only, and what bitmapShownInCell takes.
// A bitmap that exists but cannot be shown is told to unreadable with its
// reason; a missing one is not (naming missing files is tervok-check's).
using BitmapFailure = std::function<void(const std::string& gamePath, const tervok::Error& error)>;
BitmapSource bitmapFilesInWorkingDirectory(BitmapFailure unreadable = {});

// The game paths of the bitmaps shown by the tiles the grid holds, each
// once: the files a drawing of the grid reads.
std::vector<std::string> bitmapPathsFor(const formats::TileCatalogue& catalogue, const formats::MapGrid& grid);

// The cell's pixels for a decoded bitmap: the bitmap laid over the neutral
// colour (a null image leaves the cell neutral).
using Block = std::array<QRgb, kCellPixels * kCellPixels>;
Block blockOf(const QImage& bitmap);

class TileBlocks {
public:
    // Blocks for the tiles the grid holds; the others stay neutral. A
    // bitmap that several tiles share is read and decoded once.
    TileBlocks(const formats::TileCatalogue& catalogue, const formats::MapGrid& grid, const BitmapSource& source);

    // The 20 pixels of a row (0 at the top) of a tile's block.
    const QRgb* row(std::uint8_t tile, int row) const
    {
        return blocks_[tile].data() + static_cast<std::size_t>(row) * kCellPixels;
    }

private:
    std::array<Block, formats::kMaxTile + 1> blocks_;
};

}  // namespace render
