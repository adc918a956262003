#pragma once
// UTF-8 as RFC 3629 defines it, for text that comes from outside and must
// reach a reader intact or not at all: a file name on disk may hold any
// bytes, and a script row any control character.
#include <cstddef>
#include <string>
#include <string_view>

namespace tervok {

// The length (1 to 4) of the well-formed UTF-8 sequence that starts at
// text[at], or 0 when none starts there: a stray continuation byte, a lead
// byte C0, C1 or F5 to FF, an overlong form, an encoded surrogate
// (U+D800 to U+DFFF), a code point above U+10FFFF, or a sequence cut short.
std::size_t utf8SequenceLength(std::string_view text, std::size_t at);

// The code point of a well-formed sequence of that length at text[at].
char32_t utf8CodePointAt(std::string_view text, std::size_t at, std::size_t length);

// The text as one line that cannot drive a terminal: LF, CR and tab as
// "\n", "\r" and "\t", the other control characters and DEL as "\x1b",
// the C1 controls U+0080 to U+009F (an 8-bit terminal's CSI among them) as
// "\u009b", and every byte that is no part of well-formed UTF-8 as "\x9b".
// Everything else passes unchanged.
std::string escapedForTerminal(std::string_view text);

}  // namespace tervok
