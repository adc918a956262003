#include "toolkit/bitmap_cache.h"

#include "files/game_path.h"

#include <sys/stat.h>

namespace tervok {

bool BitmapCache::Stamp::operator==(const Stamp& other) const
{
    return exists == other.exists && size == other.size && mtime.tv_sec == other.mtime.tv_sec &&
           mtime.tv_nsec == other.mtime.tv_nsec;
}

BitmapCache::Stamp BitmapCache::stampOf(const std::filesystem::path& path)
{
    Stamp stamp;
    struct stat st {};
    if (::stat(path.empty() ? "." : path.c_str(), &st) == 0) {
        stamp.exists = true;
        stamp.size = static_cast<long long>(st.st_size);
        stamp.mtime = st.st_mtim;
    }
    return stamp;
}

void BitmapCache::refresh(const std::string& gamePath, Entry& entry)
{
    entry.native = nativePath(gamePath);
    entry.file = stampOf(entry.native);
    entry.folder = stampOf(entry.native.parent_path());
    entry.bitmap = entry.file.exists ? toolkit_.loadBitmap(entry.native) : nullptr;
}

ui::BitmapRef BitmapCache::get(const std::string& gamePath)
{
    auto [it, inserted] = entries_.try_emplace(gamePath);
    Entry& entry = it->second;
    if (inserted) {
        refresh(gamePath, entry);
        return entry.bitmap;
    }
    const Stamp file = stampOf(entry.native);
    if (file.exists && file == entry.file)
        return entry.bitmap;
    // A file that was missing stays missing until its folder changes; this
    // keeps redraws of unnamed or broken tiles free of directory scans.
    if (!file.exists && !entry.file.exists && stampOf(entry.native.parent_path()) == entry.folder)
        return nullptr;
    refresh(gamePath, entry);
    return entry.bitmap;
}

}  // namespace tervok
