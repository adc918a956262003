#include "tools/check/content_folder.h"

#include "common/encoding/cp1252.h"
#include "common/files/file_io.h"
#include "common/files/game_path.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

namespace check {
namespace fs = std::filesystem;
namespace {

std::string parentOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string nameOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

const Entry* entryNamed(const std::vector<Entry>& entries, const std::string& name)
{
    const auto at = std::lower_bound(entries.begin(), entries.end(), name,
                                     [](const Entry& entry, const std::string& wanted) { return entry.name < wanted; });
    return at != entries.end() && at->name == name ? &*at : nullptr;
}

void sortByName(std::vector<Entry>& entries)
{
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.name < b.name; });
}

tervok::Error notFound()
{
    return tervok::errorOf(tervok::ErrorKind::NotFound, ENOENT);
}

tervok::Error permissionDenied()
{
    return tervok::errorOf(tervok::ErrorKind::PermissionDenied, EACCES);
}

EntryKind kindOnDisk(const fs::directory_entry& entry)
{
    std::error_code ec;
    if (entry.is_regular_file(ec))
        return EntryKind::File;
    if (entry.is_directory(ec))
        return EntryKind::Folder;
    return EntryKind::Other;
}

// A name as the game spells it (Windows-1252) that may not be asked for
// outside a listing: it would leave its folder, or is no name at all.
bool leavesItsFolder(const std::string& name)
{
    return name == "." || name == ".." || name.find('/') != std::string::npos ||
           name.find('\0') != std::string::npos;
}

std::string lowerCase(std::string cp1252Name)
{
    for (char& c : cp1252Name)
        c = static_cast<char>(tervok::foldCaseCp1252(static_cast<unsigned char>(c)));
    return cp1252Name;
}

}  // namespace

std::string joinPath(const std::string& folder, const std::string& name)
{
    return folder.empty() ? name : folder + "/" + name;
}

bool FolderListing::unlistable() const
{
    return failure && failure->kind != tervok::ErrorKind::NotFound &&
           failure->kind != tervok::ErrorKind::FolderMissing;
}

const FolderListing& ContentFolder::listing(const std::string& folder) const
{
    if (const auto known = listings_.find(folder); known != listings_.end())
        return known->second;
    return listings_.emplace(folder, list(folder)).first->second;
}

std::vector<std::pair<std::string, tervok::Error>> ContentFolder::unlistableFolders() const
{
    std::vector<std::pair<std::string, tervok::Error>> folders;
    for (const auto& [folder, listed] : listings_)
        if (listed.unlistable())
            folders.emplace_back(folder, *listed.failure);
    return folders;
}

// Matching in any case needs the listing: without it, the spelling of the
// game's own path comes first, then the same in lower case.
tervok::Result<std::string> ContentFolder::nameByAsking(const std::string& folder, const std::string& cp1252Name) const
{
    if (leavesItsFolder(cp1252Name))
        return notFound();
    tervok::Error why = notFound();
    for (const std::string& spelling : {cp1252Name, lowerCase(cp1252Name)}) {
        const std::string name = tervok::cp1252ToUtf8(spelling);
        const tervok::Result<EntryKind> asked = kindOfEntry(joinPath(folder, name));
        if (asked)
            return name;
        why = asked.error();
        if (why.kind != tervok::ErrorKind::NotFound)
            break;
    }
    return why;
}

tervok::Result<std::string> ContentFolder::find(std::string_view gamePath) const
{
    std::string path;
    for (const std::string& part : tervok::gamePathComponents(gamePath)) {
        const FolderListing& here = listing(path);
        if (here.unlistable()) {
            const std::string name = TRY(nameByAsking(path, part));
            path = joinPath(path, name);
            continue;
        }
        std::optional<std::string> name = tervok::cp1252ToUtf8(part);
        if (!entryNamed(here.entries, *name)) {
            std::vector<std::string> names;
            for (const Entry& entry : here.entries)
                names.push_back(entry.name);
            name = tervok::matchNameIgnoringCase(names, part);
        }
        if (!name)
            return notFound();
        path = joinPath(path, *name);
    }
    return path;
}

