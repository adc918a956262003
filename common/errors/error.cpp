#include "common/errors/error.h"

#include <cctype>
#include <cerrno>
#include <cstring>

namespace tervok {
namespace {

// strerror's text starting in lower case, to sit inside a sentence.
std::string systemText(int errnum)
{
    std::string text = std::strerror(errnum);
    if (!text.empty())
        text.front() = static_cast<char>(std::tolower(static_cast<unsigned char>(text.front())));
    return text;
}

ErrorKind kindOfErrno(int errnum)
{
    switch (errnum) {
    case ENOENT:
        return ErrorKind::NotFound;
    case ENOTDIR:
        return ErrorKind::FolderMissing;
    case EACCES:
    case EPERM:
        return ErrorKind::PermissionDenied;
    case ELOOP:
        return ErrorKind::BrokenLink;
    case EISDIR:
    case ENXIO:
    case ENODEV:
        return ErrorKind::NotRegularFile;
    case EFBIG:
        return ErrorKind::TooLarge;
    default:
        return ErrorKind::Io;
    }
}

std::string kindText(const Error& error)
{
    switch (error.kind) {
    case ErrorKind::NotFound:
        return "no such file";
    case ErrorKind::FolderMissing:
        return "no such folder";
    case ErrorKind::NotRegularFile:
        return "not a regular file";
    case ErrorKind::PermissionDenied:
        return "permission denied";
    case ErrorKind::ReadOnly:
        return "the file is read-only";
    case ErrorKind::TooLarge:
        return "file too large";
    case ErrorKind::BrokenLink:
        return error.errnum == ELOOP ? "symbolic links in a circle" : "broken symbolic link";
    case ErrorKind::Io:
        return error.errnum != 0 ? systemText(error.errnum) : "input/output error";
    case ErrorKind::Format:
        return "not a valid file";
    }
    return "unknown error";
}

}  // namespace

const char* kindName(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::NotFound:
        return "not-found";
    case ErrorKind::FolderMissing:
        return "folder-missing";
    case ErrorKind::NotRegularFile:
        return "not-regular-file";
    case ErrorKind::PermissionDenied:
        return "permission-denied";
    case ErrorKind::ReadOnly:
        return "read-only";
    case ErrorKind::TooLarge:
        return "too-large";
    case ErrorKind::BrokenLink:
        return "broken-link";
    case ErrorKind::Io:
        return "io";
    case ErrorKind::Format:
        return "format";
    }
    return "unknown";
}

std::string Error::describe() const
{
    if (kind == ErrorKind::Format) {
        std::string text;
        if (line)
            text = "line " + std::to_string(*line) + ": ";
        else if (offset)
            text = "byte " + std::to_string(*offset) + ": ";
        return text + (detail.empty() ? kindText(*this) : detail);
    }
    if (kind == ErrorKind::Io && !detail.empty())
        return detail + " failed: " + kindText(*this);
    return kindText(*this);
}

Error errorOf(ErrorKind kind, int errnum)
{
    Error error;
    error.kind = kind;
    error.errnum = errnum;
    return error;
}

Error systemError(int errnum, std::string step)
{
    Error error;
    error.kind = kindOfErrno(errnum);
    error.errnum = errnum;
    error.detail = std::move(step);
    return error;
}

Error formatError(std::string detail)
{
    Error error;
    error.kind = ErrorKind::Format;
    error.detail = std::move(detail);
    return error;
}

Error formatErrorAtLine(std::size_t line, std::string detail)
{
    Error error = formatError(std::move(detail));
    error.line = line;
    return error;
}

Error formatErrorAtOffset(std::size_t offset, std::string detail)
{
    Error error = formatError(std::move(detail));
    error.offset = offset;
    return error;
}

}  // namespace tervok
