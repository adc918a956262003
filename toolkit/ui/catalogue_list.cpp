#include "toolkit/ui/catalogue_list.h"

#include "common/errors/failure_report.h"
#include "common/game/messages.h"

namespace tervok {

void fillCatalogueList(ui::ListBox& list, const std::vector<CatalogueEntry>& entries, NumberTable& table)
{
    std::vector<std::string> rows;
    rows.reserve(entries.size() + 1);
    rows.emplace_back("<none>");
    for (const CatalogueEntry& entry : entries) {
        if (rows.size() > kMaxCatalogueEntries)
            break;
        table[rows.size()] = entry.number;
        rows.push_back(entry.rowText);
    }
    list.setItems(std::move(rows));
}

void loadCatalogue(ui::Toolkit& toolkit, ui::ListBox& list, std::string_view gamePath, int nameColumn,
                   NumberTable& table)
{
    Result<std::vector<CatalogueEntry>> entries = readCatalogue(gamePath, nameColumn);
    if (!entries)
        reportFailure(toolkit.programName(), gamePath, kCannotRead, entries.error());
    fillCatalogueList(list, entries ? *entries : std::vector<CatalogueEntry>{}, table);
}

}  // namespace tervok
