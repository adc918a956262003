#pragma once
// Catalogue lists ("sprites\particle.lst", "shots\weapons.lst",
// "player\player.lst") and the loader that shows one in a list box.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {
class ListBox;
}

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
    std::string rowText;  // signed decimal number, ": ", name
};

// Window-free parse step: the accepted entry lines of a catalogue file, at
// most 100, in file order. Empty fields and bracket lines are skipped.
std::vector<CatalogueEntry> parseCatalogue(std::string bytes, int nameColumn);

// Fill step: "<none>" and one row per entry; records the entry numbers in the
// table from index 1 on. Entries past the table's room are dropped.
void fillCatalogueList(ui::ListBox& list, const std::vector<CatalogueEntry>& entries,
                       NumberTable& table);

// Reads the catalogue at gamePath and fills list and table. A missing or
// unreadable file leaves the list with "<none>" alone.
void loadCatalogue(ui::ListBox& list, std::string_view gamePath, int nameColumn,
                   NumberTable& table);

// The number a pick button writes for the selected row, as plain decimal
// text; nothing when no row (or no recorded row) is selected.
std::optional<std::string> pickedNumber(const NumberTable& table, int selectedRow);

}  // namespace tervok
