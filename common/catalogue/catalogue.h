#pragma once
// Catalogue lists ("sprites\particle.lst", "shots\weapons.lst",
// "player\player.lst"): the window-free parse step of the loader, the
// number table it fills and the number a pick button writes.
#include "common/errors/result.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tervok {

// Row k of a loaded list stands for entry number table[k]; row 0 is
// "<none>" and stands for 0.
using NumberTable = std::array<std::int16_t, 101>;

constexpr int kMaxCatalogueEntries = 100;
constexpr int kPlayerNameColumn = 4;
constexpr int kWeaponNameColumn = 4;
constexpr int kParticleNameColumn = 7;

struct CatalogueEntry {
    std::int16_t number = 0;
    std::string name;     // from the name column on
    std::string rowText;  // signed decimal number, ": ", name
    std::size_t line = 0; // 1-based line of the entry in its file
};

// Entry lines past the 100th, which no list shows.
struct IgnoredEntries {
    std::size_t count = 0;
    std::size_t firstLine = 0;
};

// The accepted entry lines of a catalogue file, at most 100, in file order.
// Empty fields and bracket lines are skipped. Kept on purpose: the name
// starts at its fixed column whatever the number columns hold, so "7 blaster"
// is number 7 named "laster".
// ignored, when given, receives what lay past the 100th entry.
std::vector<CatalogueEntry> parseCatalogue(std::string bytes, int nameColumn, IgnoredEntries* ignored = nullptr);

// Reads and parses the catalogue at a game path.
Result<std::vector<CatalogueEntry>> readCatalogue(std::string_view gamePath, int nameColumn);

// The number a pick button writes for the selected row, as plain decimal
// text; nothing when no row (or no recorded row) is selected.
std::optional<std::string> pickedNumber(const NumberTable& table, int selectedRow);

}  // namespace tervok
