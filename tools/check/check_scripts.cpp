// Every map script "map\*.msc": its header, its rows as the editor's "get"
// takes them apart, and what the player rows refer to.
#include "tools/check/check_context.h"

#include "common/encoding/cp1252.h"
#include "common/text/number_reader.h"
#include "formats/script_file.h"
#include "formats/script_line.h"

namespace check {
namespace {

constexpr double kLastMapPixel = 1999;

std::string withoutExtension(const std::string& path)
{
    return path.substr(0, path.rfind('.'));
}

std::string fileName(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string decimal(double value)
{
    return tervok::signedText(value).substr(value < 0 ? 0 : 1);
}

// The editor keeps a script beside its map: "map\" + name + ".msc" and
// "map\" + name + ".map".
void checkMapBeside(CheckContext& context, const std::string& path)
{
    const std::optional<std::string> name = tervok::utf8ToCp1252Exactly(withoutExtension(fileName(path)));
    if (!name)
        return;
    const std::string mapGamePath = "map\\" + *name + ".map";
    if (lookUp(context, mapGamePath).missing())
        context.findings.error(path, std::nullopt, "script-map-missing",
                               "the map file " + realOrNamedPath(context, mapGamePath) + " is missing");
}

// The first line is skipped as the header whatever it holds.
void checkHeader(CheckContext& context, const std::string& path, std::string_view bytes)
{
    const std::size_t first = bytes.find_first_not_of(' ');
    if (first != std::string_view::npos && bytes[first] != '[')
        context.findings.error(path, 1, "script-no-header",
                               "the first line is no header in brackets: it is skipped as one all the same");
}

void checkPlayerRow(CheckContext& context, const std::string& path, std::size_t line,
                    const formats::PlayerLineFields& fields)
{
    const std::optional<double> number = tervok::readWholeNumber(fields.number);
    if (!number) {
        context.findings.error(path, line, "not-a-number",
                               "the player number \"" + shown(fields.number) + "\" is not a number");
    } else if (context.players.read) {
        const std::int16_t player = tervok::toInt16(*number);
        if (player != 0 && !context.players.lists(player))
            context.findings.error(path, line, "script-player-unlisted",
                                   "player " + std::to_string(player) + " is not listed in " + context.players.path);
    }
    if (fields.x < 0 || fields.x > kLastMapPixel || fields.y < 0 || fields.y > kLastMapPixel)
        context.findings.error(path, line, "script-position-outside",
                               "the position (" + decimal(fields.x) + ", " + decimal(fields.y) +
                                   ") lies outside the map (0 to 1999)");
    const std::string& direction = fields.directionText;
    if (direction.size() != 1 || direction[0] < '0' || direction[0] > '4')
        context.findings.error(path, line, "script-direction",
                               "the direction \"" + shown(direction) + "\" is not one the editor writes (0 to 4)");
}

void checkScript(CheckContext& context, const std::string& path)
{
    const std::optional<std::string> bytes = readTextFile(context, path);
    if (!bytes)
        return;
    checkMapBeside(context, path);
    checkHeader(context, path, *bytes);
    std::vector<std::size_t> lines;
    const tervok::Result<formats::ScriptRows> rows = formats::parseScriptFile(*bytes, &lines);
    if (!rows) {
        context.findings.error(path, rows.error().line, "script-unreadable",
                               "the editor cannot load the script: " + rows.error().detail);
        return;
    }
    for (std::size_t i = 0; i < rows->size(); ++i) {
        const std::string& row = (*rows)[i];
        const std::optional<formats::TakenScriptLine> taken = formats::takeScriptLineApart(row);
        if (!taken)
            context.findings.error(path, lines[i], "script-row-unreadable",
                                   "the editor's \"get\" cannot take the row apart: \"" + shown(row) + "\"");
        else if (taken->player)
            checkPlayerRow(context, path, lines[i], *taken->player);
    }
}

}  // namespace

void checkScripts(CheckContext& context)
{
    for (const std::string& path : filesWithExtension(context, "map", ".msc"))
        checkScript(context, path);
}

}  // namespace check
