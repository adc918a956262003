#include "bench/check_folder_data.h"

#include "bench/worst_case_data.h"

#include <fstream>

namespace bench {
namespace {

namespace fs = std::filesystem;

// The worst-case map moved by n cells, so no two maps are alike.
std::string shiftedMap(int n)
{
    const std::string map = worstCaseMapFile();
    const auto shift = static_cast<std::size_t>(n) % map.size();
    return map.substr(shift) + map.substr(0, shift);
}

std::string shortScript(int n)
{
    std::string text = "[set <type> <nmr> <anz> <x> <y> <r>]\r\n";
    for (int row = 0; row < kCheckScriptRows; ++row)
        text += "set player " + std::to_string(1 + (n + row) % 99) + " 1 " + std::to_string(10 + 20 * (row % 100)) +
                " " + std::to_string(10 + 20 * (n % 100)) + " " + std::to_string(1 + row % 4) + "\r\n";
    return text;
}

}  // namespace

bool writeCheckFolder(const fs::path& root)
{
    bool ok = writeWorstCaseData(root);
    std::ifstream soldier(root / "player" / "soldier.dat", std::ios::binary);
    const std::string playerBytes((std::istreambuf_iterator<char>(soldier)), std::istreambuf_iterator<char>());
    std::ifstream laser(root / "shots" / "laser.sht", std::ios::binary);
    const std::string shotBytes((std::istreambuf_iterator<char>(laser)), std::istreambuf_iterator<char>());
    for (int n = 1; n <= kCheckMaps; ++n) {
        const std::string name = "level" + std::to_string(n);
        ok = writeBytes(root / "map" / (name + ".map"), shiftedMap(n)) && ok;
        ok = writeBytes(root / "map" / (name + ".msc"), shortScript(n)) && ok;
    }
    for (int n = 1; n <= kCheckPlayers; ++n)
        ok = writeBytes(root / "player" / ("player" + std::to_string(n) + ".dat"), playerBytes) && ok;
    for (int n = 1; n <= kCheckShots; ++n)
        ok = writeBytes(root / "shots" / ("shot" + std::to_string(n) + ".sht"), shotBytes) && ok;
    for (int n = 1; n <= 99; ++n)
        ok = writeBytes(root / "sprites" / ("particle" + std::string(n < 10 ? "0" : "") + std::to_string(n) + ".spr"),
                        "") && ok;
    return ok;
}

}  // namespace bench
