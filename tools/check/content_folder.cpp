#include "content_folder.h"

#include "encoding/cp1252.h"
#include "files/file_io.h"
#include "files/game_path.h"

#include <algorithm>

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

EntryKind kindOnDisk(const fs::directory_entry& entry)
{
    std::error_code ec;
    if (entry.is_regular_file(ec))
        return EntryKind::File;
    if (entry.is_directory(ec))
        return EntryKind::Folder;
    return EntryKind::Other;
}

}  // namespace

std::string joinPath(const std::string& folder, const std::string& name)
{
    return folder.empty() ? name : folder + "/" + name;
}

std::optional<std::string> ContentFolder::find(std::string_view gamePath) const
{
    std::string path;
    for (const std::string& part : tervok::gamePathComponents(gamePath)) {
        const std::vector<Entry>& here = entries(path);
        const std::string exact = tervok::cp1252ToUtf8(part);
        const auto at = std::lower_bound(here.begin(), here.end(), exact,
                                         [](const Entry& entry, const std::string& name) { return entry.name < name; });
        const bool exists = at != here.end() && at->name == exact;
        std::optional<std::string> name = exact;
        if (!exists) {
            std::vector<std::string> names;
            for (const Entry& entry : here)
                names.push_back(entry.name);
            name = tervok::matchNameIgnoringCase(names, part);
        }
        if (!name)
            return std::nullopt;
        path = joinPath(path, *name);
    }
    return path;
}

std::optional<EntryKind> ContentFolder::kindOf(const std::string& path) const
{
    const std::string name = nameOf(path);
    const std::vector<Entry>& here = entries(parentOf(path));
    const auto at = std::lower_bound(here.begin(), here.end(), name,
                                     [](const Entry& entry, const std::string& wanted) { return entry.name < wanted; });
    if (at != here.end() && at->name == name)
        return at->kind;
    return std::nullopt;
}

void MemoryFolder::addFolder(const std::string& path)
{
    listings_.clear();
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

const std::vector<Entry>& MemoryFolder::entries(const std::string& folder) const
{
    if (const auto known = listings_.find(folder); known != listings_.end())
        return known->second;
    std::vector<Entry> found;
    const auto add = [&](const std::string& path, EntryKind kind) {
        if (!path.empty() && parentOf(path) == folder)
            found.push_back({nameOf(path), kind});
    };
    for (const auto& [path, bytes] : files_)
        add(path, EntryKind::File);
    for (const std::string& path : folders_)
        add(path, EntryKind::Folder);
    for (const std::string& path : others_)
        add(path, EntryKind::Other);
    std::sort(found.begin(), found.end(), [](const Entry& a, const Entry& b) { return a.name < b.name; });
    return listings_.emplace(folder, std::move(found)).first->second;
}

tervok::Result<std::string> MemoryFolder::read(const std::string& path) const
{
    if (const auto file = files_.find(path); file != files_.end())
        return file->second;
    if (folders_.count(path) || others_.count(path))
        return tervok::errorOf(tervok::ErrorKind::NotRegularFile);
    return tervok::errorOf(tervok::ErrorKind::NotFound);
}

const std::vector<Entry>& DiskFolder::entries(const std::string& folder) const
{
    const auto known = listings_.find(folder);
    if (known != listings_.end())
        return known->second;
    std::vector<Entry> found;
    std::error_code ec;
    for (fs::directory_iterator it(root_ / folder, ec), end; !ec && it != end; it.increment(ec))
        found.push_back({it->path().filename().string(), kindOnDisk(*it)});
    std::sort(found.begin(), found.end(), [](const Entry& a, const Entry& b) { return a.name < b.name; });
    return listings_.emplace(folder, std::move(found)).first->second;
}

tervok::Result<std::string> DiskFolder::read(const std::string& path) const
{
    return tervok::readWholeFile(root_ / path);
}

}  // namespace check
