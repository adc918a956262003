#pragma once
// Generated game maps with scripts for the round trips: every tile number
// 0 to 100 in the cells, catalogues that name some tiles (tile 0 in half of
// them), and scripts that mix player rows the editor composes, hand-edited
// rows, rows the grammar does not read and rows of any bytes, with CR LF or
// LF line ends and a last line that ends or not.
#include "common/testing/bmp_bytes.h"
#include "common/testing/temp_dir.h"
#include "formats/script_line.h"
#include "formats/tile_catalogue.h"

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

namespace tmx::testing {

struct GeneratedMap {
    std::string map;        // the map file
    std::string catalogue;  // map\mapteile.lst
    std::string players;    // player\player.lst
    std::string script;     // the script file
};

class MapGenerator {
public:
    // plainNames: catalogue names of letters and digits only, fit for file
    // names on any disk; otherwise names hold bytes of every kind.
    MapGenerator(unsigned seed, bool plainNames) : random_(seed), plainNames_(plainNames) {}

    GeneratedMap next()
    {
        GeneratedMap map;
        for (int i = 0; i < 10000; ++i)
            map.map += static_cast<char>(below(101));
        map.catalogue = "[nr kl name]\r\n";
        for (int tile = below(2); tile < 100; tile += 1 + below(4))
            map.catalogue += twoDigits(tile) + " " + twoDigits(below(11)) + " " + tileName(tile) + "\r\n";
        map.players = "[player (nummer name)]\r\n01 soldier\r\n02 scout\r\n07 heavy\r\n";
        map.script = script();
        return map;
    }

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

private:
    static std::string twoDigits(int n)
    {
        char text[8];
        std::snprintf(text, sizeof text, "%02d", n);
        return text;
    }

    std::string tileName(int tile)
    {
        std::string name = "t" + std::to_string(tile);
        if (!plainNames_ && below(4) == 0)
            name += std::string{'\x01', '\\', '\x81', '\xE4', '<', '&'};
        return name + "_01";
    }

    std::string anyBytes(int length)
    {
        std::string bytes;
        for (int i = 0; i < length; ++i)
            bytes += static_cast<char>(below(256));
        return bytes;
    }

    double position()
    {
        const double whole = below(2011);
        return below(5) == 0 && whole < 2010 ? whole + 0.25 * (1 + below(3)) : whole;
    }

    std::string playerRow()
    {
        formats::ScriptLinePieces pieces;
        pieces.isUser = below(2) == 0;
        pieces.type = "player";
        pieces.number = std::to_string(below(9));
        pieces.count = below(4) == 0 ? "" : std::to_string(below(5));
        pieces.x = position();
        pieces.y = static_cast<std::int16_t>(below(2011));
        pieces.direction = below(5);
        return formats::composeScriptLine(pieces);
    }

    std::string row()
    {
        switch (below(8)) {
        case 0: return "set player 07 1 0130 +250 2";  // hand-edited: reads, but composes otherwise
        case 1: return "set player 3 1 2500 10 2";     // a point the editor cannot make
        case 2: return std::vector<std::string>{"", "set", "broken,row", " lead", "\"quoted", "set enemy 1 1 2 3 4",
                                                "def player 1 1 10.123456 20 3"}[static_cast<std::size_t>(below(7))];
        case 3: return anyBytes(below(40));
        default: return playerRow();
        }
    }

    std::string script()
    {
        const std::string lineEnd = below(2) ? "\r\n" : "\n";
        std::string bytes = below(4) ? "[set <type> <nmr> <anz> <x> <y> <r>]" : "h" + anyBytes(below(20));
        const int rows = below(30);
        for (int i = 0; i < rows; ++i)
            bytes += lineEnd + row();
        if (below(3))
            bytes += lineEnd;
        return bytes;
    }

    std::mt19937 random_;
    bool plainNames_;
};

// Writes a game folder at root with the map as map\NAME.map and its script
// beside it, each catalogue tile with a bitmap of its own colour.
inline void writeGameFolder(const std::filesystem::path& root, const GeneratedMap& map, const std::string& name)
{
    using tervok::testing::writeFile;
    writeFile(root / "map" / (name + ".map"), map.map);
    writeFile(root / "map" / (name + ".msc"), map.script);
    writeFile(root / "map" / "mapteile.lst", map.catalogue);
    writeFile(root / "player" / "player.lst", map.players);
    const formats::TileCatalogue tiles = formats::parseTileCatalogue(map.catalogue);
    for (std::size_t tile = 0; tile < tiles.names.size(); ++tile)
        if (const auto path = formats::tileImagePath(tiles.names[tile]))
            writeFile(root / "ep" / (path->substr(3)),
                      tervok::testing::bmpFile(20, 20, static_cast<std::uint32_t>(0x102030 + tile * 0x020507)));
}

}  // namespace tmx::testing
