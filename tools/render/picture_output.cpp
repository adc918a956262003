#include "tools/render/picture_output.h"

#include "common/files/file_descriptor.h"
#include "common/files/file_io.h"

#include <QBuffer>
#include <QImageWriter>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

namespace render {
namespace {

// write(), not pwrite(): a pipe or a terminal has no positions.
tervok::Status writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return tervok::systemError(errno, "write");
        if (n == 0)
            return tervok::systemError(EIO, "write");
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return {};
}

// A device, pipe or terminal is opened as it is, without being created or
// cut; one that has become a regular file since it was looked at gets the
// safe replacement after all.
tervok::Status writeInPlace(const std::filesystem::path& file, std::string_view bytes)
{
    tervok::FileDescriptor fd(::open(file.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0)
        return tervok::systemError(errno);
    struct stat st {};
    if (::fstat(fd.get(), &st) == 0 && S_ISREG(st.st_mode)) {
        fd.close();
        return tervok::replaceFile(file, bytes);
    }
    TRY(writeAll(fd.get(), bytes));
    if (!fd.close())
        return tervok::systemError(errno, "close");
    return {};
}

}  // namespace

tervok::Result<QByteArray> pngBytes(const QImage& picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(picture)) {
        tervok::Error error = tervok::errorOf(tervok::ErrorKind::Io);
        error.detail = "PNG encoding";
        return error;
    }
    return bytes;
}

tervok::Status writePicture(const QImage& picture, const std::filesystem::path& file)
{
    const QByteArray bytes = TRY(pngBytes(picture));
    const std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    const std::optional<tervok::FileIdentity> found = tervok::identityOf(file);
    if (found && !found->regular)
        return writeInPlace(file, view);
    return tervok::replaceFile(file, view);
}

}  // namespace render
