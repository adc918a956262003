#pragma once
// The pictures of the tileset's tiles: each tile's bitmap ("ep\NAME.bmp",
// found as the editors find it, below the working directory) named by its
// path relative to the document, so that Tiled shows the real tiles. A tile
// without a name, or whose bitmap a map cell does not show (missing, or not
// a BMP that bitmapShownInCell takes: the rule tervok-render and the editor
// follow), gets a picture of its own inside the document: 20 x 20 pixels of
// the neutral mid grey #808080 that tervok-render draws such a cell in, so
// that Tiled does not show its red-cross placeholder.
#include "formats/tile_catalogue.h"
#include "tools/tmx/tiled_map.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace tmx {

// The neutral picture as PNG bytes.
const std::string& neutralPng();

class TileImages {
public:
    // documentFolder: the absolute folder the document is written to; the
    // game folder is the working directory.
    TileImages(const formats::TileCatalogue& catalogue, const std::filesystem::path& documentFolder);

    TileImage operator()(std::uint8_t tile);
    // The bitmaps read so far, as they were found.
    std::vector<std::filesystem::path> filesRead() const;

private:
    TileImage imageAt(const std::string& gamePath);

    const formats::TileCatalogue& catalogue_;
    std::string gameFolderPrefix_;
    std::map<std::string, TileImage> byPath_;  // a bitmap several tiles share is read once
    std::vector<std::filesystem::path> filesRead_;
};

}  // namespace tmx
