#include "tools/tmx/tiled_map.h"

#include <array>
#include <charconv>

namespace tmx {

const Property* findProperty(const Properties& properties, std::string_view name)
{
    for (const Property& property : properties)
        if (property.name == name)
            return &property;
    return nullptr;
}

std::string numberText(double value)
{
    std::array<char, 32> text{};
    const auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), value);
    return std::string(text.data(), end);
}

tervok::Error formatErrorAt(std::size_t line, std::string detail)
{
    return line ? tervok::formatErrorAtLine(line, std::move(detail)) : tervok::formatError(std::move(detail));
}

std::optional<std::string> frameProblem(const TiledMap& map)
{
    if (map.orientation != "orthogonal")
        return "the map is " + (map.orientation.empty() ? std::string("of no orientation") : map.orientation) +
               ", not orthogonal";
    if (map.infinite)
        return std::string("the map is infinite; a game map has a fixed size of 100 x 100 cells");
    if (map.width != formats::kMapSize || map.height != formats::kMapSize)
        return "the map is " + std::to_string(map.width) + " x " + std::to_string(map.height) +
               " cells, not 100 x 100";
    if (map.tileWidth != formats::kTilePixels || map.tileHeight != formats::kTilePixels)
        return "the map's cells are " + std::to_string(map.tileWidth) + " x " + std::to_string(map.tileHeight) +
               " pixels, not 20 x 20";
    return std::nullopt;
}

}  // namespace tmx
