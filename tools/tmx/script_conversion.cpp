#include "tools/tmx/script_conversion.h"

#include "common/text/field_reader.h"
#include "common/text/number_reader.h"
#include "formats/script_file.h"
#include "formats/script_line.h"
#include "tools/tmx/byte_escapes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace tmx {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kLf = "\n";
constexpr std::string_view kRowPrefix = "row ";
// What the editor writes as the header of a new script.
constexpr std::string_view kEditorHeader = "[set <type> <nmr> <anz> <x> <y> <r>]";

// The script's lines, split at its line-end style: that of its first line
// end, CR LF when it has none. Other line-end bytes stay inside the lines.
struct ScriptLines {
    std::string_view lineEnd = kCrLf;
    bool lastLineEnds = false;
    std::vector<std::string_view> lines;
};

ScriptLines splitLines(std::string_view bytes)
{
    ScriptLines split;
    const std::size_t firstLf = bytes.find('\n');
    if (firstLf != std::string_view::npos && (firstLf == 0 || bytes[firstLf - 1] != '\r'))
        split.lineEnd = kLf;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = bytes.find(split.lineEnd, start);
        if (end == std::string_view::npos) {
            split.lines.push_back(bytes.substr(start));
            break;
        }
        split.lines.push_back(bytes.substr(start, end - start));
        start = end + split.lineEnd.size();
        if (start == bytes.size()) {
            split.lastLineEnds = true;
            break;
        }
    }
    return split;
}

Property textProperty(std::string name, std::string_view bytes) { return {std::move(name), "string", escapeBytes(bytes)}; }
Property intProperty(std::string name, long long value) { return {std::move(name), "int", std::to_string(value)}; }

// Tiled 1.8 writes an object's position in TMX with six significant digits;
// a point that would lose digits there stays a verbatim row.
bool survivesSixDigits(double value)
{
    if (std::trunc(value) == value && value < 1e6)
        return true;
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return std::strtod(text, nullptr) == value;
}

bool inScriptRange(double value) { return value >= 0 && value <= kMaxScriptPosition; }

// The player fields of a row that becomes an object, or nothing.
std::optional<formats::TakenScriptLine> objectRow(std::string_view row)
{
    if (row.empty() || row.front() == ' ' || tervok::splitsOrCutsField(row))
        return std::nullopt;
    std::optional<formats::TakenScriptLine> taken = formats::takeScriptLineApart(row);
    if (!taken || !taken->player)
        return std::nullopt;
    const formats::PlayerLineFields& player = *taken->player;
    if (!inScriptRange(player.x) || !inScriptRange(player.y) || !survivesSixDigits(player.x))
        return std::nullopt;
    return taken;
}

formats::ScriptLinePieces piecesOf(const formats::TakenScriptLine& taken)
{
    const formats::PlayerLineFields& player = *taken.player;
    return {taken.isUser, player.type, player.number, player.count, player.x, player.y, player.direction};
}

class PlayerNames {
public:
    explicit PlayerNames(const std::vector<tervok::CatalogueEntry>& players)
    {
        for (const tervok::CatalogueEntry& entry : players)
            names_.emplace(entry.number, entry.name);  // the first entry of a number names it
    }

    std::string nameOf(const std::string& number) const
    {
        const auto found = names_.find(tervok::toInt16(tervok::readNumber(number)));
        return found == names_.end() ? std::string() : found->second;
    }

private:
    std::map<std::int16_t, std::string> names_;
};

MapObject rowObject(std::uint32_t id, std::size_t row, std::string_view text, const formats::TakenScriptLine& taken,
                    const PlayerNames& names)
{
    const formats::ScriptLinePieces pieces = piecesOf(taken);
    MapObject object;
    object.id = id;
    object.name = escapeBytes(names.nameOf(pieces.number));
    object.x = pieces.x;
    object.y = pieces.y;
    // Sorted by name, as Tiled writes them.
    Properties& properties = object.properties;
    properties.reserve(7);
    properties.push_back({"command", "string", pieces.isUser ? "def" : "set"});
    properties.push_back(textProperty("count", pieces.count));
    properties.push_back(intProperty("direction", pieces.direction));
    properties.push_back(textProperty("number", pieces.number));
    properties.push_back(intProperty("row", static_cast<long long>(row)));
    if (formats::composeScriptLine(pieces) != text || std::trunc(pieces.x) != pieces.x)
        properties.push_back(textProperty("text", text));
    properties.push_back(textProperty("type", pieces.type));
    return object;
}

