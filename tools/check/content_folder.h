#pragma once
// A game folder as the content check reads it: the entries of its folders
// and the bytes of its files, by paths relative to the game folder written
// with "/" and in the real case of every name. The check itself runs over
// this view, so that it can be tested and fuzzed on folders held in memory;
// the real file system is a thin view of its own.
#include "errors/result.h"

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace check {

enum class EntryKind { File, Folder, Other };

struct Entry {
    std::string name;  // as the file system spells it (UTF-8)
    EntryKind kind = EntryKind::File;
};

class ContentFolder {
public:
    virtual ~ContentFolder() = default;

    // The entries of a folder ("" is the game folder), sorted by name; empty
    // for a folder that is missing.
    virtual const std::vector<Entry>& entries(const std::string& folder) const = 0;
    // The bytes of a file, refused for anything but a regular file.
    virtual tervok::Result<std::string> read(const std::string& path) const = 0;

    // The real path of a game path ("map\MAP1.MAP" -> "map/map1.map"),
    // each name matched as the editors match it: exactly, or else
    // case-insensitively when exactly one entry fits. Nothing when a name
    // is missing.
    std::optional<std::string> find(std::string_view gamePath) const;
    // The kind of the entry at a real path; nothing when there is none.
    std::optional<EntryKind> kindOf(const std::string& path) const;
};

// A game folder held in memory, for tests and the fuzz target.
class MemoryFolder : public ContentFolder {
public:
    // Adds a file and the folders that lead to it.
    void addFile(const std::string& path, std::string bytes);
    void addFolder(const std::string& path);
    // An entry that is neither file nor folder (a pipe, say).
    void addOther(const std::string& path);

    const std::vector<Entry>& entries(const std::string& folder) const override;
    tervok::Result<std::string> read(const std::string& path) const override;

private:
    std::map<std::string, std::string> files_;
    std::set<std::string> folders_{""};
    std::set<std::string> others_;
    mutable std::map<std::string, std::vector<Entry>> listings_;  // cleared by every add
};

// The game folder on disk. Each folder is listed once and kept.
class DiskFolder : public ContentFolder {
public:
    explicit DiskFolder(std::filesystem::path root) : root_(std::move(root)) {}

    const std::vector<Entry>& entries(const std::string& folder) const override;
    tervok::Result<std::string> read(const std::string& path) const override;

private:
    std::filesystem::path root_;
    mutable std::map<std::string, std::vector<Entry>> listings_;
};

// "map/map1.map" from a folder and a name.
std::string joinPath(const std::string& folder, const std::string& name);

}  // namespace check
