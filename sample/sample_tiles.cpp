#include "sample/sample_tiles.h"

namespace sample {
namespace {

constexpr Rgb kGrass{70, 150, 50}, kWater{40, 90, 200}, kStone{128, 128, 128}, kSand{220, 200, 130};
constexpr Rgb kWood{150, 100, 50}, kLava{220, 60, 20}, kDark{40, 40, 45};

TileImage grassy(Rgb base, unsigned seed)
{
    TileImage t(base);
    t.speckle(seed, 35, 25);
    return t;
}

TileImage withBlob(TileImage t, int radius, Rgb colour, Rgb highlight)
{
    t.fillCircle(10, 10, radius, colour);
    t.fillCircle(8, 8, radius / 3, highlight);
    return t;
}

TileImage watery(Rgb base, int phase)
{
    TileImage t(base);
    t.waves(shade(base, 50), phase);
    return t;
}

TileImage shore(bool north)
{
    TileImage t = watery(kWater, 1);
    if (north)
        t.fillRect(0, 0, 19, 5, kSand);
    else
        t.fillRect(0, 14, 19, 19, kSand);
    return t;
}

TileImage walled(Rgb base, Rgb mortar, int w, int h, unsigned seed)
{
    TileImage t(base);
    t.speckle(seed, 20, 15);
    t.bricks(mortar, w, h);
    return t;
}

TileImage planked(bool horizontal, Rgb base)
{
    TileImage t(base);
    t.speckle(11, 15, 12);
    if (horizontal)
        t.horizontalStripes(shade(base, -50), 5);
    else
        t.verticalStripes(shade(base, -50), 5);
    return t;
}

TileImage bridge(bool horizontal)
{
    TileImage t = watery(kWater, 2);
    if (horizontal) {
        t.fillRect(0, 4, 19, 15, kWood);
        t.verticalStripes(shade(kWood, -50), 4);
        t.fillRect(0, 0, 19, 3, kWater);
        t.fillRect(0, 16, 19, 19, kWater);
    } else {
        t.fillRect(4, 0, 15, 19, kWood);
        t.horizontalStripes(shade(kWood, -50), 4);
        t.fillRect(0, 0, 3, 19, kWater);
        t.fillRect(16, 0, 19, 19, kWater);
    }
    return t;
}

TileImage flowers()
{
    TileImage t = grassy(kGrass, 3);
    const int spots[][2] = {{3, 4}, {12, 3}, {7, 10}, {15, 13}, {4, 16}, {11, 17}};
    for (const auto& s : spots) {
        t.fillCircle(s[0], s[1], 1, Rgb{240, 220, 60});
        t.set(s[0], s[1], Rgb{200, 40, 40});
    }
    return t;
}

TileImage tree()
{
    TileImage t = grassy(kGrass, 5);
    t.fillRect(9, 13, 11, 19, Rgb{100, 60, 30});
    t.fillCircle(10, 8, 7, Rgb{30, 100, 30});
    t.fillCircle(8, 6, 2, Rgb{60, 140, 50});
    return t;
}

TileImage spikes()
{
    TileImage t(kDark);
    for (int x = 1; x < 20; x += 5)
        for (int h = 0; h < 6; ++h)
            t.fillRect(x + h / 2, 16 - 2 * h, x + 4 - h / 2, 17 - 2 * h, Rgb{190, 190, 200});
    t.fillRect(0, 18, 19, 19, Rgb{150, 30, 30});
    return t;
}

TileImage trap()
{
    TileImage t(kStone);
    t.fillRect(3, 3, 16, 16, Rgb{90, 20, 20});
    t.horizontalStripes(Rgb{200, 40, 40}, 4);
    return t;
}

TileImage fire()
{
    TileImage t(kDark);
    t.fillCircle(10, 13, 6, Rgb{220, 60, 20});
    t.fillCircle(10, 10, 4, Rgb{250, 150, 30});
    t.fillCircle(10, 8, 2, Rgb{255, 240, 120});
    return t;
}

TileImage crate()
{
    TileImage t(kWood);
    t.fillRect(0, 0, 19, 1, shade(kWood, -60));
    t.fillRect(0, 18, 19, 19, shade(kWood, -60));
    t.fillRect(0, 0, 1, 19, shade(kWood, -60));
    t.fillRect(18, 0, 19, 19, shade(kWood, -60));
    for (int i = 2; i < 18; ++i) {
        t.set(i, i, shade(kWood, -60));
        t.set(19 - i, i, shade(kWood, -60));
    }
    return t;
}

TileImage barrel()
{
    TileImage t = planked(true, kWood);
    t.fillCircle(10, 10, 8, Rgb{120, 70, 30});
    t.fillCircle(10, 10, 6, Rgb{160, 110, 60});
    t.fillCircle(10, 10, 1, Rgb{60, 40, 20});
    return t;
}

TileImage stairs()
{
    TileImage t(kDark);
    for (int i = 0; i < 5; ++i)
        t.fillRect(0, i * 4, 19, i * 4 + 2, shade(kStone, -i * 18));
    return t;
}

TileImage door()
{
    TileImage t = walled(kStone, kDark, 10, 5, 21);
    t.fillRect(5, 3, 14, 19, Rgb{120, 70, 30});
    t.verticalStripes(Rgb{80, 45, 20}, 3);
    t.fillRect(0, 0, 4, 19, kStone);
    t.fillRect(15, 0, 19, 19, kStone);
    t.set(12, 11, Rgb{230, 200, 60});
    return t;
}

TileImage chest()
{
    TileImage t(kDark);
    t.fillRect(3, 6, 16, 16, Rgb{140, 90, 40});
    t.fillRect(3, 9, 16, 9, Rgb{230, 190, 50});
    t.fillRect(9, 8, 10, 11, Rgb{230, 190, 50});
    return t;
}

TileImage skull()
{
    TileImage t(kDark);
    t.fillCircle(10, 8, 6, Rgb{230, 230, 220});
    t.fillRect(7, 12, 13, 16, Rgb{230, 230, 220});
    t.fillCircle(8, 8, 1, kDark);
    t.fillCircle(12, 8, 1, kDark);
    t.verticalStripes(kDark, 2);
    t.fillRect(0, 0, 19, 11, kDark);
    t.fillCircle(10, 8, 6, Rgb{230, 230, 220});
    t.fillCircle(8, 8, 1, kDark);
    t.fillCircle(12, 8, 1, kDark);
    return t;
}

TileImage checkered(Rgb a, Rgb b, int size)
{
    TileImage t(a);
    for (int y = 0; y < kTileSide; ++y)
        for (int x = 0; x < kTileSide; ++x)
            if ((x / size + y / size) % 2)
                t.set(x, y, b);
    return t;
}

}  // namespace

std::vector<SampleTile> sampleTiles()
{
    return {
        {tile::grass, 4, "grass", grassy(kGrass, 1)},
        {tile::grassDark, 4, "grassdark", grassy(shade(kGrass, -30), 2)},
        {tile::flowers, 4, "flowers", flowers()},
        {tile::bush, 4, "bush", withBlob(grassy(kGrass, 4), 7, Rgb{40, 110, 40}, Rgb{90, 170, 70})},
        {tile::tree, 4, "tree", tree()},
        {tile::hedge, 4, "hedge", walled(Rgb{40, 120, 40}, Rgb{20, 80, 20}, 5, 5, 6)},
        {tile::moss, 4, "moss", grassy(Rgb{90, 130, 60}, 7)},
        {tile::water, 3, "water", watery(kWater, 0)},
        {tile::deepWater, 3, "deepwater", watery(shade(kWater, -40), 3)},
        {tile::ice, 3, "ice", checkered(Rgb{190, 220, 250}, Rgb{220, 240, 255}, 5)},
        {tile::shoreNorth, 3, "shoren", shore(true)},
        {tile::shoreSouth, 3, "shores", shore(false)},
        {tile::waterfall, 3, "waterfall", [] { TileImage t(kWater); t.verticalStripes(Rgb{200, 220, 255}, 3); return t; }()},
        {tile::stoneWall, 1, "stonewall", walled(kStone, Rgb{80, 80, 80}, 10, 5, 14)},
        {tile::brickWall, 1, "brickwall", walled(Rgb{150, 150, 150}, Rgb{90, 90, 90}, 6, 4, 15)},
        {tile::rock, 1, "rock", withBlob(grassy(kGrass, 16), 8, Rgb{110, 110, 110}, Rgb{170, 170, 170})},
        {tile::pillar, 1, "pillar", withBlob(TileImage(kDark), 7, Rgb{160, 160, 160}, Rgb{210, 210, 210})},
        {tile::mossWall, 1, "mosswall", [] { TileImage t = walled(kStone, Rgb{80, 80, 80}, 10, 5, 18); t.speckle(18, 25, 0); t.fillRect(0, 15, 19, 19, Rgb{70, 130, 50}); return t; }()},
        {tile::gravel, 1, "gravel", grassy(Rgb{150, 145, 140}, 19)},
        {tile::cobble, 1, "cobble", walled(Rgb{170, 165, 150}, Rgb{100, 95, 90}, 4, 4, 20)},
        {tile::lava, 2, "lava", [] { TileImage t = watery(kLava, 4); t.speckle(21, 20, 40); return t; }()},
        {tile::spikes, 2, "spikes", spikes()},
        {tile::fire, 2, "fire", fire()},
        {tile::trap, 2, "trap", trap()},
        {tile::redBrick, 2, "redbrick", walled(Rgb{170, 50, 40}, Rgb{90, 30, 25}, 6, 4, 25)},
        {tile::sand, 5, "sand", grassy(kSand, 26)},
        {tile::dirt, 5, "dirt", grassy(Rgb{130, 95, 60}, 27)},
        {tile::path, 5, "path", [] { TileImage t = grassy(kGrass, 28); t.fillRect(0, 5, 19, 14, Rgb{190, 160, 110}); return t; }()},
        {tile::mud, 5, "mud", grassy(Rgb{90, 70, 45}, 29)},
        {tile::dune, 5, "dune", [] { TileImage t(kSand); t.waves(shade(kSand, -35), 2); return t; }()},
        {tile::crackedEarth, 5, "cracked", [] { TileImage t(Rgb{170, 130, 90}); t.bricks(Rgb{100, 70, 50}, 7, 7); return t; }()},
        {tile::woodFloor, 6, "woodfloor", planked(true, kWood)},
        {tile::bridgeH, 6, "bridgeh", bridge(true)},
        {tile::bridgeV, 6, "bridgev", bridge(false)},
        {tile::crate, 6, "crate", crate()},
        {tile::barrel, 6, "barrel", barrel()},
        {tile::planks, 6, "planks", planked(false, shade(kWood, 25))},
        {tile::voidTile, 0, "void", TileImage(Rgb{0, 0, 0})},
        {tile::darkFloor, 0, "darkfloor", grassy(kDark, 39)},
        {tile::stairs, 0, "stairs", stairs()},
        {tile::door, 0, "door", door()},
        {tile::chest, 0, "chest", chest()},
        {tile::skull, 0, "skull", skull()},
        {tile::marble, 0, "marble", checkered(Rgb{230, 230, 230}, Rgb{180, 180, 190}, 10)},
    };
}

}  // namespace sample
