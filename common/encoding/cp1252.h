#pragma once
// The data files are single-byte Windows-1252 text. The editors keep those
// bytes unchanged in memory and convert only at the edge: to UTF-8 for
// display and for file names, and back for what the user types.
#include <optional>
#include <string>
#include <string_view>

namespace tervok {

// Every byte value maps to one code point; the five bytes that Windows-1252
// leaves undefined map to the C1 control of the same value.
char32_t cp1252ToCodePoint(unsigned char byte);

// The byte for a code point, or '?' when Windows-1252 cannot hold it.
char codePointToCp1252(char32_t codePoint);

std::string cp1252ToUtf8(std::string_view bytes);

// Decodes UTF-8 (invalid sequences count as one unmappable character each).
std::string utf8ToCp1252(std::string_view utf8);

// The same, but nothing when a character has no Windows-1252 byte or the
// text is no valid UTF-8: for names that must reach the same file again.
std::optional<std::string> utf8ToCp1252Exactly(std::string_view utf8);

// A byte in lower case as Windows folds Windows-1252 text: A-Z, the
// accented capitals 0xC0 to 0xDE except the multiplication sign, and
// Š, Œ, Ž, Ÿ.
unsigned char foldCaseCp1252(unsigned char byte);

}  // namespace tervok
