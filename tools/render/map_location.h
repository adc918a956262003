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
//
// Paths stay as relative as they were given: the working directory may lie
// deeper than an absolute path can reach (PATH_MAX), and nothing here needs
// to know where it is.
#include "common/errors/result.h"
#include "common/files/file_descriptor.h"

#include <filesystem>
#include <optional>
#include <string>

namespace render {

struct MapLocation {
    std::filesystem::path gameFolder;  // as given with -C, or found; "." is the working directory
    std::optional<std::string> gamePath;  // MAP, when it is a game path
    std::filesystem::path file;           // MAP with "." and ".." resolved by name, when it is a file path
    std::string gameName;     // the file name without ".map", in Windows-1252 as game paths are
    std::string pictureName;  // the same in the UTF-8 of file names, with ".png"
};

MapLocation locateMap(const std::string& map, const std::optional<std::string>& folder);

// The working directory the program started in, kept open: what it writes
// there once the game folder's files are read is named from it, and a path
// to it may be longer than the system lets a path be.
class StartFolder {
public:
    StartFolder();

    // Makes it the working directory again.
    tervok::Status enter() const;

private:
    tervok::FileDescriptor fd_;
    int openError_;
};

}  // namespace render
