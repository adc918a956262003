#include "terraloom/core/region_clipboard.h"

#include "common/text/blanks.h"

#include <optional>
#include <vector>

namespace terraloom {
namespace {

constexpr int kMostSide = formats::kMapSize;

// Digits only, their value at most limit; leading zeros are taken.
std::optional<int> numberOf(std::string_view text, int limit)
{
    if (text.empty())
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > limit)
            return std::nullopt;
    }
    return value;
}

// Takes a text line by line: LF ends a line and a CR right before it
// belongs to the end; after a last line end there is no further (empty)
// line. Lines are taken only as far as they are asked for, so a long text
// that is not cells costs no more than its first lines.
class LineReader {
public:
    explicit LineReader(std::string_view text) : rest_(text) {}

    bool atEnd() const { return rest_.empty(); }
    std::size_t number() const { return number_; }  // of the line taken last
    std::string_view next()
    {
        const std::size_t end = rest_.find('\n');
        std::string_view line = rest_.substr(0, end);
        if (end != std::string_view::npos && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        rest_ = end == std::string_view::npos ? std::string_view() : rest_.substr(end + 1);
        ++number_;
        return line;
    }

private:
    std::string_view rest_;
    std::size_t number_ = 0;
};

std::vector<std::string_view> wordsOf(std::string_view line)
{
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && tervok::isBlank(line[at]))
            ++at;
        const std::size_t start = at;
        while (at < line.size() && !tervok::isBlank(line[at]))
            ++at;
        if (at > start)
            words.push_back(line.substr(start, at - start));
    }
    return words;
}

std::string quoted(std::string_view text)
{
    constexpr std::size_t kLongest = 20;
    std::string shown(text.substr(0, kLongest));
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7F)
            c = '?';
    return "\"" + shown + (text.size() > kLongest ? "...\"" : "\"");
}

tervok::Result<std::vector<std::uint8_t>> rowOf(std::string_view line, std::size_t lineNumber, int columns)
{
    std::vector<std::uint8_t> row;
    row.reserve(static_cast<std::size_t>(columns));
    std::size_t at = 0;
    for (;;) {
        const std::size_t comma = line.find(',', at);
        const std::size_t length = comma == std::string_view::npos ? comma : comma - at;
        const std::string_view piece = tervok::withoutBlanks(line.substr(at, length));
        const std::optional<int> tile = numberOf(piece, formats::kMaxTile);
        if (!tile)
            return tervok::formatErrorAtLine(lineNumber, piece.empty() ? "a number is missing"
                                                                       : quoted(piece) + " is no tile from 0 to 100");
        row.push_back(static_cast<std::uint8_t>(*tile));
        if (static_cast<int>(row.size()) > columns)
            return tervok::formatErrorAtLine(lineNumber, "more numbers than the width " + std::to_string(columns));
        if (comma == std::string_view::npos)
            break;
        at = comma + 1;
    }
    if (static_cast<int>(row.size()) != columns)
        return tervok::formatErrorAtLine(lineNumber, std::to_string(row.size()) + " numbers where the width is " +
                                                         std::to_string(columns));
    return row;
}

}  // namespace

std::string cellsText(const CellBlock& block)
{
    std::string text = std::string(kCellsTextHeader) + " " + std::to_string(block.columns) + " " +
                       std::to_string(block.rows) + "\n";
    text.reserve(text.size() + block.tiles.size() * 4);
    for (int row = 0; row < block.rows; ++row) {
        for (int column = 0; column < block.columns; ++column) {
            if (column > 0)
                text += ',';
            text += std::to_string(block.at(column, row));
        }
        text += '\n';
    }
    return text;
}

tervok::Result<CellBlock> parseCellsText(std::string_view text)
{
    LineReader lines(text);
    if (lines.atEnd())
        return tervok::formatError("no text");
    const std::vector<std::string_view> header = wordsOf(lines.next());
    if (header.size() != 3 || header[0] != kCellsTextHeader)
        return tervok::formatErrorAtLine(1, std::string("not \"") + kCellsTextHeader + " WIDTH HEIGHT\"");
    const std::optional<int> columns = numberOf(header[1], kMostSide);
    const std::optional<int> rows = numberOf(header[2], kMostSide);
    if (!columns || !rows || *columns == 0 || *rows == 0)
        return tervok::formatErrorAtLine(1, "width and height run from 1 to 100");
    CellBlock block{*columns, *rows, {}};
    block.tiles.reserve(static_cast<std::size_t>(*columns) * static_cast<std::size_t>(*rows));
    for (int row = 0; row < *rows; ++row) {
        if (lines.atEnd())
            return tervok::formatError("only " + std::to_string(row) + " of " + std::to_string(*rows) + " rows");
        const std::string_view line = lines.next();
        const std::vector<std::uint8_t> tiles = TRY(rowOf(line, lines.number(), *columns));
        block.tiles.insert(block.tiles.end(), tiles.begin(), tiles.end());
    }
    if (!lines.atEnd())
        return tervok::formatErrorAtLine(lines.number() + 1, "more rows than the height " + std::to_string(*rows));
    return block;
}

}  // namespace terraloom
