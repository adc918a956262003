#include "common/files/file_io.h"

#include "common/files/file_descriptor.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>
#include <random>

namespace tervok {
namespace fs = std::filesystem;
namespace {

constexpr int kTempNameAttempts = 100;

// What an existing target is, so that the new file can take it over.
struct TargetFile {
    bool exists = false;
    mode_t mode = 0;
    uid_t owner = 0;
    gid_t group = 0;
};

Status writeAllAt(int fd, std::string_view bytes)
{
    off_t at = 0;
    while (!bytes.empty()) {
        const ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), at);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return systemError(errno, "write");
        if (n == 0)
            return systemError(EIO, "write");
        bytes.remove_prefix(static_cast<std::size_t>(n));
        at += n;
    }
    return {};
}

Result<std::string> readAll(int fd)
{
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return systemError(errno, "read");
        if (n == 0)
            return bytes;
        if (bytes.size() + static_cast<std::size_t>(n) > kMaxReadBytes)
            return errorOf(ErrorKind::TooLarge);
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
}

bool hasNoWriteBit(mode_t mode)
{
    return (mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

fs::path folderOf(const fs::path& target)
{
    const fs::path parent = target.parent_path();
    return parent.empty() ? fs::path(".") : parent;
}

// Whether the first part of path that exists (path itself, or else the
// nearest folder above it) is a symbolic link whose target is missing.
bool leadsThroughDanglingLink(const fs::path& path)
{
    for (fs::path part = path; !part.empty(); part = part.parent_path()) {
        struct stat st {};
        if (::lstat(part.c_str(), &st) == 0)
            return S_ISLNK(st.st_mode) && ::stat(part.c_str(), &st) != 0;
        if (part == part.parent_path())
            break;
    }
    return false;
}

// The file a save at target means: a symbolic link is followed to the end
// of its chain; anything else, a missing file included, is itself.
Result<fs::path> realTarget(const fs::path& target)
{
    struct stat st {};
    if (::lstat(target.c_str(), &st) != 0)
        return errno == ENOENT ? Result<fs::path>(target) : Result<fs::path>(pathError(target, errno));
    if (!S_ISLNK(st.st_mode))
        return target;
    std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(target.c_str(), nullptr), &std::free);
    if (!resolved)
        return pathError(target, errno);
    return fs::path(resolved.get());
}

Status checkFolder(const fs::path& folder)
{
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0)
        return errorOf(ErrorKind::FolderMissing, errno);
    if (!S_ISDIR(st.st_mode))
        return errorOf(ErrorKind::FolderMissing, ENOTDIR);
    return {};
}

// Whether the user who runs the program may write the target, judged by the
// system (access() uses the real user), and refused for a file without any
// write bit even where the system would let root write it.
Result<TargetFile> inspectTarget(const fs::path& target)
{
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0)
        return errno == ENOENT ? Result<TargetFile>(TargetFile{}) : Result<TargetFile>(systemError(errno));
    if (!S_ISREG(st.st_mode))
        return errorOf(ErrorKind::NotRegularFile);
    if (hasNoWriteBit(st.st_mode))
        return errorOf(ErrorKind::ReadOnly);
    if (::access(target.c_str(), W_OK) != 0)
        return systemError(errno);
    return TargetFile{true, static_cast<mode_t>(st.st_mode & 07777), st.st_uid, st.st_gid};
}

std::string tempName()
{
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string name(kTempFilePrefix);
    for (int i = 0; i < 6; ++i)
        name += kLetters[pick(random)];
    return name;
}

struct TempFile {
    fs::path path;
    FileDescriptor fd;
};

// A new file carries the permissions the umask allows (the system applies
// it); one that replaces a file starts private and takes the old mode later.
Result<TempFile> createTempBeside(const fs::path& folder, bool replacing)
{
    const mode_t mode = replacing ? 0600 : 0666;
    for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
        fs::path path = folder / tempName();
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
        if (fd >= 0)
            return TempFile{std::move(path), FileDescriptor(fd)};
        if (errno != EEXIST)
            return systemError(errno, "create temporary file");
    }
    return systemError(EEXIST, "create temporary file");
}

// The owner and group go back where the system lets us (root, or a file of
// our own whose group we belong to); a user who may write another user's
// file but cannot give it away makes it his own, as any editor does.
void takeOverOwnership(int fd, const TargetFile& old)
{
    if (::fchown(fd, old.owner, old.group) != 0)
        static_cast<void>(::fchown(fd, static_cast<uid_t>(-1), old.group));
}

