#include "formats/tile_catalogue.h"

#include "common/files/game_file.h"
#include "common/text/field_reader.h"
#include "common/text/number_reader.h"

namespace formats {
namespace {

bool isSkipped(const std::string& field)
{
    return field.empty() || field.front() == '[' || field.front() == ' ';
}

// Kept on purpose: the number reader skips blanks, so digits at the start of
// a name join the class: columns 4 to 8 are read as one number.
double classOf(const std::string& field)
{
    const std::string columns = field.size() > 3 ? field.substr(3, 5) : std::string();
    return tervok::roundHalfEven(tervok::readNumber(columns));
}

TileEntry entryOf(std::size_t line, std::string field)
{
    TileEntry entry;
    entry.line = line;
    entry.number = tervok::roundHalfEven(tervok::readNumber(field.substr(0, 2)));
    entry.classValue = classOf(field);
    entry.name = field.size() > 6 ? field.substr(6) : std::string();
    entry.field = std::move(field);
    return entry;
}

}  // namespace

std::vector<std::string> TileCatalogue::listItems() const
{
    std::vector<std::string> items;
    items.reserve(kMaxTile + 1);
    items.emplace_back();
    for (int tile = 1; tile <= kMaxTile; ++tile)
        items.push_back(names[static_cast<std::size_t>(tile)]);
    return items;
}

std::vector<TileEntry> parseTileEntries(std::string bytes)
{
    std::vector<TileEntry> entries;
    tervok::FieldReader reader(std::move(bytes));
    while (!reader.atEnd()) {
        const std::size_t line = reader.line();
        std::string field = reader.next().value_or(std::string());
        if (!isSkipped(field))
            entries.push_back(entryOf(line, std::move(field)));
    }
    return entries;
}

TileCatalogue parseTileCatalogue(std::string bytes)
{
    TileCatalogue catalogue;
    for (TileEntry& entry : parseTileEntries(std::move(bytes))) {
        if (entry.number < 0 || entry.number > kMaxTile)
            continue;
        const auto tile = static_cast<std::size_t>(entry.number);
        const bool classFits = entry.classValue >= 0 && entry.classValue <= kMaxTileClass;
        catalogue.names[tile] = std::move(entry.name);
        catalogue.classes[tile] = static_cast<std::uint8_t>(classFits ? entry.classValue : 0);
    }
    return catalogue;
}

tervok::Result<TileCatalogue> loadTileCatalogue(std::string_view gamePath)
{
    return tervok::loadGameFile(gamePath, parseTileCatalogue);
}

std::optional<std::string> tileImagePath(const std::string& tileName)
{
    if (tileName.size() < 3)
        return std::nullopt;
    return "ep\\" + tileName.substr(0, tileName.size() - 3) + ".bmp";
}

}  // namespace formats
