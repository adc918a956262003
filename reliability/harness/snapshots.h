#pragma once
// What a user can see of an editor and of its data folder, as plain lines,
// so that "nothing changed" is one comparison that prints what did.
#include "toolkit/headless/headless_toolkit.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace reliability {

// One line per visible value of every control of the window: texts,
// captions, check and option states, list rows and selection, slider
// values, and for picture boxes the bitmap shown and how often they were
// drawn into.
std::vector<std::string> snapshotWindow(const headless::HeadlessWindow& window);

// Every entry below root (relative path -> permission bits, owner and
// bytes; a folder shows as "<folder>", a link as where it leads).
using FolderTree = std::map<std::string, std::string>;
FolderTree snapshotTree(const std::filesystem::path& root);

}  // namespace reliability
