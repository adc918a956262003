#pragma once
// Paths inside the game data are written with "\" and relative to the working
// directory. nativePath turns such a path into the form this system opens.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tervok {

// "\" separates components. Each component is converted from Windows-1252 to
// the UTF-8 file names of this system. A component that does not exist with
// the exact case is matched case-insensitively when exactly one entry of its
// folder matches, so data folders made on Windows work unchanged.
std::filesystem::path nativePath(std::string_view gamePath);

// The path as written, each component converted but none matched: what
// nativePath gives whenever that path exists. A reader that opens it first
// and calls nativePath only when that fails spares the look at the disk.
std::filesystem::path pathAsWritten(std::string_view gamePath);

// The one name among the entries of a folder (as the file system spells
// them, UTF-8) that equals the Windows-1252 name but for case, as Windows
// compares names; nothing when none or several fit. Entries whose names
// Windows-1252 cannot hold match nothing.
std::optional<std::string> matchNameIgnoringCase(const std::vector<std::string>& entries,
                                                 std::string_view cp1252Name);

// The components of a game path ("map\map1.map": "map", "map1.map"); empty
// components are dropped.
std::vector<std::string> gamePathComponents(std::string_view gamePath);

}  // namespace tervok
