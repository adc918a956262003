#pragma once
// Paths inside the game data are written with "\" and relative to the working
// directory. nativePath turns such a path into the form this system opens.
#include <filesystem>
#include <string_view>

namespace tervok {

// "\" separates components. Each component is converted from Windows-1252 to
// the UTF-8 file names of this system. A component that does not exist with
// the exact case is matched case-insensitively when exactly one entry of its
// folder matches, so data folders made on Windows work unchanged.
std::filesystem::path nativePath(std::string_view gamePath);

}  // namespace tervok
