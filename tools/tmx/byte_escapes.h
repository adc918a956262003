#pragma once
// The game's Windows-1252 texts as property values of a Tiled document.
// XML cannot hold most control characters, not even as "&#1;" (Tiled
// refuses such a file), XML's line-end handling turns CR into LF, and
// Windows-1252 leaves five bytes undefined; all of these are written as
// "\xNN" with two upper-case hex digits, and a backslash as "\\", so that
// every byte comes back.
#include <string>
#include <string_view>

namespace tmx {

// UTF-8 text for Windows-1252 bytes.
std::string escapeBytes(std::string_view bytes);

// The bytes again. "\\" and "\xNN" are undone; any other backslash stays
// as it is, and a character Windows-1252 cannot hold becomes "?" as in the
// editors.
std::string unescapeText(std::string_view utf8);

}  // namespace tmx
