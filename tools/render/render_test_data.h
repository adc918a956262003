#pragma once
// Small game folders for the tests, made by the tests: tile catalogue
// entries, map bytes and bitmaps.
#include "common/testing/bmp_bytes.h"
#include "formats/map_grid.h"

#include <cstdio>
#include <string>
#include <vector>

namespace render::testing {

struct CatalogueEntry {
    int tile;
    int tileClass;
    std::string name;
};

// "[nr kl name]" and one "NN CC name" line per entry, CR LF line ends.
inline std::string catalogueText(const std::vector<CatalogueEntry>& entries)
{
    std::string text = "[nr kl name]\r\n";
    for (const CatalogueEntry& entry : entries) {
        char numbers[16];
        std::snprintf(numbers, sizeof numbers, "%02d %02d ", entry.tile, entry.tileClass);
        text += numbers + entry.name + "\r\n";
    }
    return text;
}

struct PlacedTile {
    int x;
    int y;
    std::uint8_t tile;
};

inline std::string mapBytes(const std::vector<PlacedTile>& tiles)
{
    std::string bytes(formats::kMapSize * formats::kMapSize, '\0');
    for (const PlacedTile& placed : tiles)
        bytes[static_cast<std::size_t>((placed.y - 1) * formats::kMapSize + placed.x - 1)] =
            static_cast<char>(placed.tile);
    return bytes;
}

inline formats::MapGrid gridOf(const std::vector<PlacedTile>& tiles)
{
    formats::MapGrid grid;
    for (const PlacedTile& placed : tiles)
        grid.set(placed.x, placed.y, placed.tile);
    return grid;
}

// A 24-bit bitmap in body colour whose top row is top colour (both
// 0x00RRGGBB). The file's rows run from the bottom up, so the top row is
// the last one stored.
inline std::string bmpWithTopRow(int width, int height, std::uint32_t body, std::uint32_t top)
{
    std::string bytes = tervok::testing::bmpFile(width, height, body);
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    const std::size_t topRow = 54 + stride * static_cast<std::size_t>(height - 1);
    for (int x = 0; x < width; ++x)
        tervok::testing::putLittleEndian(bytes, topRow + static_cast<std::size_t>(x) * 3, top, 3);
    return bytes;
}

}  // namespace render::testing