tervok::Result<EntryKind> ContentFolder::kindOf(const std::string& path) const
{
    const FolderListing& here = listing(parentOf(path));
    if (here.unlistable())
        return kindOfEntry(path);
    if (const Entry* entry = entryNamed(here.entries, nameOf(path)))
        return entry->kind;
    return notFound();
}

void MemoryFolder::addFolder(const std::string& path)
{
    forgetListings();
    for (std::string folder = path; !folder.empty(); folder = parentOf(folder))
        folders_.insert(folder);
}

void MemoryFolder::addFile(const std::string& path, std::string bytes)
{
    addFolder(parentOf(path));
    files_[path] = std::move(bytes);
}

void MemoryFolder::addOther(const std::string& path)
{
    addFolder(parentOf(path));
    others_.insert(path);
}

void MemoryFolder::forbidListing(const std::string& folder, bool searchable)
{
    addFolder(folder);
    unlistable_[folder] = searchable;
}

bool MemoryFolder::behindUnsearchable(const std::string& path) const
{
    for (std::string folder = path; !folder.empty();) {
        folder = parentOf(folder);
        const auto locked = unlistable_.find(folder);
        if (locked != unlistable_.end() && !locked->second)
            return true;
    }
    return false;
}

FolderListing MemoryFolder::list(const std::string& folder) const
{
    FolderListing listed;
    if (unlistable_.count(folder) || behindUnsearchable(folder)) {
        listed.failure = permissionDenied();
    } else if (!folders_.count(folder)) {
        const bool isFile = files_.count(folder) || others_.count(folder);
        listed.failure = isFile ? tervok::errorOf(tervok::ErrorKind::FolderMissing, ENOTDIR) : notFound();
    } else {
        const auto add = [&](const std::string& path, EntryKind kind) {
            if (!path.empty() && parentOf(path) == folder)
                listed.entries.push_back({nameOf(path), kind});
        };
        for (const auto& [path, bytes] : files_)
            add(path, EntryKind::File);
        for (const std::string& path : folders_)
            add(path, EntryKind::Folder);
        for (const std::string& path : others_)
            add(path, EntryKind::Other);
        sortByName(listed.entries);
    }
    return listed;
}

tervok::Result<EntryKind> MemoryFolder::kindOfEntry(const std::string& path) const
{
    if (behindUnsearchable(path))
        return permissionDenied();
    if (files_.count(path))
        return EntryKind::File;
    if (folders_.count(path))
        return EntryKind::Folder;
    if (others_.count(path))
        return EntryKind::Other;
    return notFound();
}

tervok::Result<std::string> MemoryFolder::read(const std::string& path) const
{
    if (behindUnsearchable(path))
        return permissionDenied();
    if (const auto file = files_.find(path); file != files_.end())
        return file->second;
    if (folders_.count(path) || others_.count(path))
        return tervok::errorOf(tervok::ErrorKind::NotRegularFile);
    return notFound();
}

FolderListing DiskFolder::list(const std::string& folder) const
{
    FolderListing listed;
    std::error_code ec;
    fs::directory_iterator it(root_ / folder, ec);
    if (ec) {
        listed.failure = tervok::pathError(root_ / folder, ec.value());
        return listed;
    }
    for (const fs::directory_iterator end; !ec && it != end; it.increment(ec))
        listed.entries.push_back({it->path().filename().string(), kindOnDisk(*it)});
    sortByName(listed.entries);
    return listed;
}

// A link counts as an entry of its own, as in a listing; its kind is what
// it leads to, and a link that leads nowhere is neither file nor folder.
tervok::Result<EntryKind> DiskFolder::kindOfEntry(const std::string& path) const
{
    const fs::path full = root_ / path;
    struct stat st {};
    if (::lstat(full.c_str(), &st) != 0)
        return tervok::pathError(full, errno);
    if (::stat(full.c_str(), &st) != 0)
        return EntryKind::Other;
    return S_ISREG(st.st_mode) ? EntryKind::File : S_ISDIR(st.st_mode) ? EntryKind::Folder : EntryKind::Other;
}

tervok::Result<std::string> DiskFolder::read(const std::string& path) const
{
    return tervok::readWholeFile(root_ / path);
}

}  // namespace check
