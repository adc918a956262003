#pragma once
// The worst case for the level editor's redraws, written as a data folder:
// 100 tiles (0 to 99) that are all named, all of different classes in turn
// and all drawn differently, each bitmap in a file of its own, and a map in
// which every 10 x 10 window shows each of the 100 tiles exactly once. The
// catalogues are full and the map script is as long as a script can be, so
// the other editors' loads and saves meet their largest files too.
#include <filesystem>
#include <string>

namespace bench {

constexpr int kWorstCaseTiles = 100;
constexpr int kWorstCaseScriptRows = 32767;

// The tile the worst-case map holds at cell (x, y), both 1-based.
constexpr int worstCaseTileAt(int x, int y) { return (x - 1) % 10 + ((y - 1) % 10) * 10; }

std::string worstCaseTileCatalogue();
std::string worstCaseTileBitmap(int tile);
std::string worstCaseMapFile();
std::string worstCaseScript();

// Writes the whole folder; false when a file could not be written.
bool writeWorstCaseData(const std::filesystem::path& root);

// Writes a file of a generated folder, and the folders that lead to it.
bool writeBytes(const std::filesystem::path& path, const std::string& bytes);

}  // namespace bench
