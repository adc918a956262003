#include "tools/render/render_run.h"

#include "common/errors/failure_report.h"
#include "common/files/file_io.h"
#include "common/files/game_file.h"
#include "common/files/game_path.h"
#include "common/startup/game_folder.h"
#include "formats/map_file.h"
#include "tools/render/map_location.h"
#include "tools/render/map_picture.h"
#include "tools/render/picture_output.h"
#include "tools/render/script_marks.h"
#include "tools/render/tile_blocks.h"

#include <unistd.h>

#include <filesystem>

namespace render {
namespace {

namespace fs = std::filesystem;
using tervok::startup::kExitFailed;
using tervok::startup::kExitOk;
using tervok::startup::kExitUsage;

// A file of the game folder as diagnostics name it: relative to the game
// folder, with "/", in the real case of the names that exist.
std::string shownPath(std::string_view gamePath)
{
    return tervok::nativePath(gamePath).generic_string();
}

void warn(std::ostream& err, std::string_view gamePath, std::string_view action, const tervok::Error& error)
{
    err << tervok::failureLine(kProgram, shownPath(gamePath), std::string("warning: ") + std::string(action), error)
        << '\n';
}

// Where the picture goes: standard output for "-", else a file named from
// the starting folder. What it leads to is looked at before the game folder
// is entered, so that the picture never replaces a file the run reads.
struct Output {
    std::string name;  // as the command line named it
    bool standard = false;
    std::optional<tervok::FileIdentity> found;