// Flushes the folder so that the rename itself survives a crash. Best
// effort: the file is in place already, and some file systems cannot.
void syncFolder(const fs::path& folder)
{
    const FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0)
        static_cast<void>(::fsync(fd.get()));
}

Status fillTemp(TempFile& temp, std::string_view bytes, const TargetFile& old)
{
    TRY(writeAllAt(temp.fd.get(), bytes));
    if (old.exists) {
        takeOverOwnership(temp.fd.get(), old);
        if (::fchmod(temp.fd.get(), old.mode) != 0)
            return systemError(errno, "set permissions");
    }
    if (::fsync(temp.fd.get()) != 0)
        return systemError(errno, "flush");
    if (!temp.fd.close())
        return systemError(errno, "close");
    return {};
}

Status replaceThroughTemp(TempFile temp, const fs::path& target, std::string_view bytes, const TargetFile& old)
{
    Status status = fillTemp(temp, bytes, old);
    if (status && ::rename(temp.path.c_str(), target.c_str()) != 0)
        status = systemError(errno, "rename");
    if (!status) {
        ::unlink(temp.path.c_str());
        return status;
    }
    syncFolder(folderOf(target));
    return {};
}

Status overwrite(int fd, std::string_view bytes)
{
    TRY(writeAllAt(fd, bytes));
    if (::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0)
        return systemError(errno, "truncate");
    if (::fsync(fd) != 0)
        return systemError(errno, "flush");
    return {};
}

// The fallback for a file the user may write in a folder he may not: no
// temporary file can be made, so the file is rewritten where it stands.
// This gives up the safety of the rename (a crash midway leaves a mix of
// both contents), so the old bytes are read first and put back when the
// write fails. Safety where the folder allows it, saving where only the
// file allows it.
Status writeInPlace(const fs::path& target, std::string_view bytes)
{
    FileDescriptor fd(::open(target.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW));
    if (fd.get() < 0)
        return systemError(errno, "open");
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return errorOf(ErrorKind::NotRegularFile);
    const std::string old = TRY(readAll(fd.get()));
    Status status = overwrite(fd.get(), bytes);
    // Putting the old bytes back is all that can be done; should that fail
    // too, the first failure is still the one to report.
    if (!status)
        static_cast<void>(overwrite(fd.get(), old));
    if (!fd.close() && status)
        return systemError(errno, "close");
    return status;
}

bool folderRefusesNewFiles(const Error& error)
{
    return error.errnum == EACCES || error.errnum == EPERM;
}

}  // namespace

Error pathError(const fs::path& path, int errnum, std::string step)
{
    Error error = systemError(errnum, std::move(step));
    if (errnum == ENOENT && leadsThroughDanglingLink(path))
        error.kind = ErrorKind::BrokenLink;
    return error;
}

Result<std::string> readWholeFile(const fs::path& path)
{
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd.get() < 0)
        return pathError(path, errno);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        return systemError(errno, "stat");
    if (!S_ISREG(st.st_mode))
        return errorOf(ErrorKind::NotRegularFile);
    return readAll(fd.get());
}

// A hard-linked target is replaced like any other file: its other names
// keep the old content. Writing through all names would give up the safe
// replacement, and hard links in a data folder are most often a backup
// made by linking (cp -al), which must keep the old state.
Status replaceFile(const fs::path& target, std::string_view bytes)
{
    const fs::path real = TRY(realTarget(target));
    const fs::path folder = folderOf(real);
    TRY(checkFolder(folder));
    const TargetFile old = TRY(inspectTarget(real));
    Result<TempFile> temp = createTempBeside(folder, old.exists);
    if (!temp) {
        if (old.exists && folderRefusesNewFiles(temp.error()))
            return writeInPlace(real, bytes);
        return temp.error();
    }
    return replaceThroughTemp(std::move(*temp), real, bytes, old);
}

Status touchFile(const fs::path& linkOrFile)
{
    const fs::path target = TRY(realTarget(linkOrFile));
    const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
    FileDescriptor fd(::open(target.c_str(), flags, 0666));
    struct stat st {};
    if (fd.get() >= 0) {
        if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
            return errorOf(ErrorKind::NotRegularFile);
        if (!fd.close())
            return systemError(errno, "close");
        return {};
    }
    Error error = pathError(target, errno);
    if (error.kind == ErrorKind::NotFound)
        error.kind = ErrorKind::FolderMissing;  // O_CREAT makes the file wherever its folder exists
    // An existing file that may not be written still counts as there: "new"
    // writes nothing into it.
    if (::stat(target.c_str(), &st) == 0)
        return S_ISREG(st.st_mode) ? Status() : Status(errorOf(ErrorKind::NotRegularFile));
    return error;
}

}  // namespace tervok
