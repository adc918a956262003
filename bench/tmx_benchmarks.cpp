// tervok-tmx's figures in the data folder (the working directory): export
// and import of a map with a 100-row script, each beside reading and
// writing the same bytes with the same safe save, and the import of the
// document of map1 (in the worst case, a 32,767-row script) beside one pass
// of Qt's XML reader over it.
#include "common/files/file_io.h"
#include "common/files/game_path.h"
#include "formats/map_file.h"
#include "formats/script_line.h"
#include "formats/tile_catalogue.h"
#include "tools/tmx/tmx_run.h"

#include <QFile>
#include <QXmlStreamReader>

#include <benchmark/benchmark.h>

#include <set>

namespace bench {
namespace {

#define TERVOK_TOOL_BENCHMARK(function) BENCHMARK(function)->MinTime(0.1)->Unit(benchmark::kMicrosecond)

constexpr const char* kHundredRowMap = "map\\tmxbench.map";
constexpr const char* kHundredRowScript = "map\\tmxbench.msc";
constexpr const char* kHundredRowDocument = "tmxbench.tmx";
constexpr const char* kWorstDocument = "tmxmap1.tmx";

// map1's cells with a script of 100 player rows, beside map1.
void writeHundredRowMap()
{
    const tervok::Result<std::string> cells = tervok::readWholeFile(tervok::nativePath("map\\map1.map"));
    std::string script = "[set <type> <nmr> <anz> <x> <y> <r>]\r\n";
    for (int row = 0; row < 100; ++row) {
        const formats::ScriptLinePieces pieces{row % 7 == 0, "player", std::to_string(row % 5 + 1), "1",
                                               static_cast<double>(row * 20 % 2000 + 10),
                                               static_cast<std::int16_t>(row * 13 % 2000 + 10), row % 4 + 1};
        script += formats::composeScriptLine(pieces) + "\r\n";
    }
    tervok::Status written = tervok::replaceFile(tervok::nativePath(kHundredRowMap), cells.valueOr(std::string(10000, '\1')));
    written = tervok::replaceFile(tervok::nativePath(kHundredRowScript), script);
}

int runTmx(tmx::TmxOptions::Command command, const std::string& input, const std::string& output)
{
    tmx::TmxOptions options;
    options.command = command;
    options.input = input;
    options.output = output;
    std::ostream quiet(nullptr);
    return tmx::runTmx(options, quiet);
}

void exportOnce(benchmark::State& state, const std::string& map, const std::string& document)
{
    if (runTmx(tmx::TmxOptions::Command::Export, map, document) != 0)
        state.SkipWithError("the export failed");
}

// The files an export reads: the map, its script, the catalogues and the
// bitmaps of the tiles in the tileset.
std::vector<std::filesystem::path> exportedFiles()
{
    std::vector<std::filesystem::path> files;
    for (const char* path : {kHundredRowMap, kHundredRowScript, formats::kTileCataloguePath, "player\\player.lst"})
        files.push_back(tervok::nativePath(path));
    const formats::TileCatalogue catalogue = formats::loadTileCatalogue().valueOr({});
    std::set<std::string> bitmaps;
    for (const std::string& name : catalogue.names)
        if (const auto path = formats::tileImagePath(name))
            bitmaps.insert(*path);
    for (const std::string& path : bitmaps)
        files.push_back(tervok::nativePath(path));
    return files;
}

void tmx_export(benchmark::State& state)
{
    writeHundredRowMap();
    for (auto _ : state)
        exportOnce(state, kHundredRowMap, kHundredRowDocument);
}

void tmx_export_files(benchmark::State& state)
{
    writeHundredRowMap();
    exportOnce(state, kHundredRowMap, kHundredRowDocument);
    const std::string document = tervok::readWholeFile(kHundredRowDocument).valueOr("");
    const std::vector<std::filesystem::path> files = exportedFiles();
    for (auto _ : state) {
        for (const std::filesystem::path& file : files)
            benchmark::DoNotOptimize(tervok::readWholeFile(file));
        if (!tervok::replaceFile(kHundredRowDocument, document))
            state.SkipWithError("cannot write the document");
    }
}

void tmx_import(benchmark::State& state)
{
    writeHundredRowMap();
    exportOnce(state, kHundredRowMap, kHundredRowDocument);
    for (auto _ : state)
        if (runTmx(tmx::TmxOptions::Command::Import, kHundredRowDocument, kHundredRowMap) != 0)
            state.SkipWithError("the import failed");
}

void tmx_import_files(benchmark::State& state)
{
    writeHundredRowMap();
    exportOnce(state, kHundredRowMap, kHundredRowDocument);
    const std::string map = tervok::readWholeFile(tervok::nativePath(kHundredRowMap)).valueOr("");
    const std::string script = tervok::readWholeFile(tervok::nativePath(kHundredRowScript)).valueOr("");
    for (auto _ : state) {
        benchmark::DoNotOptimize(tervok::readWholeFile(kHundredRowDocument));
        benchmark::DoNotOptimize(tervok::readWholeFile(tervok::nativePath(kHundredRowMap)));
        if (!tervok::replaceFile(tervok::nativePath(kHundredRowMap), map) ||
            !tervok::replaceFile(tervok::nativePath(kHundredRowScript), script))
            state.SkipWithError("cannot write the map");
    }
}

// map1's document is written back beside map1, never over it.
void tmx_import_map1(benchmark::State& state)
{
    exportOnce(state, "map\\map1.map", kWorstDocument);
    for (auto _ : state)
        if (runTmx(tmx::TmxOptions::Command::Import, kWorstDocument, "map\\tmxmap1.map") != 0)
            state.SkipWithError("the import failed");
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(kWorstDocument));
}

void tmx_xml_pass(benchmark::State& state)
{
    exportOnce(state, "map\\map1.map", kWorstDocument);
    for (auto _ : state) {
        QFile file(kWorstDocument);
        file.open(QIODevice::ReadOnly);
        QXmlStreamReader xml(&file);
        while (!xml.atEnd())
            xml.readNext();
        benchmark::DoNotOptimize(xml.hasError());
    }
}

}  // namespace

TERVOK_TOOL_BENCHMARK(tmx_export);
TERVOK_TOOL_BENCHMARK(tmx_export_files);
TERVOK_TOOL_BENCHMARK(tmx_import);
TERVOK_TOOL_BENCHMARK(tmx_import_files);
TERVOK_TOOL_BENCHMARK(tmx_import_map1);
TERVOK_TOOL_BENCHMARK(tmx_xml_pass);

}  // namespace bench
