#include "catalogue/catalogue.h"

#include "files/file_io.h"
#include "files/game_path.h"
#include "text/field_reader.h"
#include "text/number_reader.h"
#include "toolkit/controls.h"

namespace tervok {

std::vector<CatalogueEntry> parseCatalogue(std::string bytes, int nameColumn)
{
    std::vector<CatalogueEntry> entries;
    FieldReader reader(std::move(bytes));
    while (!reader.atEnd() && entries.size() < kMaxCatalogueEntries) {
        const std::string field = reader.next().value_or(std::string());
        if (field.empty() || field.front() == '[')
            continue;
        CatalogueEntry entry;
        entry.number = toInt16(readNumber(std::string_view(field).substr(0, 2)));
        const std::size_t nameStart = static_cast<std::size_t>(nameColumn - 1);
        const std::string name = field.size() > nameStart ? field.substr(nameStart) : std::string();
        entry.rowText = signedText(entry.number) + ": " + name;
        entries.push_back(std::move(entry));
    }
    return entries;
}

void fillCatalogueList(ui::ListBox& list, const std::vector<CatalogueEntry>& entries,
                       NumberTable& table)
{
    list.clear();
    list.addItem("<none>");
    int row = 0;
    for (const CatalogueEntry& entry : entries) {
        if (row == kMaxCatalogueEntries)
            break;
        ++row;
        table[static_cast<std::size_t>(row)] = entry.number;
        list.addItem(entry.rowText);
    }
}

void loadCatalogue(ui::ListBox& list, std::string_view gamePath, int nameColumn,
                   NumberTable& table)
{
    std::optional<std::string> bytes = readWholeFile(nativePath(gamePath));
    std::vector<CatalogueEntry> entries;
    if (bytes)
        entries = parseCatalogue(std::move(*bytes), nameColumn);
    fillCatalogueList(list, entries, table);
}

std::optional<std::string> pickedNumber(const NumberTable& table, int selectedRow)
{
    if (selectedRow < 0 || selectedRow >= static_cast<int>(table.size()))
        return std::nullopt;
    return plainText(table[static_cast<std::size_t>(selectedRow)]);
}

}  // namespace tervok
