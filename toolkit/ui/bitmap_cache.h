#pragma once
// Decoded tile bitmaps, kept between redraws. A copy is trusted until the
// folder it came from reports a change (folder_watch.h), so a redraw of
// unchanged bitmaps touches no file at all; after news from its folder, or
// for a file whose folder cannot be watched, a lookup compares the file's
// identity, size and times with the copy's and loads the file again when
// they differ. An edited, replaced or removed bitmap thus shows up at the
// next lookup. A bitmap that is a symbolic link is compared at every
// lookup, as its target may lie in a folder nobody watches. Game paths are
// taken relative to the working directory, which must not change while the
// cache is in use.
//
// A file that is there but cannot be read or decoded shows nothing, and its
// reason goes to standard error ("terraloom: ep\grass.bmp: cannot read:
// pixel data cut short") once for each version of the file: redraws reuse
// the copy, a load follows only a change, and the version last reported of
// each file is remembered, so a second game path leading to the same file
// says nothing more, while a file mended and damaged again is reported
// again. A missing file is no failure here: its cells show nothing, as they
// always did, and tervok-check reports it.
#include "toolkit/ui/folder_watch.h"
#include "toolkit/ui/toolkit.h"

#include <ctime>
#include <filesystem>
#include <map>
#include <string>
#include <unordered_map>
#include <utility>

namespace tervok {

class BitmapCache {
public:
    explicit BitmapCache(ui::Toolkit& toolkit) : toolkit_(toolkit) {}

    // The bitmap at a game path ("ep\grass.bmp"), or null when it is missing
    // or cannot be loaded.
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
        unsigned long long device = 0;
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
    ui::BitmapRef load(const std::string& gamePath, const std::filesystem::path& native, const Stamp& file);
    bool notYetReported(const Stamp& file);
    bool unchanged(const Entry& entry) const;
    bool needsLookup(const Entry& entry) const;

    ui::Toolkit& toolkit_;
    FolderWatch watch_;
    int batchDepth_ = 0;
    std::unordered_map<std::string, Entry> entries_;
    std::map<std::pair<unsigned long long, unsigned long long>, Stamp> reported_;  // by device and inode
};

}  // namespace tervok
