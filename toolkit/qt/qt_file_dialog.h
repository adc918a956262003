#pragma once
// The modal open-file dialog. A preset such as "sprites\*.spr" opens the
// dialog in the folder "sprites" below the working directory (found as the
// data files are, case-insensitively if need be) and lists only the files
// that match "*.spr"; a preset without wildcards preselects that file.
#include <optional>
#include <string>

namespace qtui {

struct DialogPreset {
    std::string folder;   // game path, "" for the working directory
    std::string pattern;  // file name or wildcard pattern, may be empty
};
DialogPreset splitPreset(const std::string& presetFileName);

// The chosen file's name without its folder, as the file system spells it,
// or nothing when cancelled.
std::optional<std::string> showOpenFileDialog(const std::string& presetFileName);

}  // namespace qtui
