#pragma once
// Where the map named on the command line lies, and which game folder it
// belongs to.
//
// MAP is a game path when it holds a backslash ("map\map1.map", relative to
// the game folder, matched without regard to letter case as the editors
// do), otherwise a file path. The game folder is the one given with -C;
// without it, the working directory for a game path, and the folder that
// holds the map's folder for a file path. A file path is taken from the
// working directory the program started in, also with -C.
#include <filesystem>
#include <optional>
#include <string>

namespace render {

struct MapLocation {
    std::filesystem::path gameFolder;  // as given with -C, or found
    std::optional<std::string> gamePath;  // MAP, when it is a game path
    std::filesystem::path file;           // MAP made absolute, when it is a file path
    std::string gameName;     // the file name without ".map", in Windows-1252 as game paths are
    std::string pictureName;  // the same in the UTF-8 of file names, with ".png"
};

MapLocation locateMap(const std::string& map, const std::optional<std::string>& folder,
                      const std::filesystem::path& startDirectory);

}  // namespace render
