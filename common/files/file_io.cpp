#include "files/file_io.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace tervok {
namespace fs = std::filesystem;
namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Permission bits for a new file: what the umask allows of rw-rw-rw-.
mode_t defaultMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool isReadOnly(const struct stat& st)
{
    // Judged by the permission bits, so that a read-only file is refused even
    // for a user (such as root) whom the system would let write it.
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

fs::path folderOf(const fs::path& target)
{
    const fs::path parent = target.parent_path();
    return parent.empty() ? fs::path(".") : parent;
}

}  // namespace

std::optional<std::string> readWholeFile(const fs::path& path)
{
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0)
        return std::nullopt;
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        if (bytes.size() + static_cast<std::size_t>(n) > kMaxReadBytes)
            return std::nullopt;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return bytes;
}

bool replaceFile(const fs::path& target, std::string_view bytes)
{
    const fs::path folder = folderOf(target);
    struct stat folderStat {};
    if (::stat(folder.c_str(), &folderStat) != 0 || !S_ISDIR(folderStat.st_mode))
        return false;

    mode_t mode = defaultMode();
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode) || isReadOnly(st))
            return false;
        mode = st.st_mode & 07777;
    }

    std::string tempName = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    FileDescriptor fd(::mkstemp(tempName.data()));
    if (fd.get() < 0)
        return false;
    const bool written = writeAll(fd.get(), bytes) && ::fchmod(fd.get(), mode) == 0 &&
                         ::fsync(fd.get()) == 0;
    const bool closed = fd.close();
    if (!written || !closed || ::rename(tempName.c_str(), target.c_str()) != 0) {
        ::unlink(tempName.c_str());
        return false;
    }
    return true;
}

bool touchFile(const fs::path& target)
{
    FileDescriptor fd(::open(target.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NONBLOCK, defaultMode()));
    if (fd.get() >= 0)
        return fd.close();
    // An existing read-only file is still "opened" for the purpose of "new":
    // nothing is written to it.
    struct stat st {};
    return ::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace tervok
