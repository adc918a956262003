// Writes the bundled sample game data into the folder named on the command
// line: tile catalogue and tile bitmaps, a map and its script, the player,
// weapon and particle catalogues, sprite files, a player and a shot file.
#include "sample/sample_map.h"
#include "sample/sample_tiles.h"

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iostream>
#include <string>

namespace {

namespace fs = std::filesystem;

bool writeBytes(const fs::path& path, const std::string& bytes)
{
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

std::string lines(std::initializer_list<std::string> rows)
{
    std::string text;
    for (const std::string& row : rows)
        text += row + "\r\n";
    return text;
}

std::string twoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

bool writeTiles(const fs::path& root)
{
    std::string catalogue = "[nr kl name]\r\n";
    bool ok = true;
    for (const sample::SampleTile& t : sample::sampleTiles()) {
        catalogue += twoDigits(t.number) + " " + twoDigits(t.tileClass) + " " + t.catalogueName() + "\r\n";
        ok = writeBytes(root / "ep" / (t.image + ".bmp"), t.picture.bmpFile()) && ok;
    }
    return writeBytes(root / "map" / "mapteile.lst", catalogue) && ok;
}

bool writeMap(const fs::path& root)
{
    const std::string script = lines({"[set <type> <nmr> <anz> <x> <y> <r>]", "def player 1 1 130 90 3",
                                      "set player 3 1 910 1010 1", "set player 4 2 1490 1490 4",
                                      "set player 2 1 330 1450 2"});
    return writeBytes(root / "map" / "map1.map", sample::sampleMapFile()) &&
           writeBytes(root / "map" / "map1.msc", script);
}

bool writeCatalogues(const fs::path& root)
{
    return writeBytes(root / "player" / "player.lst",
                      lines({"[player (nummer name)]", "01 soldier", "02 scout", "03 heavy", "04 medic", "05 sniper"})) &&
           writeBytes(root / "shots" / "weapons.lst",
                      lines({"[weapons (nummer name)]", "01 blaster", "02 laser", "03 rocket", "04 flamer",
                             "05 grenade", "06 shotgun"})) &&
           writeBytes(root / "sprites" / "particle.lst",
                      lines({"[nummer repeat sprite]", "01 05 blood.spr", "02 03 smoke.spr", "03 12 fire.spr",
                             "04 01 spark.spr", "05 08 explo.spr", "[06 02 debris.spr"}));
}

// Sprite files: a small header of our own and a few frames of pixels; the
// editors only pick their names.
bool writeSprites(const fs::path& root)
{
    bool ok = true;
    int seed = 1;
    for (const char* name : {"blood", "smoke", "fire", "spark", "explo", "debris", "laser", "rocket", "plasma"}) {
        std::string bytes = "SPR1";
        for (int i = 0; i < 64; ++i)
            bytes.push_back(static_cast<char>((i * 37 + seed * 11) & 0xFF));
        ok = writeBytes(root / "sprites" / (std::string(name) + ".spr"), bytes) && ok;
        ++seed;
    }
    return writeBytes(root / "sprites" / "readme.txt", lines({"Sprite files of the sample data."})) && ok;
}

bool writePlayerAndShot(const fs::path& root)
{
    std::string player = lines({"[sprite (player\\player.lst)]", "1", "[team]", "1", "[health]", "100",
                                "[move speed *100]", "150", "[step speed *100]", "100",
                                "[blood (sprites\\particle.lst)]", "1", "[explo blood (sprites\\particle.lst)", "5",
                                "[shottyp (shots\\weapons.lst <nn>; da ? <n>; munnition <nnn> ]"});
    const char* slots[10] = {"01 1 00-1 00-1", "03 1 0020 0040", "02 0 0000 0100"};
    for (int i = 0; i < 10; ++i)
        player += lines({"weapon[" + std::string(1, static_cast<char>(49 + i)) + "]",
                         slots[i] ? slots[i] : "00 0 0000 0000"});
    const std::string shot = lines({"[Schaden]", "25", "[Speed]", "800", "[ttl in frames]", "60",
                                    "[reload time in frames]", "20", "[Shot-Sprite]", "laser.spr", "[Explo-Sprite]",
                                    "5", "[Name]", "Laser", "[Schadenradius]", "0"});
    return writeBytes(root / "player" / "soldier.dat", player) && writeBytes(root / "shots" / "laser.sht", shot);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_sample_data <folder>\n";
        return 2;
    }
    const fs::path root = argv[1];
    const bool ok = writeTiles(root) && writeMap(root) && writeCatalogues(root) && writeSprites(root) &&
                    writePlayerAndShot(root);
    if (!ok) {
        std::cerr << "make_sample_data: could not write " << root << "\n";
        return 1;
    }
    return 0;
}
