#pragma once
// A file as the system knows it, whatever the names and links that lead to
// it: two names are the same file when they give the same identity. The
// tools compare an output with every file a run reads by it, as cp does, so
// that no output ever replaces its own input.
#include <sys/types.h>

#include <filesystem>
#include <optional>

namespace tervok {

struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    bool regular = false;

    bool operator==(const FileIdentity& other) const { return device == other.device && inode == other.inode; }
};

// The file at path, symbolic links followed; nothing when there is none.
std::optional<FileIdentity> identityOf(const std::filesystem::path& path);
// The file behind an open descriptor.
std::optional<FileIdentity> identityOf(int fd);

}  // namespace tervok
