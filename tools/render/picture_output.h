#pragma once
// Writing the finished picture: encoded as PNG in memory, then put in place.
// A regular file, or a new one, gets the safe replacement every data file
// gets, so that a failed write leaves no half-written picture and says why
// it failed. Anything else (/dev/null, a pipe, a terminal, /dev/stdout and
// what it leads to) is written where it is: it cannot be replaced.
#include "common/errors/result.h"

#include <QByteArray>
#include <QImage>

#include <sys/types.h>

#include <filesystem>
#include <optional>

namespace render {

tervok::Result<QByteArray> pngBytes(const QImage& picture);

// A file as the system knows it, whatever the names and links that lead to
// it: two names are the same file when they give the same identity.
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

tervok::Status writePicture(const QImage& picture, const std::filesystem::path& file);

}  // namespace render
