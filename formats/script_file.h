#pragma once
// The map script file: a header line in square brackets, then one line per
// script row, every line ending with CR LF. The script itself is held as
// rows of text that this layer neither checks nor changes.
#include "common/errors/result.h"

#include <string>
#include <string_view>
#include <vector>

namespace formats {

// Row numbers are signed 16-bit, so a script holds at most this many rows.
constexpr std::size_t kMaxScriptRows = 32767;

using ScriptRows = std::vector<std::string>;

// Map directory, map name and ".msc", joined without separators.
std::string scriptPath(std::string_view directory, std::string_view mapName);

// The rows of a script file. The first field (the header line) is skipped
// unread; every further field is a row, so a line with commas gives several
// rows and leading blanks are dropped. A format error when the file holds
// not even a header, or more rows than a script can hold.
// rowLines, when given, receives the 1-based line each row starts on.
tervok::Result<ScriptRows> parseScriptFile(std::string bytes, std::vector<std::size_t>* rowLines = nullptr);

// The header "[" grammar "]" and one line per row, each ending with CR LF.
std::string scriptFileBytes(std::string_view grammar, const ScriptRows& rows);

// rowLines as for parseScriptFile.
tervok::Result<ScriptRows> loadScriptFile(std::string_view gamePath, std::vector<std::size_t>* rowLines = nullptr);
tervok::Status saveScriptFile(std::string_view gamePath, std::string_view grammar, const ScriptRows& rows);

}  // namespace formats
