#pragma once
// The fill step of the catalogue loader: a list box shows a catalogue's
// entries, and the number table records the number behind each row.
#include "common/catalogue/catalogue.h"
#include "toolkit/ui/toolkit.h"

#include <string_view>
#include <vector>

namespace tervok {

// "<none>" and one row per entry; records the entry numbers in the table
// from index 1 on. Entries past the table's room are dropped.
void fillCatalogueList(ui::ListBox& list, const std::vector<CatalogueEntry>& entries, NumberTable& table);

// Reads the catalogue at gamePath and fills list and table. A missing or
// unreadable file leaves the list with "<none>" alone and shows nothing; the
// reason goes to standard error.
void loadCatalogue(ui::Toolkit& toolkit, ui::ListBox& list, std::string_view gamePath, int nameColumn,
                   NumberTable& table);

}  // namespace tervok
