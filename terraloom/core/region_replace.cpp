#include "terraloom/core/region_replace.h"

#include "common/text/blanks.h"
#include "terraloom/core/region_edit.h"

#include <algorithm>

namespace terraloom {
namespace {

bool sameLetters(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
               return lower(x) == lower(y);
           });
}

std::string cellsText(int count)
{
    return std::to_string(count) + (count == 1 ? " cell" : " cells");
}

}  // namespace

std::string ReplaceTileChoice::choiceOf(int tile) const
{
    const std::string& name = tiles_.names[static_cast<std::size_t>(tile)];
    return name.empty() ? std::to_string(tile) : std::to_string(tile) + " " + name;
}

std::vector<std::string> ReplaceTileChoice::choices() const
{
    std::vector<std::string> all;
    for (int tile = 0; tile <= formats::kMaxTile; ++tile)
        all.push_back(choiceOf(tile));
    return all;
}

std::optional<int> ReplaceTileChoice::tileOf(std::string_view text) const
{
    text = tervok::withoutBlanks(text);
    std::size_t digits = 0;
    while (digits < text.size() && digits < 4 && text[digits] >= '0' && text[digits] <= '9')
        ++digits;
    if (digits > 0 && (digits == text.size() || tervok::isBlank(text[digits]))) {
        const int tile = std::stoi(std::string(text.substr(0, digits)));
        return tile <= formats::kMaxTile ? std::optional<int>(tile) : std::nullopt;
    }
    if (text.empty())
        return std::nullopt;
    for (int tile = 0; tile <= formats::kMaxTile; ++tile)
        if (sameLetters(text, tiles_.names[static_cast<std::size_t>(tile)]))
            return tile;
    return std::nullopt;
}

ReplaceOutcome ReplaceTileChoice::outcome(const ReplaceInput& input) const
{
    ReplaceOutcome out;
    out.find = tileOf(input.find);
    out.put = tileOf(input.put);
    const bool inSelection = input.onlyInSelection && selection_;
    if (inSelection)
        out.area = *selection_;
    const std::string where = inSelection ? " in the selection" : "";
    if (!out.find) {
        out.text = "Find: a tile number from 0 to 100, or a tile's name";
    } else if (!out.put) {
        out.text = "Put: a tile number from 0 to 100, or a tile's name";
    } else if (*out.find == *out.put) {
        out.text = "The same tile: nothing changes";
    } else {
        out.count = countReplaced(grid_, static_cast<std::uint8_t>(*out.find), static_cast<std::uint8_t>(*out.put),
                                  out.area);
        out.acceptable = out.count > 0;
        out.text = out.count > 0 ? cellsText(out.count) + where + " will change"
                                 : "No cell" + where + " holds tile " + std::to_string(*out.find);
    }
    return out;
}

}  // namespace terraloom
