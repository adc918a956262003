// The content check on a small game folder whose files hold any bytes: the
// input is cut at each "\xF0\x0F" into the contents of the folder's files,
// in a fixed order; the bytes of a piece past the last file lock folders
// (each byte one folder: listing refused, and search too when odd). The
// map's piece is run-length coded, each pair of bytes (n, tile) standing
// for n + 1 cells of the tile, so that a whole map of 10,000 cells takes
// some dozens of bytes and the fuzzer spends its time on what varies. For
// every input the check must end and find only what it can say where: each
// finding names a file or folder of the game folder (or, for a missing
// catalogue, the path the game looks for), a cell on the map, what and why;
// both printed forms hold the same findings, the text one line each and a
// summary that counts them, the JSON a well-formed array (RFC 8259, strict
// UTF-8) of one object per finding.
#include "fuzz/fuzz_check.h"
#include "fuzz/json_reader.h"
#include "tools/check/content_check.h"
#include "tools/check/findings_report.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <set>
#include <sstream>
#include <string_view>

namespace {

using tervok::fuzz::check;
using tervok::fuzz::JsonValue;

constexpr std::array<const char*, 12> kPaths = {
    "map/mapteile.lst", "map/map1.map",        "map/map1.msc",     "player/player.lst",
    "player/p.dat",     "shots/weapons.lst",   "shots/s.sht",      "sprites/particle.lst",
    "ep/a.bmp",         "ep/grass.bmp",        "MAP/Other.MSC",    "sprites/a.spr",
};

constexpr std::array<const char*, 7> kFolders = {"", "map", "MAP", "ep", "player", "shots", "sprites"};

// The catalogues, where a missing one is looked for.
constexpr std::array<const char*, 4> kCatalogues = {"map/mapteile.lst", "player/player.lst", "shots/weapons.lst",
                                                    "sprites/particle.lst"};

struct FuzzFolder {
    check::MemoryFolder folder;
    std::set<std::string> paths{"."};  // the files and folders it holds, the game folder as "."
};

TERVOK_FUZZ_UNTRACED void addFile(FuzzFolder& game, const std::string& path, std::string bytes)
{
    game.folder.addFile(path, std::move(bytes));
    game.paths.insert(path);
    game.paths.insert(path.substr(0, path.find('/')));
}

// (n, tile) pairs: n + 1 cells of the tile; an odd last byte is one cell.
TERVOK_FUZZ_UNTRACED std::string mapCells(std::string_view runs)
{
    std::string cells;
    for (std::size_t at = 0; at < runs.size(); at += 2) {
        if (at + 1 == runs.size())
            cells += runs[at];
        else
            cells.append(static_cast<unsigned char>(runs[at]) + 1u, runs[at + 1]);
    }
    return cells;
}

TERVOK_FUZZ_UNTRACED FuzzFolder folderOf(const std::string& bytes)
{
    FuzzFolder game;
    std::size_t start = 0;
    for (const char* path : kPaths) {
        if (start > bytes.size())
            break;
        const std::size_t end = std::min(bytes.find("\xF0\x0F", start), bytes.size());
        const std::string piece = bytes.substr(start, end - start);
        addFile(game, path, path == std::string_view("map/map1.map") ? mapCells(piece) : piece);
        start = end + 2;
    }
    if (start < bytes.size()) {
        for (const char lock : bytes.substr(start, 4)) {
            const char* folder = kFolders[static_cast<unsigned char>(lock) / 2 % kFolders.size()];
            game.folder.forbidListing(folder, (lock & 1) == 0);
            game.paths.insert(*folder ? folder : ".");
        }
    }
    return game;
}

TERVOK_FUZZ_UNTRACED void checkFindings(const FuzzFolder& game, const check::CheckResult& result)
{
    for (const check::Finding& finding : result.findings.all()) {
        const bool missingCatalogue = finding.code == "missing" &&
            std::find(kCatalogues.begin(), kCatalogues.end(), finding.file) != kCatalogues.end();
        check(game.paths.count(finding.file) || missingCatalogue, "findings name files of the folder");
        check(!finding.message.empty() && !finding.code.empty(), "every finding says what and why");
        check(!finding.cell ||
                  (finding.cell->x >= 1 && finding.cell->x <= 100 && finding.cell->y >= 1 && finding.cell->y <= 100),
              "cells lie on the map");
    }
    check(result.filesChecked <= kPaths.size(), "no file counted twice");
}

// "3 errors, 1 warning in 5 files"
struct Summary {
    unsigned long errors = 0, warnings = 0, files = 0;
};

TERVOK_FUZZ_UNTRACED std::optional<Summary> summaryOf(const std::string& line)
{
    Summary summary;
    char errors[8], warnings[9], files[6];
    int read = 0;
    if (std::sscanf(line.c_str(), "%lu %7[a-z], %lu %8[a-z] in %lu %5[a-z]%n", &summary.errors, errors,
                    &summary.warnings, warnings, &summary.files, files, &read) != 6 ||
        static_cast<std::size_t>(read) != line.size())
        return std::nullopt;
    const auto word = [](unsigned long count, const std::string& one) { return count == 1 ? one : one + "s"; };
    if (errors != word(summary.errors, "error") || warnings != word(summary.warnings, "warning") ||
        files != word(summary.files, "file"))
        return std::nullopt;
    return summary;
}

// One line a finding, "path[:line]: severity: ...", then the summary.
TERVOK_FUZZ_UNTRACED void checkText(const check::CheckResult& result, std::string_view text)
{
    check(!text.empty() && text.back() == '\n', "the text ends in a line end");
    Summary counted;
    std::size_t start = 0;
    for (const check::Finding& finding : result.findings.all()) {
        const std::size_t end = text.find('\n', start);
        check(end != std::string_view::npos, "every finding is one line");
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        // The game folder's names hold no ": ", so the first one ends the place.
        const bool error = finding.severity == check::Severity::Error;
        const std::string_view severity = error ? "error: " : "warning: ";
        const std::size_t place = line.find(": ");
        check(place != std::string_view::npos && line.substr(place + 2, severity.size()) == severity,
              "each line says how bad its finding is");
        (error ? counted.errors : counted.warnings) += 1;
    }
    check(text.find('\n', start) == text.size() - 1, "every finding is one line, and then the summary");
    const std::optional<Summary> summary = summaryOf(std::string(text.substr(start, text.size() - 1 - start)));
    check(summary.has_value(), "the summary reads \"N errors, N warnings in N files\"");
    check(summary->errors == counted.errors && summary->warnings == counted.warnings,
          "the summary counts the lines printed");
    check(summary->files == result.filesChecked, "the summary counts the files checked");
}

// An array of one object per finding, in the same order, with its fields.
TERVOK_FUZZ_UNTRACED void checkJson(const check::CheckResult& result, const std::string& json)
{
    const std::optional<JsonValue> report = tervok::fuzz::JsonReader::parse(json);
    check(report.has_value(), "the JSON report parses");
    check(report->kind == JsonValue::Kind::Array, "the JSON report is an array");
    check(report->items.size() == result.findings.all().size(), "the JSON report holds every finding");
    for (std::size_t i = 0; i < report->items.size(); ++i) {
        const JsonValue& item = report->items[i];
        const check::Finding& finding = result.findings.all()[i];
        const JsonValue* severity = item.member("severity");
        const JsonValue* code = item.member("code");
        const JsonValue* file = item.member("file");
        check(item.kind == JsonValue::Kind::Object && item.keys.size() == 7 && severity && code && file &&
                  item.member("message") && item.member("line") && item.member("x") && item.member("y"),
              "each finding has its seven fields");
        // The codes and the folder's names are plain ASCII: written as they are.
        check(severity->raw == (finding.severity == check::Severity::Error ? "error" : "warning") &&
                  code->raw == finding.code,
              "the JSON says how bad each finding is and its code");
        check(file->raw == finding.file, "the JSON names the finding's file");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const FuzzFolder game = folderOf(tervok::fuzz::bytesOf(data, size));
    const check::CheckResult result = check::checkContent(game.folder);
    checkFindings(game, result);
    std::ostringstream text, json;
    check::printText(text, result);
    check::printJson(json, result);
    checkText(result, text.str());
    checkJson(result, json.str());
    return 0;
}
