#pragma once
// What the "Replace tile" dialog asks and shows, apart from the dialog: the
// tile to find and the tile to put, each chosen from the catalogue's names
// ("12 wall001") or typed as a number from 0 to 100 (or as a name), whether
// only the selection's cells count, and how many cells a replace changes,
// shown before it is made.
#include "formats/tile_catalogue.h"
#include "terraloom/core/region_cells.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace terraloom {

struct ReplaceInput {
    std::string find;
    std::string put;
    bool onlyInSelection = false;
};

struct ReplaceOutcome {
    std::optional<int> find, put;
    MapArea area = kWholeMap;  // where cells are replaced
    int count = 0;             // the cells that change
    std::string text;          // what the dialog shows
    bool acceptable = false;   // a replace changes cells
};

class ReplaceTileChoice {
public:
    ReplaceTileChoice(const formats::MapGrid& grid, const formats::TileCatalogue& tiles,
                      std::optional<MapArea> selection)
        : grid_(grid), tiles_(tiles), selection_(selection)
    {
    }

    bool hasSelection() const { return selection_.has_value(); }
    // A choice for every tile, 0 to 100: its number and its name.
    std::vector<std::string> choices() const;
    std::string choiceOf(int tile) const;
    // The tile a text names: a number from 0 to 100 that may be followed by
    // a blank and anything (a choice's name), or a tile's name, in any
    // letter case; nothing for any other text.
    std::optional<int> tileOf(std::string_view text) const;
    ReplaceOutcome outcome(const ReplaceInput& input) const;

private:
    const formats::MapGrid& grid_;
    const formats::TileCatalogue& tiles_;
    std::optional<MapArea> selection_;
};

}  // namespace terraloom
