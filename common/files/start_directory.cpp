#include "common/files/start_directory.h"

#include <system_error>

namespace tervok {

StartDirectory::StartDirectory()
{
    std::error_code error;
    path_ = std::filesystem::current_path(error);
}

bool StartDirectory::restore() const
{
    if (path_.empty())
        return false;
    std::error_code error;
    std::filesystem::current_path(path_, error);
    return !error;
}

}  // namespace tervok
