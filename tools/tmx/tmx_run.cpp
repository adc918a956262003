#include "tmx_run.h"

#include "catalogue/catalogue.h"
#include "encoding/cp1252.h"
#include "errors/failure_report.h"
#include "files/file_io.h"
#include "files/game_path.h"
#include "game/game_files.h"
#include "map_file.h"
#include "map_location.h"
#include "startup/game_folder.h"
#include "tile_images.h"
#include "tiled_conversion.h"
#include "tmj_reader.h"
#include "tmj_writer.h"
#include "tmx_reader.h"
#include "tmx_writer.h"

#include <filesystem>
#include <functional>

namespace tmx {
namespace {

namespace fs = std::filesystem;

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
        files.mapName = shownPath(*location.gamePath);
        files.scriptName = shownPath(script);
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
    if (const std::optional<std::string> why = tervok::startup::enterFolder(location.gameFolder)) {
        err << kProgram << ": " << options.folder.value_or(location.gameFolder.string())
            << ": cannot open the game folder: " << *why << '\n';
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

std::optional<std::string> loadScript(const MapFiles& files, std::ostream& err)
{
    std::optional<tervok::Result<std::string>> bytes = readIfPresent(files.script);
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

int exportMap(const TmxOptions& options, const fs::path& start, std::ostream& err)
{
    const render::MapLocation location = render::locateMap(options.input, options.folder, start);
    const std::string stem = location.pictureName.substr(0, location.pictureName.size() - 4);
    const std::string outputName = options.output.value_or(stem + ".tmx");
    const fs::path output = (start / outputName).lexically_normal();
    const DocumentForm form = documentFormOf(outputName).value_or(DocumentForm::Tmx);
    if (!enterGameFolder(location, options, err))
        return kExitUsage;
    const MapFiles files = mapFiles(location, options.input);
    const tervok::Result<std::string> mapBytes = tervok::readWholeFile(files.map);
    tervok::Result<terraloom::MapGrid> grid = mapBytes ? terraloom::parseMapFile(*mapBytes) : mapBytes.error();
    if (!grid) {
        report(err, files.mapName, "cannot load", grid.error());
        return kExitFailed;
    }
    GameContent content;
    content.grid = *grid;
    if (tervok::Result<terraloom::TileCatalogue> catalogue = terraloom::loadTileCatalogue())
        content.catalogue = std::move(*catalogue);
    else
        report(err, shownPath(terraloom::kTileCataloguePath), "warning: cannot read", catalogue.error());
    content.script = loadScript(files, err);
    if (content.script)
        content.players = loadPlayers(err);
    TileImages images(content.catalogue, output.parent_path());
    const TiledMap document = exportDocument(content, std::ref(images));
    const std::string bytes = form == DocumentForm::Tmx ? tmxBytes(document) : tmjBytes(document);
    if (const tervok::Status written = tervok::replaceFile(output, bytes); !written) {
        report(err, outputName, "cannot save", written.error());
        return kExitFailed;
    }
    return kExitOk;
}

tervok::Result<TiledMap> readDocument(const std::string& bytes, DocumentForm form)
{
    return form == DocumentForm::Tmx ? readTmx(bytes) : readTmj(bytes);
}

// The map file keeps what an old file held past its 10,000th byte, as the
// editor's save keeps it; the script is written as it came.
int writeMapAndScript(const ImportedContent& content, const MapFiles& files, std::ostream& err)
{
    std::string old;
    if (std::optional<tervok::Result<std::string>> bytes = readIfPresent(files.map)) {
        if (!*bytes) {
            report(err, files.mapName, "cannot save", bytes->error());
            return kExitFailed;
        }
        old = std::move(**bytes);
    }
    if (const tervok::Status saved = tervok::replaceFile(files.map, terraloom::mapFileBytes(content.grid, old)); !saved) {
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

int importMap(const TmxOptions& options, const fs::path& start, std::ostream& err)
{
    const fs::path input = (start / options.input).lexically_normal();
    const std::string mapName = options.output.value_or(
        "map\\" + tervok::utf8ToCp1252(fs::path(options.input).stem().string()) + ".map");
    const render::MapLocation location = render::locateMap(mapName, options.folder, start);
    if (!enterGameFolder(location, options, err))
        return kExitUsage;
    const tervok::Result<std::string> bytes = tervok::readWholeFile(input);
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
    return writeMapAndScript(*content, mapFiles(location, mapName), err);
}

}  // namespace

int runTmx(const TmxOptions& options, std::ostream& err)
{
    std::error_code ignored;
    const fs::path start = fs::current_path(ignored);
    if (options.action == TmxOptions::Action::Import)
        return importMap(options, start, err);
    return exportMap(options, start, err);
}

int runTmxProgram(int argc, const char* const* argv, std::ostream& out, std::ostream& err)
{
    const TmxOptions options = parseTmxOptions(std::vector<std::string>(argv + 1, argv + argc));
    switch (options.action) {
    case TmxOptions::Action::Help:
        out << helpText() << std::flush;
        return kExitOk;
    case TmxOptions::Action::Version:
        out << versionText() << std::flush;
        return kExitOk;
    case TmxOptions::Action::UsageError:
        err << kProgram << ": " << options.problem << '\n'
            << usageText() << "Try '" << kProgram << " --help' for more.\n"
            << std::flush;
        return kExitUsage;
    case TmxOptions::Action::Export:
    case TmxOptions::Action::Import:
        break;
    }
    return runTmx(options, err);
}

}  // namespace tmx
