#include "tile_catalogue.h"

#include "files/file_io.h"
#include "files/game_path.h"
#include "text/field_reader.h"
#include "text/number_reader.h"

namespace terraloom {
namespace {

bool isSkipped(const std::string& field)
{
    return field.empty() || field.front() == '[' || field.front() == ' ';
}

// Kept on purpose: the number reader skips blanks, so digits at the start of
// a name join the class: columns 4 to 8 are read as one number.
int classOf(const std::string& field)
{
    const std::string columns = field.size() > 3 ? field.substr(3, 5) : std::string();
    const double value = tervok::roundHalfEven(tervok::readNumber(columns));
    if (value < 0 || value > 255)
        return 0;
    return static_cast<int>(value);
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

TileCatalogue parseTileCatalogue(std::string bytes)
{
    TileCatalogue catalogue;
    tervok::FieldReader reader(std::move(bytes));
    while (!reader.atEnd()) {
        const std::string field = reader.next().value_or(std::string());
        if (isSkipped(field))
            continue;
        const double number = tervok::roundHalfEven(tervok::readNumber(field.substr(0, 2)));
        if (number < 0 || number > kMaxTile)
            continue;
        const auto tile = static_cast<std::size_t>(number);
        catalogue.names[tile] = field.size() > 6 ? field.substr(6) : std::string();
        catalogue.classes[tile] = static_cast<std::uint8_t>(classOf(field));
    }
    return catalogue;
}

tervok::Result<TileCatalogue> loadTileCatalogue(std::string_view gamePath)
{
    tervok::Result<std::string> bytes = tervok::readWholeFile(tervok::nativePath(gamePath));
    if (!bytes)
        return bytes.error();
    return parseTileCatalogue(std::move(*bytes));
}

std::optional<std::string> tileImagePath(const std::string& tileName)
{
    if (tileName.size() < 3)
        return std::nullopt;
    return "ep\\" + tileName.substr(0, tileName.size() - 3) + ".bmp";
}

}  // namespace terraloom