std::string rowPropertyName(std::size_t row)
{
    char name[32];
    std::snprintf(name, sizeof name, "row %05zu", row);
    return name;
}

}  // namespace

tervok::Status checkExportableScript(std::string_view bytes)
{
    const tervok::Result<formats::ScriptRows> rows = formats::parseScriptFile(std::string(bytes));
    if (!rows)
        return rows.error();
    // A quoted field can join lines into one row: the lines are counted too.
    if (splitLines(bytes).lines.size() > formats::kMaxScriptRows + 1)
        return tervok::formatErrorAtLine(formats::kMaxScriptRows + 2, "more than 32767 rows");
    return {};
}

ExportedScript exportScript(std::string_view bytes, const std::vector<tervok::CatalogueEntry>& players)
{
    const ScriptLines split = splitLines(bytes);
    const PlayerNames names(players);
    ExportedScript script;
    script.mapProperties = {
        {kLastLineEndsProperty, "bool", split.lastLineEnds ? "true" : "false"},
        {kLineEndsProperty, "string", split.lineEnd == kCrLf ? "CRLF" : "LF"},
    };
    script.group.name = kScriptGroupName;
    script.group.properties.push_back(textProperty(kHeaderProperty, split.lines.front()));
    script.group.objects.reserve(split.lines.size());
    std::uint32_t nextId = 1;
    for (std::size_t row = 1; row < split.lines.size(); ++row) {
        const std::string_view text = split.lines[row];
        if (const std::optional<formats::TakenScriptLine> taken = objectRow(text))
            script.group.objects.push_back(rowObject(nextId++, row, text, *taken, names));
        else
            script.group.properties.push_back(textProperty(rowPropertyName(row), text));
    }
    return script;
}

namespace {

// Where a row comes from on the way back: its number (0 for a new row), the
// place of its source in the document, and its text.
struct PlacedRow {
    std::size_t row = 0;
    bool fromObject = false;
    std::uint32_t id = 0;
    std::size_t order = 0;
    std::string text;
};

std::string objectLabel(const MapObject& object, std::optional<std::size_t> row)
{
    std::string label = object.id ? "object " + std::to_string(object.id)
                                   : "the object at (" + numberText(object.x) + ", " + numberText(object.y) + ")";
    if (row)
        label += " (row " + std::to_string(*row) + ")";
    return label;
}

// A row number from 1 to 32767, or nothing.
std::optional<std::size_t> rowNumber(std::string_view text)
{
    if (!tervok::isWholeNumberText(text))
        return std::nullopt;
    const double value = tervok::readNumber(text);
    if (std::trunc(value) != value || value < 1 || value > static_cast<double>(formats::kMaxScriptRows))
        return std::nullopt;
    return static_cast<std::size_t>(value);
}

// Reads one object's fields and gives its row, or the reason it cannot.
class ObjectRowBuilder {
public:
    ObjectRowBuilder(const MapObject& object, std::optional<std::size_t> row, std::vector<Warning>& warnings)
        : object_(object), label_(objectLabel(object, row)), warnings_(warnings)
    {
    }

    tervok::Result<std::string> build()
    {
        const tervok::Result<formats::ScriptLinePieces> pieces = fields();
        if (!pieces)
            return pieces.error();
        if (const std::optional<std::string> stored = field("text"); stored && stillReads(*stored, *pieces))
            return *stored;
        return composed(*pieces);
    }

private:
    std::optional<std::string> field(const char* name) const
    {
        const Property* property = findProperty(object_.properties, name);
        if (!property)
            return std::nullopt;
        return unescapeText(property->value);
    }

