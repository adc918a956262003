#include "sample/tile_painter.h"

#include <algorithm>

namespace sample {
namespace {

unsigned hash(unsigned x)
{
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

void putLittleEndian(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::uint8_t clampByte(int v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 255)); }

}  // namespace

Rgb shade(Rgb c, int delta)
{
    return {clampByte(c.r + delta), clampByte(c.g + delta), clampByte(c.b + delta)};
}

void TileImage::set(int x, int y, Rgb colour)
{
    if (x >= 0 && y >= 0 && x < kTileSide && y < kTileSide)
        pixels_[static_cast<std::size_t>(y * kTileSide + x)] = colour;
}

Rgb TileImage::get(int x, int y) const
{
    return pixels_[static_cast<std::size_t>(y * kTileSide + x)];
}

void TileImage::fillRect(int x1, int y1, int x2, int y2, Rgb colour)
{
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            set(x, y, colour);
}

void TileImage::fillCircle(int cx, int cy, int radius, Rgb colour)
{
    for (int y = cy - radius; y <= cy + radius; ++y)
        for (int x = cx - radius; x <= cx + radius; ++x)
            if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius)
                set(x, y, colour);
}

void TileImage::speckle(unsigned seed, int percent, int strength)
{
    for (int y = 0; y < kTileSide; ++y) {
        for (int x = 0; x < kTileSide; ++x) {
            const unsigned h = hash(seed * 7919U + static_cast<unsigned>(y * kTileSide + x));
            if (static_cast<int>(h % 100) < percent)
                set(x, y, shade(get(x, y), (h & 256U) ? strength : -strength));
        }
    }
}

void TileImage::bricks(Rgb mortar, int brickWidth, int brickHeight)
{
    for (int y = 0; y < kTileSide; ++y) {
        const int row = y / brickHeight;
        const int offset = (row % 2) * (brickWidth / 2);
        for (int x = 0; x < kTileSide; ++x)
            if (y % brickHeight == 0 || (x + offset) % brickWidth == 0)
                set(x, y, mortar);
    }
}

void TileImage::horizontalStripes(Rgb colour, int every)
{
    for (int y = 0; y < kTileSide; y += every)
        fillRect(0, y, kTileSide - 1, y, colour);
}

void TileImage::verticalStripes(Rgb colour, int every)
{
    for (int x = 0; x < kTileSide; x += every)
        fillRect(x, 0, x, kTileSide - 1, colour);
}

void TileImage::waves(Rgb colour, int phase)
{
    for (int y = 2; y < kTileSide; y += 6)
        for (int x = 0; x < kTileSide; ++x)
            if ((x + phase + y) % 6 < 3)
                set(x, y + ((x + phase) % 6 < 3 ? 0 : 1), colour);
}

std::string TileImage::bmpFile() const
{
    constexpr std::uint32_t headerSize = 14 + 40;
    constexpr std::uint32_t rowSize = kTileSide * 3;  // 60 bytes: already a multiple of 4
    constexpr std::uint32_t dataSize = rowSize * kTileSide;
    std::string out = "BM";
    putLittleEndian(out, headerSize + dataSize, 4);
    putLittleEndian(out, 0, 4);
    putLittleEndian(out, headerSize, 4);
    putLittleEndian(out, 40, 4);
    putLittleEndian(out, kTileSide, 4);
    putLittleEndian(out, kTileSide, 4);
    putLittleEndian(out, 1, 2);
    putLittleEndian(out, 24, 2);
    putLittleEndian(out, 0, 4);
    putLittleEndian(out, dataSize, 4);
    putLittleEndian(out, 2835, 4);
    putLittleEndian(out, 2835, 4);
    putLittleEndian(out, 0, 4);
    putLittleEndian(out, 0, 4);
    for (int y = kTileSide - 1; y >= 0; --y) {
        for (int x = 0; x < kTileSide; ++x) {
            const Rgb p = get(x, y);
            out.push_back(static_cast<char>(p.b));
            out.push_back(static_cast<char>(p.g));
            out.push_back(static_cast<char>(p.r));
        }
    }
    return out;
}

}  // namespace sample
