// Every map file "map\*.map": its cells against the tile catalogue.
#include "tools/check/check_context.h"

#include "formats/map_file.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace check {
namespace {

// Cells reported one by one per map and kind of problem; the rest of that
// kind are counted in one line after them.
constexpr std::size_t kCellsListed = 5;

enum class CellProblem { None, AboveMaxTile, Unnamed, NoBitmap };

struct ProblemKind {
    const char* code;
    const char* one;   // "1 more cell holds ..."
    const char* many;  // "N more cells hold ..."
};

ProblemKind kindOf(CellProblem problem)
{
    switch (problem) {
    case CellProblem::AboveMaxTile:
        return {"map-tile-above-100", "holds a tile above 100", "hold tiles above 100"};
    case CellProblem::Unnamed:
        return {"map-tile-unnamed", "holds a tile with no name", "hold tiles with no name"};
    default:
        return {"map-tile-no-bitmap", "holds a tile without a bitmap", "hold tiles without a bitmap"};
    }
}

// "96 more cells hold tiles without a bitmap (101 in all)"
std::string moreCells(std::size_t more, std::size_t inAll, const ProblemKind& kind)
{
    return (more == 1 ? std::string("1 more cell ") + kind.one : std::to_string(more) + " more cells " + kind.many) +
           " (" + std::to_string(inAll) + " in all)";
}

// An empty cell holds tile 0; it shows nothing unless the catalogue names
// tile 0, and that is no mistake.
CellProblem problemOf(const CheckContext& context, std::uint8_t tile)
{
    if (tile > formats::kMaxTile)
        return CellProblem::AboveMaxTile;
    const TileInfo& info = context.tiles[tile];
    if (!info.named)
        return tile == 0 ? CellProblem::None : CellProblem::Unnamed;
    return info.showsBitmap ? CellProblem::None : CellProblem::NoBitmap;
}

// What each byte a cell can hold means, worked out once for every map, and
// which of the tiles a map may hold (0 to 100) are wrong.
struct ProblemTable {
    std::array<CellProblem, 256> byByte{};
    std::vector<std::uint8_t> wrongTiles;
};

ProblemTable problemTable(const CheckContext& context)
{
    ProblemTable table;
    for (std::size_t byte = 0; byte < table.byByte.size(); ++byte) {
        table.byByte[byte] = problemOf(context, static_cast<std::uint8_t>(byte));
        if (byte <= formats::kMaxTile && table.byByte[byte] != CellProblem::None)
            table.wrongTiles.push_back(static_cast<std::uint8_t>(byte));
    }
    return table;
}

// Most maps are sound: whether any cell is wrong is first asked of all cells
// at once, by their highest byte (a loop the compiler widens) and by a
// search for each of the few wrong tiles.
constexpr std::size_t kFewWrongTiles = 8;

bool mayHoldWrongCells(std::string_view cells, const ProblemTable& problems)
{
    if (problems.wrongTiles.size() > kFewWrongTiles)
        return true;
    unsigned char highest = 0;
    for (const char c : cells)
        highest = std::max(highest, static_cast<unsigned char>(c));
    if (highest > formats::kMaxTile)
        return true;
    for (const std::uint8_t wrong : problems.wrongTiles)
        if (std::memchr(cells.data(), wrong, cells.size()))
            return true;
    return false;
}

std::string describe(const CheckContext& context, CellProblem problem, std::uint8_t tile)
{
    const std::string number = "tile " + std::to_string(tile);
    switch (problem) {
    case CellProblem::AboveMaxTile:
        return number + " is above 100: the editor refuses the whole file";
    case CellProblem::Unnamed:
        return number + " has no name in the tile catalogue: the cell shows nothing";
    default:
        return number + " (" + shown(context.tiles[tile].name) + ") has no bitmap: the cell shows nothing";
    }
}

class MapCells {
public:
    MapCells(CheckContext& context, const ProblemTable& problems, std::string path)
        : context_(context), problems_(problems), path_(std::move(path))
    {
    }

    // The cells are counted by the byte they hold, all at once; only the
    // first cells of each kind are looked for one by one, in file order.
    void check(std::string_view bytes)
    {
        const std::string_view cells = bytes.substr(0, formats::kMapFileSize);
        if (!mayHoldWrongCells(cells, problems_))
            return;
        std::array<std::size_t, 256> held{};
        for (const char c : cells)
            ++held[static_cast<unsigned char>(c)];
        for (std::size_t byte = 0; byte < held.size(); ++byte)
            counts_[static_cast<std::size_t>(problems_.byByte[byte])] += held[byte];
        listFirstCells(cells);
        reportCounts();
    }

private:
    void listFirstCells(std::string_view cells)
    {
        std::size_t toList = 0;
        for (std::size_t kind = 1; kind < counts_.size(); ++kind)
            toList += std::min(counts_[kind], kCellsListed);
        std::array<std::size_t, 4> listed{};
        for (std::size_t i = 0; toList > 0 && i < cells.size(); ++i) {
            const auto tile = static_cast<std::uint8_t>(cells[i]);
            const CellProblem problem = problems_.byByte[tile];
            const auto kind = static_cast<std::size_t>(problem);
            if (problem != CellProblem::None && listed[kind] < kCellsListed) {
                ++listed[kind];
                --toList;
                list(i, tile, problem);
            }
        }
    }

    void list(std::size_t offset, std::uint8_t tile, CellProblem problem)
    {
        const Cell cell{static_cast<int>(offset % formats::kMapSize) + 1,
                        static_cast<int>(offset / formats::kMapSize) + 1};
        context_.findings.cellError(path_, cell, kindOf(problem).code, describe(context_, problem, tile));
    }

    void reportCounts()
    {
        for (std::size_t i = 1; i < counts_.size(); ++i) {
            if (counts_[i] > kCellsListed) {
                const ProblemKind kind = kindOf(static_cast<CellProblem>(i));
                context_.findings.cellCount(path_, kind.code, moreCells(counts_[i] - kCellsListed, counts_[i], kind));
            }
        }
    }

    CheckContext& context_;
    const ProblemTable& problems_;
    std::string path_;
    std::array<std::size_t, 4> counts_{};  // cells that hold each CellProblem
};

void checkMap(CheckContext& context, const ProblemTable& problems, const std::string& path)
{
    context.filesChecked.insert(path);
    const tervok::Result<std::string> bytes = context.folder.read(path);
    if (!bytes) {
        context.findings.error(path, std::nullopt, "unreadable", "cannot read: " + bytes.error().describe());
        return;
    }
    if (bytes->size() < formats::kMapFileSize)
        context.findings.warning(path, std::nullopt, "map-short",
                                 "the file holds " + std::to_string(bytes->size()) +
                                     " bytes, fewer than the 10000 cells of a map: the cells past its end are 0");
    MapCells(context, problems, path).check(*bytes);
}

}  // namespace

void checkMaps(CheckContext& context)
{
    const ProblemTable problems = problemTable(context);
    for (const std::string& path : filesWithExtension(context, "map", ".map"))
        checkMap(context, problems, path);
}

}  // namespace check
