#pragma once
// One line of a map script as terraloom composes it from its fields, and
// the reverse step that takes such a line apart again. The pieces are joined
// without checks: an empty field leaves two blanks in a row, and the sign
// character of x, y and r is the only separator in front of each of them.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace formats {

// Direction codes: 1 up, 2 right, 3 down, 4 left, 0 none chosen.
constexpr int kNoDirection = 0;
constexpr int kDirections = 4;

struct ScriptLinePieces {
    bool isUser = false;  // "def" instead of "set"
    std::string type;
    std::string number;
    std::string count;
    double x = 0;
    std::int16_t y = 0;
    int direction = kNoDirection;
};

std::string composeScriptLine(const ScriptLinePieces& pieces);

// What "get" reads from a "player" line.
struct PlayerLineFields {
    std::string type;
    std::string number;
    std::string count;
    double x = 0;
    std::int16_t y = 0;
    int direction = kNoDirection;  // a final digit outside 1..4 names none
    std::string directionText;     // what follows the y word, as it stands
};

struct TakenScriptLine {
    bool isUser = false;  // any first word but "set"
    std::optional<PlayerLineFields> player;  // only for type "player"
};

// Nothing when the line has too few blanks for its words, or when a "player"
// line does not end in a digit.
std::optional<TakenScriptLine> takeScriptLineApart(std::string_view line);

}  // namespace formats
