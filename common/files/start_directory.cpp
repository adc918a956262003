#include "common/files/start_directory.h"

namespace tervok {
namespace {

// A missing folder says "no such folder", not "no such file".
Error folderError(const std::error_code& code)
{
    Error error = systemError(code.value());
    if (error.kind == ErrorKind::NotFound)
        error.kind = ErrorKind::FolderMissing;
    return error;
}

}  // namespace

StartDirectory::StartDirectory()
{
    path_ = std::filesystem::current_path(recordError_);
}

Status StartDirectory::restore() const
{
    if (path_.empty())
        return folderError(recordError_ ? recordError_ : std::make_error_code(std::errc::no_such_file_or_directory));
    std::error_code error;
    std::filesystem::current_path(path_, error);
    if (error)
        return folderError(error);
    return {};
}

}  // namespace tervok
