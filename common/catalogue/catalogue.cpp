#include "common/catalogue/catalogue.h"

#include "common/files/game_file.h"
#include "common/text/field_reader.h"
#include "common/text/number_reader.h"

namespace tervok {

std::vector<CatalogueEntry> parseCatalogue(std::string bytes, int nameColumn, IgnoredEntries* ignored)
{
    std::vector<CatalogueEntry> entries;
    FieldReader reader(std::move(bytes));
    while (!reader.atEnd()) {
        const std::size_t line = reader.line();
        const std::string field = reader.next().value_or(std::string());
        if (field.empty() || field.front() == '[')
            continue;
        if (entries.size() == kMaxCatalogueEntries) {
            if (!ignored)
                break;
            if (ignored->count++ == 0)
                ignored->firstLine = line;
            continue;
        }
        CatalogueEntry entry;
        entry.number = toInt16(readNumber(std::string_view(field).substr(0, 2)));
        const std::size_t nameStart = static_cast<std::size_t>(nameColumn - 1);
        entry.name = field.size() > nameStart ? field.substr(nameStart) : std::string();
        entry.rowText = signedText(entry.number) + ": " + entry.name;
        entry.line = line;
        entries.push_back(std::move(entry));
    }
    return entries;
}

Result<std::vector<CatalogueEntry>> readCatalogue(std::string_view gamePath, int nameColumn)
{
    return loadGameFile(gamePath,
                        [nameColumn](std::string bytes) { return parseCatalogue(std::move(bytes), nameColumn); });
}

std::optional<std::string> pickedNumber(const NumberTable& table, int selectedRow)
{
    if (selectedRow < 0 || selectedRow >= static_cast<int>(table.size()))
        return std::nullopt;
    return plainText(table[static_cast<std::size_t>(selectedRow)]);
}

}  // namespace tervok
