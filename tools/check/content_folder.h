#pragma once
// A game folder as the content check reads it: the entries of its folders
// and the bytes of its files, by paths relative to the game folder written
// with "/" and in the real case of every name. The check itself runs over
// this view, so that it can be tested and fuzzed on folders held in memory;
// the real file system is a thin view of its own.
#include "common/errors/result.h"

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace check {

enum class EntryKind { File, Folder, Other };

struct Entry {
    std::string name;  // as the file system spells it (UTF-8)
    EntryKind kind = EntryKind::File;
};

// A folder's entries, or why it has none.
struct FolderListing {
    std::vector<Entry> entries;            // sorted by name
    std::optional<tervok::Error> failure;  // the folder is missing, or could not be listed

    // The folder is there but may not be listed (a folder of mode 311 for
    // its user): its entries can only be asked for by name.
    bool unlistable() const;
};

class ContentFolder {
public:
    virtual ~ContentFolder() = default;

    // A folder's entries ("" is the game folder); each folder is listed once
    // and kept.
    const FolderListing& listing(const std::string& folder) const;
    const std::vector<Entry>& entries(const std::string& folder) const { return listing(folder).entries; }
    // The folders listed so far that are there but could not be listed, with
    // why, by path.
    std::vector<std::pair<std::string, tervok::Error>> unlistableFolders() const;

    // The bytes of a file, refused for anything but a regular file.
    virtual tervok::Result<std::string> read(const std::string& path) const = 0;

    // The real path of a game path ("map\MAP1.MAP" -> "map/map1.map"),
    // each name matched as the editors match it: exactly, or else
    // case-insensitively when exactly one entry fits. In a folder that
    // cannot be listed a name is asked for as the game spells it, then in
    // lower case. Fails as not found when a name is missing, or with why it
    // could not be asked for.
    tervok::Result<std::string> find(std::string_view gamePath) const;
    // The kind of the entry at a real path, from its folder's listing or,
    // in a folder that cannot be listed, asked of the entry itself.
    tervok::Result<EntryKind> kindOf(const std::string& path) const;

protected:
    virtual FolderListing list(const std::string& folder) const = 0;
    // The kind of an entry, asked of the entry itself rather than of its
    // folder's listing.
    virtual tervok::Result<EntryKind> kindOfEntry(const std::string& path) const = 0;
    void forgetListings() { listings_.clear(); }

private:
    tervok::Result<std::string> nameByAsking(const std::string& folder, const std::string& cp1252Name) const;

    mutable std::map<std::string, FolderListing> listings_;
};

// A game folder held in memory, for tests and the fuzz target.
class MemoryFolder : public ContentFolder {
public:
    // Adds a file and the folders that lead to it.
    void addFile(const std::string& path, std::string bytes);
    void addFolder(const std::string& path);
    // An entry that is neither file nor folder (a pipe, say).
    void addOther(const std::string& path);
    // A folder its user may search but not list (mode 311), or, when not
    // searchable, neither (mode 000).
    void forbidListing(const std::string& folder, bool searchable = true);

    tervok::Result<std::string> read(const std::string& path) const override;

protected:
    FolderListing list(const std::string& folder) const override;
    tervok::Result<EntryKind> kindOfEntry(const std::string& path) const override;

private:
    bool behindUnsearchable(const std::string& path) const;

    std::map<std::string, std::string> files_;
    std::set<std::string> folders_{""};
    std::set<std::string> others_;
    std::map<std::string, bool> unlistable_;  // folder -> searchable
};

// The game folder on disk.
class DiskFolder : public ContentFolder {
public:
    explicit DiskFolder(std::filesystem::path root) : root_(std::move(root)) {}

    tervok::Result<std::string> read(const std::string& path) const override;

protected:
    FolderListing list(const std::string& folder) const override;
    tervok::Result<EntryKind> kindOfEntry(const std::string& path) const override;

private:
    std::filesystem::path root_;
};

// "map/map1.map" from a folder and a name.
std::string joinPath(const std::string& folder, const std::string& name);

}  // namespace check
