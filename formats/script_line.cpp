#include "formats/script_line.h"

#include "common/text/number_reader.h"

namespace formats {
namespace {

constexpr std::string_view kPlayerType = "player";

// Reads the words of a line one after the other; a word ends at the next
// blank, which is consumed with it. Words are views into the line, which
// must outlive them.
class WordCursor {
public:
    explicit WordCursor(std::string_view line) : line_(line) {}

    std::optional<std::string_view> next()
    {
        const std::size_t blank = line_.find(' ', pos_);
        if (blank == std::string_view::npos)
            return std::nullopt;
        const std::string_view word = line_.substr(pos_, blank - pos_);
        pos_ = blank + 1;
        return word;
    }

    // Everything after the words read so far.
    std::string_view rest() const { return line_.substr(pos_); }

private:
    std::string_view line_;
    std::size_t pos_ = 0;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int directionOfDigit(char digit)
{
    const int code = digit - '0';
    return code >= 1 && code <= kDirections ? code : kNoDirection;
}

// Words 3 to 6 of a "player" line, then its last character as the direction.
std::optional<PlayerLineFields> takePlayerFields(std::string_view line, WordCursor& words, std::string_view type)
{
    const std::optional<std::string_view> number = words.next();
    const std::optional<std::string_view> count = words.next();
    const std::optional<std::string_view> x = words.next();
    const std::optional<std::string_view> y = words.next();
    if (!y || !isDigit(line.back()))
        return std::nullopt;
    PlayerLineFields fields;
    fields.type = type;
    fields.number = *number;
    fields.count = *count;
    fields.x = tervok::readNumber(*x);
    fields.y = tervok::toInt16(tervok::readNumber(*y));
    fields.direction = directionOfDigit(line.back());
    fields.directionText = words.rest();
    return fields;
}

}  // namespace

std::string composeScriptLine(const ScriptLinePieces& pieces)
{
    std::string line = pieces.isUser ? "def " : "set ";
    line += pieces.type;
    line += ' ';
    line += pieces.number;
    line += ' ';
    line += pieces.count;
    line += tervok::signedText(pieces.x);
    line += tervok::signedText(pieces.y);
    line += tervok::signedText(pieces.direction);
    return line;
}

std::optional<TakenScriptLine> takeScriptLineApart(std::string_view line)
{
    WordCursor words(line);
    const std::optional<std::string_view> command = words.next();
    const std::optional<std::string_view> type = words.next();
    if (!type)
        return std::nullopt;
    TakenScriptLine taken;
    taken.isUser = *command != "set";
    if (*type == kPlayerType) {
        taken.player = takePlayerFields(line, words, *type);
        if (!taken.player)
            return std::nullopt;
    }
    return taken;
}

}  // namespace formats
