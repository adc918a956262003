#pragma once
// Blanks around a field of a hand-written line: spaces and tabs, the two
// that typed text and the game's files put between values.
#include <string_view>

namespace tervok {

constexpr bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The text without the blanks at either end.
constexpr std::string_view withoutBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

}  // namespace tervok
