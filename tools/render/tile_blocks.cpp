#include "tools/render/tile_blocks.h"

#include "common/files/bitmap_file.h"
#include "common/files/game_path.h"

#include <QPainter>

#include <bitset>
#include <map>
#include <set>

namespace render {
namespace {

QImage decode(const std::optional<std::string>& bytes)
{
    if (!bytes)
        return QImage();
    return QImage::fromData(reinterpret_cast<const uchar*>(bytes->data()), static_cast<int>(bytes->size()));
}

std::bitset<formats::kMaxTile + 1> tilesIn(const formats::MapGrid& grid)
{
    std::bitset<formats::kMaxTile + 1> used;
    for (const std::uint8_t tile : grid.cells())
        used.set(tile);
    return used;
}

}  // namespace

BitmapSource bitmapFilesInWorkingDirectory(BitmapFailure unreadable)
{
    return [unreadable = std::move(unreadable)](const std::string& gamePath) -> std::optional<std::string> {
        tervok::Result<std::string> bytes = tervok::readBitmapFile(tervok::nativePath(gamePath));
        if (!bytes) {
            if (unreadable && bytes.error().kind != tervok::ErrorKind::NotFound)
                unreadable(gamePath, bytes.error());
            return std::nullopt;
        }
        return std::move(*bytes);
    };
}

std::vector<std::string> bitmapPathsFor(const formats::TileCatalogue& catalogue, const formats::MapGrid& grid)
{
    const auto used = tilesIn(grid);
    std::set<std::string> paths;
    for (std::size_t tile = 0; tile < used.size(); ++tile)
        if (used.test(tile))
            if (const std::optional<std::string> path = formats::tileImagePath(catalogue.names[tile]))
                paths.insert(*path);
    return std::vector<std::string>(paths.begin(), paths.end());
}

// The painter clips the bitmap to the cell and blends any transparency
// with the neutral colour underneath.
Block blockOf(const QImage& bitmap)
{
    Block block;
    block.fill(kNeutralColour);
    if (bitmap.isNull())
        return block;
    QImage cell(reinterpret_cast<uchar*>(block.data()), kCellPixels, kCellPixels, kCellPixels * sizeof(QRgb),
                QImage::Format_RGB32);
    QPainter painter(&cell);
    painter.drawImage(0, 0, bitmap);
    return block;
}

TileBlocks::TileBlocks(const formats::TileCatalogue& catalogue, const formats::MapGrid& grid,
                       const BitmapSource& source)
{
    const Block neutral = blockOf(QImage());
    blocks_.fill(neutral);
    const auto used = tilesIn(grid);
    std::map<std::string, Block> byPath;
    for (std::size_t tile = 0; tile < blocks_.size(); ++tile) {
        // A name shorter than three characters has no image path.
        const std::optional<std::string> path = formats::tileImagePath(catalogue.names[tile]);
        if (!used.test(tile) || !path)
            continue;
        auto found = byPath.find(*path);
        if (found == byPath.end())
            found = byPath.emplace(*path, blockOf(decode(source(*path)))).first;
        blocks_[tile] = found->second;
    }
}

}  // namespace render