    // The row's fields from the object's properties; what a property leaves
    // out is what the script editor gives a new row, but the player number.
    tervok::Result<formats::ScriptLinePieces> fields() const
    {
        const std::optional<std::string> command = field("command");
        if (command && *command != "set" && *command != "def")
            return refusal("its command is '" + *command + "', not set or def");
        const std::optional<std::string> number = field("number");
        if (!number)
            return refusal("it has no player number (property 'number')");
        formats::ScriptLinePieces pieces;
        pieces.isUser = command == "def";
        // A new object may say its type in Tiled's own type (class) field.
        pieces.type = field("type").value_or(object_.type.empty() ? "player" : unescapeText(object_.type));
        pieces.number = *number;
        pieces.count = field("count").value_or("");
        const std::pair<const char*, const std::string*> texts[] = {
            {"type", &pieces.type}, {"number", &pieces.number}, {"count", &pieces.count}};
        for (const auto& [name, value] : texts)
            if (value->find_first_of(",\r\n") != std::string::npos)
                return refusal("its " + std::string(name) + " holds a comma or a line end, which no script row can");
        const std::optional<std::string> direction = field("direction");
        const double code = direction ? tervok::readNumber(*direction) : 0;
        if (direction && (!tervok::isWholeNumberText(*direction) || std::trunc(code) != code || code < 0 ||
                          code > formats::kDirections))
            return refusal("its direction is '" + *direction + "', not 0 to 4");
        pieces.direction = static_cast<int>(code);
        return pieces;
    }

    tervok::Error refusal(const std::string& why) const
    {
        return formatErrorAt(object_.line, label_ + ": " + why);
    }

    // Whether the stored row still says what the object says.
    bool stillReads(const std::string& stored, const formats::ScriptLinePieces& pieces) const
    {
        const std::optional<formats::TakenScriptLine> taken = formats::takeScriptLineApart(stored);
        if (!taken || !taken->player)
            return false;
        const formats::PlayerLineFields& row = *taken->player;
        return taken->isUser == pieces.isUser && row.type == pieces.type && row.number == pieces.number &&
               row.count == pieces.count && row.x == object_.x && row.y == object_.y &&
               row.direction == pieces.direction;
    }

    tervok::Result<std::string> composed(formats::ScriptLinePieces pieces)
    {
        const double x = tervok::roundHalfEven(object_.x);
        const double y = tervok::roundHalfEven(object_.y);
        if (!inScriptRange(x) || !inScriptRange(y))
            return refusal("its point (" + numberText(object_.x) + ", " + numberText(object_.y) +
                           ") lies outside the positions a script row can hold, 0 to 2010 on either axis");
        if (x != object_.x || y != object_.y)
            warnings_.push_back({object_.line, label_ + ": the point (" + numberText(object_.x) + ", " +
                                                   numberText(object_.y) + ") is rounded to (" + numberText(x) +
                                                   ", " + numberText(y) + ")"});
        pieces.x = x;
        pieces.y = static_cast<std::int16_t>(y);
        return formats::composeScriptLine(pieces);
    }

