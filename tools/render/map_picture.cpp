#include "tools/render/map_picture.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace render {

// Row by row of the picture, each cell's row of pixels copied whole: no
// painter, no per-pixel work.
QImage drawMap(const formats::MapGrid& grid, const TileBlocks& blocks)
{
    QImage picture(kMapPixels, kMapPixels, QImage::Format_RGB32);
    uchar* const bits = picture.bits();
    const auto stride = static_cast<std::size_t>(picture.bytesPerLine());
    constexpr std::size_t kRowBytes = kCellPixels * sizeof(QRgb);
    for (int y = 1; y <= formats::kMapSize; ++y) {
        for (int row = 0; row < kCellPixels; ++row) {
            uchar* line = bits + static_cast<std::size_t>((y - 1) * kCellPixels + row) * stride;
            for (int x = 1; x <= formats::kMapSize; ++x, line += kRowBytes)
                std::memcpy(line, blocks.row(grid.at(x, y), row), kRowBytes);
        }
    }
    return picture;
}

QRgb toQRgb(formats::ClassColour colour)
{
    return qRgb(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

QImage drawOverview(const formats::MapGrid& grid, const formats::TileCatalogue& catalogue)
{
    QImage picture(kOverviewPixels, kOverviewPixels, QImage::Format_RGB32);
    for (int y = 1; y <= formats::kMapSize; ++y) {
        for (int row = 0; row < kOverviewCellPixels; ++row) {
            auto* line = reinterpret_cast<QRgb*>(picture.scanLine((y - 1) * kOverviewCellPixels + row));
            for (int x = 1; x <= formats::kMapSize; ++x) {
                const QRgb colour = toQRgb(formats::classColour(catalogue.classes[grid.at(x, y)]));
                std::fill_n(line + (x - 1) * kOverviewCellPixels, kOverviewCellPixels, colour);
            }
        }
    }
    return picture;
}

int scaledSide(int side, double scale)
{
    return std::max(1, static_cast<int>(std::lround(side * scale)));
}

QImage scaledPicture(const QImage& picture, double scale)
{
    if (scale == 1)
        return picture;
    return picture.scaled(scaledSide(picture.width(), scale), scaledSide(picture.height(), scale),
                          Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

}  // namespace render
