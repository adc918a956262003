#pragma once
// The two pictures of a map: the whole map at full size, each cell its
// tile's 20 x 20 block, and the overview, each cell a 2 x 2 square in the
// colour of its tile's class, pixel for pixel what the editor's overview
// shows after a redraw. Both are 32-bit RGB images.
#include "formats/class_colours.h"
#include "formats/map_grid.h"
#include "formats/tile_catalogue.h"
#include "tools/render/tile_blocks.h"

#include <QImage>

namespace render {

constexpr int kMapPixels = formats::kMapSize * kCellPixels;  // 2000
constexpr int kOverviewCellPixels = 2;
constexpr int kOverviewPixels = formats::kMapSize * kOverviewCellPixels;  // 200

// Cell (x, y) at ((x - 1) * 20, (y - 1) * 20).
QImage drawMap(const formats::MapGrid& grid, const TileBlocks& blocks);

// A class colour (0x00BBGGRR, red in the low byte) as an opaque QRgb.
QRgb toQRgb(formats::ClassColour colour);

// Cell (x, y) at ((x - 1) * 2, (y - 1) * 2).
QImage drawOverview(const formats::MapGrid& grid, const formats::TileCatalogue& catalogue);

// round(side * scale), at least one pixel.
int scaledSide(int side, double scale);

// The picture scaled by nearest-neighbour sampling, so that the edges of
// tiles stay sharp; at scale 1 the picture itself.
QImage scaledPicture(const QImage& picture, double scale);

}  // namespace render
