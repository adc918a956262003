#pragma once
// A file named on an editor's command line instead of a game folder, as a
// file dropped on the editor's launcher is: the editor opens on the game
// folder that holds it, and loads it where the window has a field for its
// name.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tervok::startup {

// The file as the window's own load names it: "shots\" + stem + ".sht".
struct NamedFile {
    std::string dataFolder;  // in lower case: "map", "player", "shots" or "sprites"
    std::string stem;        // the name without its extension, in Windows-1252 as the fields hold it
    std::string extension;   // in lower case, with its dot (".sht"); empty when the name has none
};

// The kinds of file a window loads by name, by data folder and extension.
struct FileKind {
    std::string_view dataFolder;
    std::string_view extension;
};

// The game folder a file lies in: the folder above the file's map, player,
// shots or sprites folder (in any letter case), taken from the path as it is
// written (a linked data folder still counts as the one named); nothing when
// the file's folder is none of these.
std::optional<std::filesystem::path> gameFolderOfFile(const std::filesystem::path& file);

// The file's game path parts, as the window builds the path again. A
// character Windows-1252 cannot hold becomes "?", so such a name reaches
// another file, or none.
NamedFile nameOfFile(const std::filesystem::path& file);

// "shots\laser.sht".
std::string gamePathOf(const NamedFile& file);

bool isOfKind(const NamedFile& file, const FileKind& kind);

}  // namespace tervok::startup
