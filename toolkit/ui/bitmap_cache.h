#pragma once
// Decoded tile bitmaps, kept between redraws. A copy is trusted until the
// folder it came from reports a change (folder_watch.h), so a redraw of
// unchanged bitmaps touches no file at all; after news from its folder, or
// for a file whose folder cannot be watched, a lookup compares the file's
// identity, size and times with the copy's and loads the file again when
// they differ. An edited, replaced or removed bitmap thus shows up at the
// next lookup. A bitmap that is a symbolic link is compared at every
// lookup, as its target may lie in a folder nobody watches. Game paths are
// taken relative to the working directory, which
// must not change while the cache is in use.
#include "toolkit/ui/folder_watch.h"
#include "toolkit/ui/toolkit.h"

#include <ctime>
#include <filesystem>
#include <string>
#include <unordered_map>

namespace tervok {

class BitmapCache {
public:
    explicit BitmapCache(ui::Toolkit& toolkit) : toolkit_(toolkit) {}

    // The bitmap at a game path ("ep\grass.bmp"), or null when it cannot be
    // loaded.
    ui::BitmapRef get(const std::string& gamePath);

    // Lookups made while a batch lives (a redraw of many cells) take the
    // folders' news once, when the outermost batch begins, instead of once
    // each: the batch sees the files as they were when it began.
    class Batch {
    public:
        explicit Batch(BitmapCache& cache);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        BitmapCache& cache_;
    };

private:
    struct Stamp {
        bool exists = false;
        unsigned long long inode = 0;
        long long size = 0;
        std::timespec mtime{};
        std::timespec ctime{};
        bool operator==(const Stamp& other) const;
    };
    struct Entry {
        std::filesystem::path native;
        int folderWatch = -1;
        bool trusted = false;  // nothing changed in the watched folder since the check
        bool isLink = false;   // the path names a symbolic link
        Stamp file;
        Stamp folder;
        ui::BitmapRef bitmap;
    };
    static Stamp stampOf(const std::filesystem::path& path);
    void takeNews();
    void refresh(const std::string& gamePath, Entry& entry, bool known);
    bool unchanged(const Entry& entry) const;
    bool needsLookup(const Entry& entry) const;

    ui::Toolkit& toolkit_;
    FolderWatch watch_;
    int batchDepth_ = 0;
    std::unordered_map<std::string, Entry> entries_;
};

}  // namespace tervok