    const MapObject& object_;
    std::string label_;
    std::vector<Warning>& warnings_;
};

struct LineStyle {
    std::string_view lineEnd = kCrLf;
    bool lastLineEnds = true;
};

tervok::Result<LineStyle> lineStyle(const Properties& mapProperties)
{
    LineStyle style;
    if (const Property* ends = findProperty(mapProperties, kLineEndsProperty)) {
        if (ends->value != "CRLF" && ends->value != "LF")
            return tervok::formatError("the map property '" + std::string(kLineEndsProperty) + "' is '" +
                                       ends->value + "', not CRLF or LF");
        style.lineEnd = ends->value == "LF" ? kLf : kCrLf;
    }
    if (const Property* last = findProperty(mapProperties, kLastLineEndsProperty)) {
        if (last->value != "true" && last->value != "false")
            return tervok::formatError("the map property '" + std::string(kLastLineEndsProperty) + "' is '" +
                                       last->value + "', not true or false");
        style.lastLineEnds = last->value == "true";
    }
    return style;
}

// The verbatim rows among the group's properties.
tervok::Result<std::vector<PlacedRow>> verbatimRows(const ObjectGroup& group)
{
    std::vector<PlacedRow> rows;
    for (const Property& property : group.properties) {
        if (property.name.compare(0, kRowPrefix.size(), kRowPrefix) != 0)
            continue;
        const std::optional<std::size_t> row = rowNumber(std::string_view(property.name).substr(kRowPrefix.size()));
        if (!row)
            return formatErrorAt(group.line, "the script property '" + property.name +
                                                             "' names no row from 1 to 32767");
        rows.push_back({*row, false, 0, rows.size(), unescapeText(property.value)});
    }
    return rows;
}

// Numbered rows in their order; the second holder of a number joins the new
// rows, which follow in the document's order.
std::vector<std::string> orderedRows(std::vector<PlacedRow> numbered, std::vector<PlacedRow> fresh)
{
    std::stable_sort(numbered.begin(), numbered.end(), [](const PlacedRow& a, const PlacedRow& b) {
        if (a.row != b.row)
            return a.row < b.row;
        if (a.fromObject != b.fromObject)
            return !a.fromObject;
        return a.id != b.id && a.id != 0 && (b.id == 0 || a.id < b.id);
    });
    std::vector<std::string> rows;
    rows.reserve(numbered.size() + fresh.size());
    std::size_t lastRow = 0;
    for (PlacedRow& placed : numbered) {
        if (placed.row == lastRow)
            fresh.push_back(std::move(placed));
        else
            rows.push_back(std::move(placed.text));
        lastRow = placed.row;
    }
    std::stable_sort(fresh.begin(), fresh.end(),
                     [](const PlacedRow& a, const PlacedRow& b) { return a.order < b.order; });
    for (PlacedRow& placed : fresh)
        rows.push_back(std::move(placed.text));
    return rows;
}

}  // namespace

tervok::Result<ImportedScript> importScript(const Properties& mapProperties, const ObjectGroup& group)
{
    const tervok::Result<LineStyle> style = lineStyle(mapProperties);
    if (!style)
        return style.error();
    tervok::Result<std::vector<PlacedRow>> numbered = verbatimRows(group);
    if (!numbered)
        return numbered.error();
    ImportedScript script;
    std::vector<PlacedRow> fresh;
    for (std::size_t i = 0; i < group.objects.size(); ++i) {
        const MapObject& object = group.objects[i];
        std::optional<std::size_t> row;
        if (const Property* number = findProperty(object.properties, "row")) {
            row = rowNumber(number->value);
            if (!row)
                return formatErrorAt(object.line, objectLabel(object, std::nullopt) + ": its row '" +
                                                                  number->value + "' is no row from 1 to 32767");
        }
        if (!object.point) {
            script.warnings.push_back({object.line, objectLabel(object, row) + " is no point: it is left out of the script"});
            continue;
        }
        tervok::Result<std::string> text = ObjectRowBuilder(object, row, script.warnings).build();
        if (!text)
            return text.error();
        // Objects come after the verbatim rows in the document's order.
        PlacedRow placed{row.value_or(0), true, object.id, group.properties.size() + i, std::move(*text)};
        (row ? *numbered : fresh).push_back(std::move(placed));
    }
    const std::vector<std::string> rows = orderedRows(std::move(*numbered), std::move(fresh));
    if (rows.size() > formats::kMaxScriptRows)
        return formatErrorAt(group.line, "the script holds " + std::to_string(rows.size()) +
                                                         " rows, more than 32767");
    const Property* header = findProperty(group.properties, kHeaderProperty);
    script.bytes = header ? unescapeText(header->value) : std::string(kEditorHeader);
    for (const std::string& row : rows) {
        script.bytes += style->lineEnd;
        script.bytes += row;
    }
    if (style->lastLineEnds)
        script.bytes += style->lineEnd;
    return script;
}

}  // namespace tmx
