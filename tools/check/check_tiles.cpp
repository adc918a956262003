// The tile catalogue "map\mapteile.lst" and the bitmaps it names.
#include "tools/check/check_context.h"

#include "common/files/bitmap_file.h"
#include "common/text/number_reader.h"
#include "formats/tile_catalogue.h"

namespace check {
namespace {

constexpr int kTileSide = 20;
constexpr int kColouredClasses = 7;  // 0 to 6 have an overview colour of their own
constexpr int kTableClasses = 11;    // 7 to 10 stand in the colour table, in black

std::string number(double value)
{
    return std::to_string(static_cast<long long>(value));
}

std::string tileLabel(int tile, const std::string& name)
{
    return "tile " + std::to_string(tile) + " (" + shown(name) + ")";
}

void checkClass(CheckContext& context, const std::string& path, const formats::TileEntry& entry)
{
    const double value = entry.classValue;
    if (value < 0 || value > formats::kMaxTileClass) {
        context.findings.error(path, entry.line, "tile-class-range",
                               "class " + number(value) + " is outside 0 to 255: it is read as 0");
    } else if (value >= kColouredClasses && value < kTableClasses) {
        context.findings.warning(path, entry.line, "tile-class-no-colour",
                                 "class " + number(value) + " has no colour of its own: the overview draws it black");
    } else if (value >= kTableClasses) {
        context.findings.warning(path, entry.line, "tile-class-black",
                                 "class " + number(value) + " is above 10: the overview draws it black");
    }
    // The number reader skips blanks, so digits that start the name join
    // the class columns.
    const double ownColumns = tervok::roundHalfEven(tervok::readNumber(entry.field.size() > 3 ? entry.field.substr(3, 2) : ""));
    if (ownColumns != value)
        context.findings.warning(path, entry.line, "name-digits-join-class",
                                 "the digits that start the name join the class: it is read as " + number(value) +
                                     ", not " + number(ownColumns));
}

struct Problem {
    const char* code;
    std::string text;
};

// What the catalogue entry's bitmap is found to be, and whether the cells
// of its tile show it: the rule the editor's view and tervok-render share
// decides (bitmapShownInCell), so a bitmap of another size shows.
struct BitmapFinding {
    std::optional<Problem> problem;
    bool shown = false;
};

BitmapFinding checkBitmapFile(CheckContext& context, const std::string& gamePath)
{
    const NamedFile file = lookUp(context, gamePath);
    const std::string bitmap = "the bitmap " + file.path;
    if (file.missing())
        return {Problem{"tile-bitmap-missing", bitmap + " is missing"}};
    const tervok::Result<std::string> bytes = context.folder.read(file.path);
    if (!bytes && bytes.error().kind == tervok::ErrorKind::NotRegularFile)
        return {Problem{"tile-bitmap-not-regular", bitmap + " is not a regular file"}};
    context.filesChecked.insert(file.path);
    if (!bytes)
        return {Problem{"tile-bitmap-unreadable", bitmap + " cannot be read: " + bytes.error().describe()}};
    const tervok::Result<tervok::BmpHeader> header = tervok::bitmapShownInCell(*bytes);
    if (!header)
        return {Problem{"tile-bitmap-unreadable", bitmap + " cannot be read: " + header.error().describe()}};
    if (header->width != kTileSide || header->height != kTileSide)
        return {Problem{"tile-bitmap-size", bitmap + " is " + std::to_string(header->width) + " x " +
                                                std::to_string(header->height) + " pixels, not 20 x 20"},
                true};
    return {std::nullopt, true};
}

void checkBitmap(CheckContext& context, const std::string& path, std::size_t line, int tile)
{
    TileInfo& info = context.tiles[static_cast<std::size_t>(tile)];
    const std::optional<std::string> imagePath = formats::tileImagePath(info.name);
    if (!imagePath) {
        context.findings.error(path, line, "tile-name-short",
                               tileLabel(tile, info.name) + ": the name is too short to form an image path");
        return;
    }
    const BitmapFinding bitmap = checkBitmapFile(context, *imagePath);
    if (const std::optional<Problem>& problem = bitmap.problem)
        context.findings.error(path, line, problem->code, tileLabel(tile, info.name) + ": " + problem->text);
    info.showsBitmap = bitmap.shown;
}

}  // namespace

void checkTileCatalogue(CheckContext& context)
{
    const NamedFile catalogue = lookUp(context, formats::kTileCataloguePath);
    const std::string& path = catalogue.path;
    if (catalogue.missing()) {
        context.findings.error(path, std::nullopt, "missing", "the tile catalogue is missing: no tile has a bitmap");
        return;
    }
    const std::optional<std::string> bytes = readTextFile(context, path);
    if (!bytes)
        return;
    checkCommaLines(context, path, *bytes);
    std::array<std::size_t, kTileCount> namedOn{};  // line of the entry that stands for each tile
    for (const formats::TileEntry& entry : formats::parseTileEntries(*bytes)) {
        if (entry.number < 0 || entry.number > formats::kMaxTile) {
            context.findings.error(path, entry.line, "tile-number-range",
                                   "tile number " + number(entry.number) + " is outside 0 to 100: the entry is skipped");
            continue;
        }
        checkClass(context, path, entry);
        const auto tile = static_cast<std::size_t>(entry.number);
        if (namedOn[tile] != 0)
            context.findings.warning(path, entry.line, "tile-duplicate",
                                     "tile " + number(entry.number) + " is named again: this entry replaces line " +
                                         std::to_string(namedOn[tile]));
        namedOn[tile] = entry.line;
        context.tiles[tile] = {!entry.name.empty(), entry.name, false};
    }
    for (int tile = 0; tile < kTileCount; ++tile)
        if (context.tiles[static_cast<std::size_t>(tile)].named)
            checkBitmap(context, path, namedOn[static_cast<std::size_t>(tile)], tile);
}

}  // namespace check
