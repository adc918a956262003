#include "sample/sample_map.h"

#include "sample/sample_tiles.h"

#include <array>
#include <cstdint>

namespace sample {
namespace {

constexpr int kSide = 100;

class MapBuilder {
public:
    MapBuilder() { cells_.fill(tile::grass); }

    void set(int x, int y, int t)
    {
        if (x >= 1 && y >= 1 && x <= kSide && y <= kSide)
            cells_[static_cast<std::size_t>((y - 1) * kSide + (x - 1))] = static_cast<std::uint8_t>(t);
    }
    int get(int x, int y) const { return cells_[static_cast<std::size_t>((y - 1) * kSide + (x - 1))]; }

    void rect(int x1, int y1, int x2, int y2, int t)
    {
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x)
                set(x, y, t);
    }
    void outline(int x1, int y1, int x2, int y2, int t)
    {
        rect(x1, y1, x2, y1, t);
        rect(x1, y2, x2, y2, t);
        rect(x1, y1, x1, y2, t);
        rect(x2, y1, x2, y2, t);
    }
    void disc(int cx, int cy, int r, int t)
    {
        for (int y = cy - r; y <= cy + r; ++y)
            for (int x = cx - r; x <= cx + r; ++x)
                if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r)
                    set(x, y, t);
    }
    // Sprinkles t over roughly one cell in every `every` of the area.
    void scatter(int x1, int y1, int x2, int y2, int t, int every, unsigned seed)
    {
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x)
                if ((static_cast<unsigned>(x) * 73856093u ^ static_cast<unsigned>(y) * 19349663u ^ seed) % every == 0)
                    set(x, y, t);
    }

    std::string bytes() const { return std::string(cells_.begin(), cells_.end()); }

private:
    std::array<std::uint8_t, kSide * kSide> cells_{};
};

void meadow(MapBuilder& m)
{
    m.scatter(2, 2, 99, 99, tile::grassDark, 7, 1);
    m.scatter(2, 2, 99, 99, tile::flowers, 23, 2);
    m.scatter(2, 2, 99, 99, tile::rock, 61, 3);
    m.outline(1, 1, 100, 100, tile::stoneWall);
}

void river(MapBuilder& m)
{
    for (int y = 2; y <= 99; ++y) {
        const int bend = (y / 12) % 2 == 0 ? 0 : 1;
        m.rect(44 + bend, y, 46 + bend, y, tile::water);
    }
    m.rect(44, 50, 47, 50, tile::bridgeH);
    m.rect(44, 20, 47, 20, tile::bridgeH);
    m.rect(44, 1, 46, 1, tile::waterfall);
}

void lake(MapBuilder& m)
{
    m.disc(72, 28, 12, tile::sand);
    m.disc(72, 28, 10, tile::water);
    m.disc(72, 28, 6, tile::deepWater);
    m.disc(75, 25, 1, tile::ice);
    m.rect(62, 17, 82, 17, tile::shoreNorth);
    m.disc(72, 28, 12, tile::sand);
    m.disc(72, 28, 10, tile::water);
    m.disc(72, 28, 6, tile::deepWater);
}

void forest(MapBuilder& m)
{
    m.disc(20, 72, 12, tile::grassDark);
    m.scatter(8, 60, 32, 84, tile::tree, 3, 5);
    m.scatter(8, 60, 32, 84, tile::bush, 9, 6);
    m.scatter(8, 60, 32, 84, tile::moss, 17, 7);
    m.rect(8, 90, 40, 98, tile::sand);
    m.scatter(8, 90, 40, 98, tile::dune, 4, 8);
}

void lavaPit(MapBuilder& m)
{
    m.disc(16, 22, 6, tile::crackedEarth);
    m.disc(16, 22, 4, tile::lava);
    m.set(16, 22, tile::fire);
    m.set(10, 22, tile::spikes);
    m.set(22, 22, tile::spikes);
    m.set(16, 16, tile::trap);
    m.set(16, 28, tile::skull);
}

// The first view shows a small hut beside the path, so the editor opens on
// something recognisable.
void hut(MapBuilder& m)
{
    m.rect(3, 3, 9, 8, tile::woodFloor);
    m.outline(3, 3, 9, 8, tile::brickWall);
    m.set(6, 8, tile::door);
    m.set(4, 4, tile::chest);
    m.set(8, 4, tile::barrel);
    m.set(8, 7, tile::crate);
    m.rect(6, 9, 6, 10, tile::path);
    m.set(2, 2, tile::bush);
    m.set(10, 9, tile::tree);
}

void fort(MapBuilder& m)
{
    m.rect(60, 60, 88, 88, tile::marble);
    m.outline(60, 60, 88, 88, tile::redBrick);
    m.outline(59, 59, 89, 89, tile::mossWall);
    m.rect(73, 59, 75, 60, tile::door);
    m.rect(64, 64, 70, 70, tile::darkFloor);
    m.set(67, 67, tile::stairs);
    for (int x = 64; x <= 84; x += 5)
        m.set(x, 80, tile::pillar);
    m.rect(78, 64, 84, 70, tile::planks);
    m.set(81, 67, tile::chest);
    m.rect(74, 50, 74, 58, tile::path);
    m.rect(2, 50, 99, 50, tile::path);
    m.rect(6, 10, 6, 49, tile::path);
    m.rect(44, 50, 47, 50, tile::bridgeH);
    m.rect(30, 40, 38, 46, tile::mud);
    m.rect(50, 90, 58, 96, tile::gravel);
    m.rect(90, 40, 96, 46, tile::cobble);
    m.rect(92, 92, 98, 98, tile::voidTile);
    m.rect(50, 8, 52, 14, tile::hedge);
    m.rect(30, 5, 34, 9, tile::dirt);
}

}  // namespace

std::string sampleMapFile()
{
    MapBuilder m;
    meadow(m);
    river(m);
    lake(m);
    forest(m);
    lavaPit(m);
    fort(m);
    hut(m);
    return m.bytes();
}

}  // namespace sample
