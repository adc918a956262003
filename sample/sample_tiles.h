#pragma once
// The tiles of the sample game data: number, class, catalogue name and image.
#include "sample/tile_painter.h"

#include <string>
#include <vector>

namespace sample {

struct SampleTile {
    int number;
    int tileClass;
    std::string image;  // file name under ep\ without ".bmp"
    TileImage picture;

    // Catalogue names carry a three-character variant after the image name.
    std::string catalogueName() const { return image + "_01"; }
};

std::vector<SampleTile> sampleTiles();

// Tile numbers the sample map is built from.
namespace tile {
constexpr int grass = 1, grassDark = 2, flowers = 3, bush = 4, tree = 5, hedge = 6, moss = 7;
constexpr int water = 8, deepWater = 9, ice = 10, shoreNorth = 11, shoreSouth = 12, waterfall = 13;
constexpr int stoneWall = 14, brickWall = 15, rock = 16, pillar = 17, mossWall = 18, gravel = 19, cobble = 20;
constexpr int lava = 21, spikes = 22, fire = 23, trap = 24, redBrick = 25;
constexpr int sand = 26, dirt = 27, path = 28, mud = 29, dune = 30, crackedEarth = 31;
constexpr int woodFloor = 32, bridgeH = 33, bridgeV = 34, crate = 35, barrel = 36, planks = 37;
constexpr int voidTile = 38, darkFloor = 39, stairs = 40, door = 41, chest = 42, skull = 43, marble = 44;
}  // namespace tile

}  // namespace sample