    std::string shownName() const { return standard ? "standard output" : name; }
};

Output findOutput(const RenderOptions& options, const MapLocation& location)
{
    Output output;
    output.name = options.output.value_or(location.pictureName);
    output.standard = output.name == "-";
    output.found = output.standard ? tervok::identityOf(STDOUT_FILENO) : tervok::identityOf(output.name);
    return output;
}

// The map's bytes and the file they come from.
struct MapInput {
    tervok::Result<std::string> bytes;
    std::optional<tervok::FileIdentity> identity;
};

MapInput readMapInput(const fs::path& file)
{
    return {tervok::readWholeFile(file), tervok::identityOf(file)};
}

// Refuses an output that is the same file as an input, as cp does: by
// device and inode, through any name or link.
bool isInput(const Output& output, const std::optional<tervok::FileIdentity>& input, std::string_view what, std::ostream& err)
{
    if (!output.found || !input || !(*input == *output.found))
        return false;
    err << kProgram << ": " << output.shownName() << ": is " << what << '\n';
    return true;
}

bool isGameFile(const Output& output, std::string_view gamePath, std::string_view what, std::ostream& err)
{
    return isInput(output, tervok::identityOf(tervok::nativePath(gamePath)), what, err);
}

// The files the run reads by name: the map, the tile catalogue and, with
// --script, the map's script.
bool isNamedInput(const Output& output, const MapInput& map, const std::string& script, bool withScript,
                  std::ostream& err)
{
    return isInput(output, map.identity, "the input map", err) ||
           isGameFile(output, formats::kTileCataloguePath, "the tile catalogue", err) ||
           (withScript && isGameFile(output, script, "the map's script", err));
}

// The bitmaps the drawing reads: those of the tiles the map holds.
bool isBitmap(const Output& output, const formats::TileCatalogue& catalogue, const formats::MapGrid& grid,
              std::ostream& err)
{
    for (const std::string& path : bitmapPathsFor(catalogue, grid))
        if (isGameFile(output, path, "a tile bitmap", err))
            return true;
    return false;
}

// Without the catalogue every cell is neutral (black in the overview).
formats::TileCatalogue loadCatalogue(std::ostream& err)
{
    tervok::Result<formats::TileCatalogue> catalogue = formats::loadTileCatalogue();
    if (catalogue)
        return std::move(*catalogue);
    warn(err, formats::kTileCataloguePath, "cannot read", catalogue.error());
    return {};
}

QImage drawPicture(const formats::MapGrid& grid, const formats::TileCatalogue& catalogue,
                   const RenderOptions& options, std::ostream& err)
{
    if (options.overview)
        return scaledPicture(drawOverview(grid, catalogue), options.scale);
    const auto unreadable = [&err](const std::string& path, const tervok::Error& error) {
        warn(err, path, "cannot read", error);
    };
    const TileBlocks blocks(catalogue, grid, bitmapFilesInWorkingDirectory(unreadable));
    return scaledPicture(drawMap(grid, blocks), options.scale);
}

// Marks are placed by the picture's own size, so that the rounding of a
// scaled picture moves them with it.
void markPlayers(QImage& picture, const std::string& path, std::ostream& err)
{
    std::vector<std::size_t> rowLines;
    const tervok::Result<formats::ScriptRows> rows = formats::loadScriptFile(path, &rowLines);
    if (!rows)
        return warn(err, path, "cannot load", rows.error());
    const ScriptMarks marks = readScriptMarks(*rows, rowLines);
    for (const SkippedRow& row : marks.skipped)
        err << skippedRowWarning(kProgram, shownPath(path), row) << '\n';
    drawPlayerMarks(picture, marks.players, static_cast<double>(picture.width()) / kMapPixels);
}

// A write that fails is reported by the program's check of standard output
// at its end (startup/standard_output.h), with the system's reason.
int writeToStandardOutput(const QImage& picture, std::ostream& out, std::ostream& err)
{
    const tervok::Result<QByteArray> bytes = pngBytes(picture);
    if (!bytes) {
        err << tervok::failureLine(kProgram, "standard output", "cannot save", bytes.error()) << '\n';
        return kExitFailed;
    }
    out.write(bytes->constData(), bytes->size());
    out.flush();
    return out ? kExitOk : kExitFailed;
}

// The file is named in messages as the command line named it, and taken
// from the starting folder.
int writeToFile(const QImage& picture, const StartFolder& start, const std::string& name, std::ostream& err)
{
    tervok::Status written = start.enter();
    if (written)
        written = writePicture(picture, name);
    if (written)
        return kExitOk;
    err << tervok::failureLine(kProgram, name, "cannot save", written.error()) << '\n';
    return kExitFailed;
}

}  // namespace

int renderMap(const RenderOptions& options, std::ostream& out, std::ostream& err)
{
    const MapLocation location = locateMap(options.map, options.folder);
    const Output output = findOutput(options, location);
    const StartFolder start;
    // A map named by its file lies where the program started.
    std::optional<MapInput> mapFile;
    if (!location.gamePath)
        mapFile = readMapInput(location.file);
    // A game folder that cannot be entered ends the program as a usage
    // error does, as with the editors and tervok-check.
    if (const tervok::Status entered = tervok::startup::enterFolder(location.gameFolder); !entered) {
        err << kProgram << ": " << options.folder.value_or(location.gameFolder.string())
            << ": cannot open the game folder: " << tervok::startup::systemReason(entered.error()) << '\n';
        return kExitUsage;
    }
    MapInput map = mapFile ? std::move(*mapFile) : readMapInput(tervok::nativePath(*location.gamePath));
    const std::string script = formats::scriptPath("map\\", location.gameName);
    if (isNamedInput(output, map, script, options.script, err))
        return kExitFailed;
    const std::string mapName = location.gamePath ? shownPath(*location.gamePath) : options.map;
    const tervok::Result<formats::MapGrid> grid =
        tervok::parseFileBytes(std::move(map.bytes), mapName, formats::parseMapFile);
    if (!grid) {
        err << tervok::failureLine(kProgram, mapName, "cannot load", grid.error()) << '\n';
        return kExitFailed;
    }
    const formats::TileCatalogue catalogue = loadCatalogue(err);
    if (!options.overview && isBitmap(output, catalogue, *grid, err))
        return kExitFailed;
    QImage picture = drawPicture(*grid, catalogue, options, err);
    if (options.script)
        markPlayers(picture, script, err);
    if (output.standard)
        return writeToStandardOutput(picture, out, err);
    return writeToFile(picture, start, output.name, err);
}

int runRenderProgram(int argc, const char* const* argv, std::ostream& out, std::ostream& err)
{
    const tervok::startup::Reading reading =
        tervok::startup::readCommandLine(renderSyntax(), tervok::startup::argumentsOf(argc, argv), out, err);
    if (reading.exitStatus)
        return *reading.exitStatus;
    return renderMap(renderOptionsOf(reading.line), out, err);
}

}  // namespace render
