#include "common/files/file_identity.h"

#include <sys/stat.h>

namespace tervok {
namespace {

FileIdentity identityFrom(const struct stat& st)
{
    return FileIdentity{st.st_dev, st.st_ino, S_ISREG(st.st_mode)};
}

}  // namespace

std::optional<FileIdentity> identityOf(const std::filesystem::path& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    return identityFrom(st);
}

std::optional<FileIdentity> identityOf(int fd)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return std::nullopt;
    return identityFrom(st);
}

}  // namespace tervok
