#include "tools/tmx/tmx_run.h"

#include "common/catalogue/catalogue.h"
#include "common/encoding/cp1252.h"
#include "common/errors/failure_report.h"
#include "common/files/file_identity.h"
#include "common/files/file_io.h"
#include "common/files/game_file.h"
#include "common/files/game_path.h"
#include "common/game/game_files.h"
#include "common/startup/game_folder.h"
#include "formats/map_file.h"
#include "tools/render/map_location.h"
#include "tools/tmx/tile_images.h"
#include "tools/tmx/tiled_conversion.h"
#include "tools/tmx/tmj_reader.h"
#include "tools/tmx/tmj_writer.h"
#include "tools/tmx/tmx_reader.h"
#include "tools/tmx/tmx_writer.h"

#include <filesystem>
#include <functional>
#include <variant>

namespace tmx {
namespace {

namespace fs = std::filesystem;
using tervok::startup::kExitFailed;
using tervok::startup::kExitOk;
using tervok::startup::kExitUsage;

// A file of the game folder as diagnostics name it: relative to the game
// folder, with "/", in the real case of the names that exist.
std::string shownPath(std::string_view gamePath) { return tervok::nativePath(gamePath).generic_string(); }

void report(std::ostream& err, const std::string& path, std::string_view action, const tervok::Error& error)
{
    err << tervok::failureLine(kProgram, path, action, error) << '\n';
}

// "file:12: error: what" for a format error at a line of a Tiled file.
void reportAt(std::ostream& err, const std::string& path, std::string_view severity, const tervok::Error& error)
{
    err << kProgram << ": " << path;
    if (error.line)
        err << ':' << *error.line << ": " << severity << ": " << error.detail << '\n';
    else
        err << ": " << severity << ": " << error.describe() << '\n';
}

// Where the map (and the script beside it) lies.
struct MapFiles {
    fs::path map;
    fs::path script;
    std::string mapName;     // as diagnostics name it
    std::string scriptName;
};

MapFiles mapFiles(const render::MapLocation& location, const std::string& given)
{
    MapFiles files;
    if (location.gamePath) {
        const std::size_t slash = location.gamePath->rfind('\\');
        const std::string script = location.gamePath->substr(0, slash + 1) + location.gameName + ".msc";
        files.map = tervok::nativePath(*location.gamePath);
        files.script = tervok::nativePath(script);
        files.mapName = files.map.generic_string();  // as shownPath gives them
        files.scriptName = files.script.generic_string();
        return files;
    }
    // The picture name is the map file's own name (UTF-8) with ".png".
    const std::string stem = location.pictureName.substr(0, location.pictureName.size() - 4);
    files.map = location.file;
    files.script = location.file.parent_path() / (stem + ".msc");
    files.mapName = given;
    const std::size_t slash = given.rfind('/');
    files.scriptName = given.substr(0, slash == std::string::npos ? 0 : slash + 1) + stem + ".msc";
    return files;
}

bool enterGameFolder(const render::MapLocation& location, const TmxOptions& options, std::ostream& err)
{
    // A game folder that cannot be entered ends the program as a usage
    // error does, as with the other tools.
    if (const tervok::Status entered = tervok::startup::enterFolder(location.gameFolder); !entered) {
        err << kProgram << ": " << options.folder.value_or(location.gameFolder.string())
            << ": cannot open the game folder: " << tervok::startup::systemReason(entered.error()) << '\n';
        return false;
    }
    return true;
}

// The bytes of a file; nothing, silently, when it does not exist.
std::optional<tervok::Result<std::string>> readIfPresent(const fs::path& file)
{
    tervok::Result<std::string> bytes = tervok::readWholeFile(file);
    if (!bytes && bytes.error().kind == tervok::ErrorKind::NotFound)
        return std::nullopt;
    return bytes;
}

// The map's bytes and those of its script, as they were read, and the
// files they came from.
struct MapInput {
    tervok::Result<std::string> map;
    std::optional<tervok::Result<std::string>> script;  // nothing: there is no script
    std::optional<tervok::FileIdentity> mapFile;
    std::optional<tervok::FileIdentity> scriptFile;
};

MapInput readMapInput(const MapFiles& files)
{
    return {tervok::readWholeFile(files.map), readIfPresent(files.script), tervok::identityOf(files.map),
            tervok::identityOf(files.script)};
}

// An output is refused when it is the same file as one the run reads, as cp
// does: by device and inode, through any name or link. Replacing it would
// lose what it held.
bool isInput(const std::string& outputName, const std::optional<tervok::FileIdentity>& output,
             const std::optional<tervok::FileIdentity>& input, std::string_view what, std::ostream& err)
{
    if (!output || !input || !(*output == *input))
        return false;
    err << kProgram << ": " << outputName << ": is " << what << '\n';
    return true;
}

// The files an export reads, looked at in the game folder: the map and its
// script (as they were read), the catalogues and the tiles' bitmaps.
bool isExportInput(const std::string& outputName, const std::optional<tervok::FileIdentity>& output,
                   const MapInput& input, const TileImages& images, std::ostream& err)
{
    const auto gameFile = [](std::string_view gamePath) { return tervok::identityOf(tervok::nativePath(gamePath)); };
    if (isInput(outputName, output, input.mapFile, "the input map", err) ||
        isInput(outputName, output, input.scriptFile, "the map's script", err) ||
        isInput(outputName, output, gameFile(formats::kTileCataloguePath), "the tile catalogue", err) ||
        isInput(outputName, output, gameFile(tervok::kPlayerCataloguePath), "the player catalogue", err))
        return true;
    for (const std::filesystem::path& bitmap : images.filesRead())
        if (isInput(outputName, output, tervok::identityOf(bitmap), "a tile bitmap", err))
            return true;
    return false;
}

std::optional<std::string> exportedScript(std::optional<tervok::Result<std::string>> bytes, const MapFiles& files,
                                          std::ostream& err)
{
    if (!bytes)
        return std::nullopt;
    if (!*bytes) {
        report(err, files.scriptName, "warning: cannot load", bytes->error());
        return std::nullopt;
    }
    if (const tervok::Status usable = checkExportableScript(**bytes); !usable) {
        report(err, files.scriptName, "warning: the map is exported without its script, which cannot be loaded",
               usable.error());
        return std::nullopt;
    }
    return std::move(**bytes);
}

std::vector<tervok::CatalogueEntry> loadPlayers(std::ostream& err)
{
    tervok::Result<std::vector<tervok::CatalogueEntry>> players =
        tervok::readCatalogue(tervok::kPlayerCataloguePath, tervok::kPlayerNameColumn);
    if (players)
        return std::move(*players);
    report(err, shownPath(tervok::kPlayerCataloguePath), "warning: cannot read", players.error());
    return {};
}

// What the export puts in the document besides the map: the catalogue, the
// script and the players' names, read in the game folder.
std::optional<GameContent> gameContent(MapInput& input, const MapFiles& files, std::ostream& err)
{
    const tervok::Result<formats::MapGrid> grid =
        tervok::parseFileBytes(std::move(input.map), files.mapName, formats::parseMapFile);
    if (!grid) {
        report(err, files.mapName, "cannot load", grid.error());
        return std::nullopt;
    }
    GameContent content;
    content.grid = *grid;
    if (tervok::Result<formats::TileCatalogue> catalogue = formats::loadTileCatalogue())
        content.catalogue = std::move(*catalogue);
    else
        report(err, shownPath(formats::kTileCataloguePath), "warning: cannot read", catalogue.error());
    content.script = exportedScript(std::move(input.script), files, err);
    if (content.script)
        content.players = loadPlayers(err);
    return content;
}

// Writes bytes to the file named from the starting folder.
int writeFromStart(const render::StartFolder& start, const std::string& name, const std::string& bytes,
                   std::ostream& err)
{
    tervok::Status written = start.enter();
    if (written)
        written = tervok::replaceFile(name, bytes);
    if (written)
        return kExitOk;
    report(err, name, "cannot save", written.error());
    return kExitFailed;
}

// Files are named from the starting folder: the document, and a map named
// by its file with its script (read before the game folder is entered); the
// game folder's files are named from it.
int exportMap(const TmxOptions& options, std::ostream& err)
{
    const render::MapLocation location = render::locateMap(options.input, options.folder);
    const std::string stem = location.pictureName.substr(0, location.pictureName.size() - 4);
    const std::string outputName = options.output.value_or(stem + ".tmx");
    const DocumentForm form = documentFormOf(outputName).value_or(DocumentForm::Tmx);
    const render::StartFolder start;
    std::error_code ignored;
    const fs::path documentFolder = (fs::current_path(ignored) / outputName).parent_path();
    const std::optional<tervok::FileIdentity> output = tervok::identityOf(outputName);
    std::optional<MapInput> fromStart;
    if (!location.gamePath)
        fromStart = readMapInput(mapFiles(location, options.input));
    if (!enterGameFolder(location, options, err))
        return kExitUsage;
    const MapFiles files = mapFiles(location, options.input);
    MapInput input = fromStart ? std::move(*fromStart) : readMapInput(files);
    std::optional<GameContent> content = gameContent(input, files, err);
    if (!content)
        return kExitFailed;
    TileImages images(content->catalogue, documentFolder);
    const TiledMap document = exportDocument(*content, std::ref(images));
    if (isExportInput(outputName, output, input, images, err))
        return kExitFailed;
    return writeFromStart(start, outputName, form == DocumentForm::Tmx ? tmxBytes(document) : tmjBytes(document), err);
}

tervok::Result<TiledMap> readDocument(const std::string& bytes, DocumentForm form)
{
    return form == DocumentForm::Tmx ? readTmx(bytes) : readTmj(bytes);
}

// The map file keeps what an old file held past its 10,000th byte, as the
// editor's save keeps it; the script is written as it came.
int writeMapAndScript(const ImportedContent& content, const MapFiles& files,
                      const std::optional<tervok::FileIdentity>& document, std::ostream& err)
{
    if (isInput(files.mapName, tervok::identityOf(files.map), document, "the Tiled file", err) ||
        (content.script && isInput(files.scriptName, tervok::identityOf(files.script), document, "the Tiled file", err)))
        return kExitFailed;
    std::string old;
    if (std::optional<tervok::Result<std::string>> bytes = readIfPresent(files.map)) {
        if (!*bytes) {
            report(err, files.mapName, "cannot save", bytes->error());
            return kExitFailed;
        }
        old = std::move(**bytes);
    }
    if (const tervok::Status saved = tervok::replaceFile(files.map, formats::mapFileBytes(content.grid, old)); !saved) {
        report(err, files.mapName, "cannot save", saved.error());
        return kExitFailed;
    }
    if (!content.script)
        return kExitOk;
    if (const tervok::Status saved = tervok::replaceFile(files.script, *content.script); !saved) {
        report(err, files.scriptName, "cannot save", saved.error());
        return kExitFailed;
    }
    return kExitOk;
}

// The document, and a map named by its file, are named from the starting
// folder; a map named by its game path from the game folder.
int importMap(const TmxOptions& options, std::ostream& err)
{
    const tervok::Result<std::string> bytes = tervok::readWholeFile(options.input);
    const std::optional<tervok::FileIdentity> documentFile = tervok::identityOf(options.input);
    const std::string mapName = options.output.value_or(
        "map\\" + tervok::utf8ToCp1252(fs::path(options.input).stem().string()) + ".map");
    const render::MapLocation location = render::locateMap(mapName, options.folder);
    const render::StartFolder start;
    if (!enterGameFolder(location, options, err))
        return kExitUsage;
    if (!bytes) {
        report(err, options.input, "cannot load", bytes.error());
        return kExitFailed;
    }
    const tervok::Result<TiledMap> document =
        readDocument(*bytes, documentFormOf(options.input).value_or(DocumentForm::Tmx));
    tervok::Result<ImportedContent> content = document ? importDocument(*document) : document.error();
    if (!content) {
        reportAt(err, options.input, "error", content.error());
        return kExitFailed;
    }
    for (const Warning& warning : content->warnings)
        reportAt(err, options.input, "warning", formatErrorAt(warning.line, warning.text));
    if (!location.gamePath) {
        if (const tervok::Status entered = start.enter(); !entered) {
            report(err, mapName, "cannot save", entered.error());
            return kExitFailed;
        }
    }
    return writeMapAndScript(*content, mapFiles(location, mapName), documentFile, err);
}

}  // namespace

int runTmx(const TmxOptions& options, std::ostream& err)
{
    if (options.command == TmxOptions::Command::Import)
        return importMap(options, err);
    return exportMap(options, err);
}

int runTmxProgram(int argc, const char* const* argv, std::ostream& out, std::ostream& err)
{
    using namespace tervok::startup;
    const Reading reading = readCommandLine(tmxSyntax(), argumentsOf(argc, argv), out, err);
    if (reading.exitStatus)
        return *reading.exitStatus;
    const std::variant<TmxOptions, std::string> options = tmxOptionsOf(reading.line);
    if (const std::string* problem = std::get_if<std::string>(&options))
        return reportUsageError(tmxSyntax(), *problem, err);
    return runTmx(std::get<TmxOptions>(options), err);
}

}  // namespace tmx
