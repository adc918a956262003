#pragma once
// Change notices for folders: which watched folders had an entry created,
// written, renamed, removed or had its attributes changed since the last
// look. Looking costs one system call and no path lookups, so a cache can
// trust its copies of files until their folder reports news.
#include <filesystem>
#include <functional>

namespace tervok {

class FolderWatch {
public:
    FolderWatch();
    ~FolderWatch();
    FolderWatch(const FolderWatch&) = delete;
    FolderWatch& operator=(const FolderWatch&) = delete;

    // A handle for the folder ("" is the working directory), the same for
    // the same folder; -1 when it cannot be watched (it is missing, or the
    // system gives no notices).
    int watch(const std::filesystem::path& folder);

    // Calls changed(handle) for every watched folder with news since the
    // last call, and changed(-1) when news were lost: then every folder
    // counts as changed. A folder removed or renamed reports news once and
    // is no longer watched under its handle.
    void collect(const std::function<void(int handle)>& changed);

private:
    int fd_ = -1;
};

}  // namespace tervok
