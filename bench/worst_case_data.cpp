#include "bench/worst_case_data.h"

#include "sample/tile_painter.h"

#include <cstdio>
#include <fstream>

namespace bench {
namespace {

namespace fs = std::filesystem;

std::string twoDigits(int n)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

std::string tileImageName(int tile) { return "tile" + twoDigits(tile); }

// Entry lines "NN <name>" (or "NN RR <name>") numbered 1 to 99, after a
// heading line.
std::string fullCatalogue(const std::string& heading, const std::string& repeat, const std::string& stem,
                          const std::string& suffix)
{
    std::string text = "[" + heading + "]\r\n";
    for (int n = 1; n <= 99; ++n)
        text += twoDigits(n) + " " + repeat + stem + twoDigits(n) + suffix + "\r\n";
    return text;
}

std::string playerFile()
{
    std::string text = "[sprite (player\\player.lst)]\r\n99\r\n[team]\r\n2\r\n[health]\r\n1000\r\n"
                       "[move speed *100]\r\n250\r\n[step speed *100]\r\n175\r\n"
                       "[blood (sprites\\particle.lst)]\r\n99\r\n[explo blood (sprites\\particle.lst)\r\n98\r\n"
                       "[shottyp (shots\\weapons.lst <nn>; da ? <n>; munnition <nnn> ]\r\n";
    for (int slot = 1; slot <= 10; ++slot)
        text += "weapon[" + std::to_string(slot % 10) + "]\r\n" + twoDigits(90 + slot - 1) + " 1 0999 0999\r\n";
    return text;
}

std::string shotFile()
{
    return "[Schaden]\r\n999\r\n[Speed]\r\n9999\r\n[ttl in frames]\r\n999\r\n[reload time in frames]\r\n999\r\n"
           "[Shot-Sprite]\r\nparticle99.spr\r\n[Explo-Sprite]\r\n99\r\n[Name]\r\nWorst case\r\n"
           "[Schadenradius]\r\n999\r\n";
}

}  // namespace

std::string worstCaseTileCatalogue()
{
    std::string text = "[nr kl name]\r\n";
    for (int tile = 0; tile < kWorstCaseTiles; ++tile)
        text += twoDigits(tile) + " " + twoDigits(tile % 11) + " " + tileImageName(tile) + "_01\r\n";
    return text;
}

// A colour of its own, speckles, and the tile number written as a row of
// black and white pixels, so no two bitmaps are alike.
std::string worstCaseTileBitmap(int tile)
{
    const auto channel = [tile](int factor, int offset) {
        return static_cast<std::uint8_t>((tile * factor + offset) % 256);
    };
    sample::TileImage image({channel(37, 20), channel(91, 60), channel(173, 100)});
    image.speckle(static_cast<unsigned>(tile) + 1, 30, 40);
    for (int bit = 0; bit < 7; ++bit) {
        const bool set = (tile >> bit) & 1;
        image.set(2 + 2 * bit, 0, set ? sample::Rgb{255, 255, 255} : sample::Rgb{0, 0, 0});
    }
    return image.bmpFile();
}

std::string worstCaseMapFile()
{
    std::string bytes;
    bytes.reserve(10000);
    for (int y = 1; y <= 100; ++y)
        for (int x = 1; x <= 100; ++x)
            bytes.push_back(static_cast<char>(worstCaseTileAt(x, y)));
    return bytes;
}

std::string worstCaseScript()
{
    std::string text = "[set <type> <nmr> <anz> <x> <y> <r>]\r\n";
    for (int row = 0; row < kWorstCaseScriptRows; ++row) {
        const int x = 10 + 20 * (row % 100);
        const int y = 10 + 20 * ((row / 100) % 100);
        text += "set player " + std::to_string(1 + row % 99) + " 1 " + std::to_string(x) + " " +
                std::to_string(y) + " " + std::to_string(1 + row % 4) + "\r\n";
    }
    return text;
}

bool writeBytes(const fs::path& path, const std::string& bytes)
{
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

bool writeWorstCaseData(const fs::path& root)
{
    bool ok = writeBytes(root / "map" / "mapteile.lst", worstCaseTileCatalogue());
    for (int tile = 0; tile < kWorstCaseTiles; ++tile)
        ok = writeBytes(root / "ep" / (tileImageName(tile) + ".bmp"), worstCaseTileBitmap(tile)) && ok;
    ok = writeBytes(root / "map" / "map1.map", worstCaseMapFile()) && ok;
    ok = writeBytes(root / "map" / "map1.msc", worstCaseScript()) && ok;
    ok = writeBytes(root / "player" / "player.lst", fullCatalogue("player (nummer name)", "", "player", "")) && ok;
    ok = writeBytes(root / "shots" / "weapons.lst", fullCatalogue("weapons (nummer name)", "", "weapon", "")) && ok;
    ok = writeBytes(root / "sprites" / "particle.lst", fullCatalogue("nummer repeat sprite", "99 ", "particle", ".spr")) &&
         ok;
    ok = writeBytes(root / "player" / "soldier.dat", playerFile()) && ok;
    ok = writeBytes(root / "shots" / "laser.sht", shotFile()) && ok;
    return ok;
}

}  // namespace bench
