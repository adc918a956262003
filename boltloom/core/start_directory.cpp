#include "start_directory.h"

#include <system_error>

namespace boltloom {

StartDirectory::StartDirectory()
{
    std::error_code ec;
    path_ = std::filesystem::current_path(ec);
}

bool StartDirectory::restore() const
{
    if (path_.empty())
        return false;
    std::error_code ec;
    std::filesystem::current_path(path_, ec);
    return !ec;
}

}  // namespace boltloom
