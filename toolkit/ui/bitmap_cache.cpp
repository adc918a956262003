#include "toolkit/ui/bitmap_cache.h"

#include "common/errors/failure_report.h"
#include "common/files/game_path.h"
#include "common/game/messages.h"

#include <sys/stat.h>

namespace tervok {
namespace {

bool sameTime(const std::timespec& a, const std::timespec& b)
{
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

}  // namespace

bool BitmapCache::Stamp::operator==(const Stamp& other) const
{
    return exists == other.exists && device == other.device && inode == other.inode && size == other.size &&
           sameTime(mtime, other.mtime) && sameTime(ctime, other.ctime);
}

BitmapCache::Stamp BitmapCache::stampOf(const std::filesystem::path& path)
{
    Stamp stamp;
    struct stat st {};
    if (::stat(path.empty() ? "." : path.c_str(), &st) == 0) {
        stamp.exists = true;
        stamp.device = static_cast<unsigned long long>(st.st_dev);
        stamp.inode = static_cast<unsigned long long>(st.st_ino);
        stamp.size = static_cast<long long>(st.st_size);
        stamp.mtime = st.st_mtim;
        stamp.ctime = st.st_ctim;
    }
    return stamp;
}

// Entries of a folder with news are checked again at their next lookup.
void BitmapCache::takeNews()
{
    watch_.collect([this](int handle) {
        for (auto& [path, entry] : entries_)
            if (handle < 0 || entry.folderWatch == handle)
                entry.trusted = false;
    });
}

// The folder is watched before the file is looked at, so a change made
// while the file is read is reported. A known entry is loaded again only
// when its path now leads to another file or the file has changed.
void BitmapCache::refresh(const std::string& gamePath, Entry& entry, bool known)
{
    std::filesystem::path native = nativePath(gamePath);
    entry.folderWatch = watch_.watch(native.parent_path());
    entry.folder = stampOf(native.parent_path());
    const Stamp file = stampOf(native);
    if (!known || native != entry.native || !(file == entry.file))
        entry.bitmap = file.exists ? load(gamePath, native, file) : nullptr;
    struct stat st {};
    entry.isLink = ::lstat(native.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
    entry.native = std::move(native);
    entry.file = file;
    entry.trusted = entry.folderWatch >= 0;
}

ui::BitmapRef BitmapCache::load(const std::string& gamePath, const std::filesystem::path& native, const Stamp& file)
{
    Result<ui::BitmapRef> bitmap = toolkit_.loadBitmap(native);
    if (bitmap)
        return std::move(*bitmap);
    if (notYetReported(file))
        reportFailure(toolkit_.programName(), gamePath, kCannotRead, bitmap.error());
    return nullptr;
}

// Whether this version of the file (its identity, size and times as the
// load saw them) is another than the one last reported for the file; it is
// then the one last reported.
bool BitmapCache::notYetReported(const Stamp& file)
{
    auto [last, inserted] = reported_.try_emplace({file.device, file.inode}, file);
    if (inserted)
        return true;
    if (last->second == file)
        return false;
    last->second = file;
    return true;
}

// A file that was missing stays missing until its folder changes; this
// keeps lookups of broken tiles in an unwatched folder free of directory
// scans.
bool BitmapCache::unchanged(const Entry& entry) const
{
    const Stamp file = stampOf(entry.native);
    if (file.exists)
        return file == entry.file;
    return !entry.file.exists && stampOf(entry.native.parent_path()) == entry.folder;
}

// News from the folder may concern another of its files, or change which
// file a case-insensitive path leads to: the path is looked up anew. A file
// in an unwatched folder, and a link (whose target's folder nobody
// watches), is compared with its copy instead.
bool BitmapCache::needsLookup(const Entry& entry) const
{
    if (!entry.trusted && entry.folderWatch >= 0)
        return true;
    if (!entry.trusted || entry.isLink)
        return !unchanged(entry);
    return false;
}

BitmapCache::Batch::Batch(BitmapCache& cache) : cache_(cache)
{
    if (cache_.batchDepth_++ == 0)
        cache_.takeNews();
}

BitmapCache::Batch::~Batch()
{
    --cache_.batchDepth_;
}

ui::BitmapRef BitmapCache::get(const std::string& gamePath)
{
    if (batchDepth_ == 0)
        takeNews();
    auto [it, inserted] = entries_.try_emplace(gamePath);
    Entry& entry = it->second;
    if (inserted)
        refresh(gamePath, entry, false);
    else if (needsLookup(entry))
        refresh(gamePath, entry, true);
    return entry.bitmap;
}

}  // namespace tervok
