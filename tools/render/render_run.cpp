#include "render_run.h"

#include "errors/failure_report.h"
#include "files/file_io.h"
#include "files/game_path.h"
#include "map_file.h"
#include "map_location.h"
#include "map_picture.h"
#include "picture_output.h"
#include "script_marks.h"
#include "startup/game_folder.h"

#include <cerrno>
#include <filesystem>

namespace render {
namespace {

namespace fs = std::filesystem;

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

tervok::Result<terraloom::MapGrid> loadMap(const MapLocation& location)
{
    if (location.gamePath)
        return terraloom::loadMapFile(*location.gamePath);
    const tervok::Result<std::string> bytes = tervok::readWholeFile(location.file);
    if (!bytes)
        return bytes.error();
    return terraloom::parseMapFile(*bytes);
}

// Without the catalogue every cell is neutral (black in the overview).
terraloom::TileCatalogue loadCatalogue(std::ostream& err)
{
    tervok::Result<terraloom::TileCatalogue> catalogue = terraloom::loadTileCatalogue();
    if (catalogue)
        return std::move(*catalogue);
    warn(err, terraloom::kTileCataloguePath, "cannot read", catalogue.error());
    return {};
}

QImage drawPicture(const terraloom::MapGrid& grid, const RenderOptions& options, std::ostream& err)
{
    const terraloom::TileCatalogue catalogue = loadCatalogue(err);
    if (options.overview)
        return scaledPicture(drawOverview(grid, catalogue), options.scale);
    const TileBlocks blocks(catalogue, grid, bitmapFilesInWorkingDirectory());
    return scaledPicture(drawMap(grid, blocks), options.scale);
}

// Marks are placed by the picture's own size, so that the rounding of a
// scaled picture moves them with it.
void markPlayers(QImage& picture, const MapLocation& location, std::ostream& err)
{
    const std::string path = terraloom::scriptPath("map\\", location.gameName);
    std::vector<std::size_t> rowLines;
    const tervok::Result<terraloom::ScriptRows> rows = terraloom::loadScriptFile(path, &rowLines);
    if (!rows)
        return warn(err, path, "cannot load", rows.error());
    const ScriptMarks marks = readScriptMarks(*rows, rowLines);
    for (const SkippedRow& row : marks.skipped)
        err << skippedRowWarning(kProgram, shownPath(path), row) << '\n';
    drawPlayerMarks(picture, marks.players, static_cast<double>(picture.width()) / kMapPixels);
}

int writeToStandardOutput(const QImage& picture, std::ostream& out, std::ostream& err)
{
    tervok::Result<QByteArray> bytes = pngBytes(picture);
    if (bytes) {
        out.write(bytes->constData(), bytes->size());
        out.flush();
        if (out)
            return kExitOk;
        bytes = tervok::systemError(EIO, "write");
    }
    err << tervok::failureLine(kProgram, "standard output", "cannot save", bytes.error()) << '\n';
    return kExitFailed;
}

// The file is named in messages as the command line named it.
int writeToFile(const QImage& picture, const fs::path& start, const std::string& name, std::ostream& err)
{
    const tervok::Status written = writePicture(picture, start / name);
    if (written)
        return kExitOk;
    err << tervok::failureLine(kProgram, name, "cannot save", written.error()) << '\n';
    return kExitFailed;
}

}  // namespace

int renderMap(const RenderOptions& options, std::ostream& out, std::ostream& err)
{
    std::error_code ignored;
    const fs::path start = fs::current_path(ignored);
    const MapLocation location = locateMap(options.map, options.folder, start);
    // A game folder that cannot be entered ends the program as a usage
    // error does, as with the editors and tervok-check.
    if (const std::optional<std::string> why = tervok::startup::enterFolder(location.gameFolder)) {
        err << kProgram << ": " << options.folder.value_or(location.gameFolder.string())
            << ": cannot open the game folder: " << *why << '\n';
        return kExitUsage;
    }
    const tervok::Result<terraloom::MapGrid> grid = loadMap(location);
    if (!grid) {
        const std::string name = location.gamePath ? shownPath(*location.gamePath) : options.map;
        err << tervok::failureLine(kProgram, name, "cannot load", grid.error()) << '\n';
        return kExitFailed;
    }
    QImage picture = drawPicture(*grid, options, err);
    if (options.script)
        markPlayers(picture, location, err);
    if (options.output == "-")
        return writeToStandardOutput(picture, out, err);
    return writeToFile(picture, start, options.output.value_or(location.pictureName), err);
}

int runRenderProgram(int argc, const char* const* argv, std::ostream& out, std::ostream& err)
{
    const RenderOptions options = parseRenderOptions(std::vector<std::string>(argv + 1, argv + argc));
    switch (options.action) {
    case RenderOptions::Action::Help:
        out << helpText() << std::flush;
        return kExitOk;
    case RenderOptions::Action::Version:
        out << versionText() << std::flush;
        return kExitOk;
    case RenderOptions::Action::UsageError:
        err << kProgram << ": " << options.problem << '\n'
            << usageText() << "Try '" << kProgram << " --help' for more.\n"
            << std::flush;
        return kExitUsage;
    case RenderOptions::Action::Render:
        break;
    }
    return renderMap(options, out, err);
}

}  // namespace render
