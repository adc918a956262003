#pragma once
// The working directory as it was when the window started. The open-file
// dialog may change the working directory; the editor returns to this one
// before and after every dialog so that its relative paths stay valid.
#include "common/errors/result.h"

#include <filesystem>
#include <system_error>

namespace tervok {

class StartDirectory {
public:
    // Records the current working directory.
    StartDirectory();

    // Empty when the working directory was gone already at the start.
    const std::filesystem::path& path() const { return path_; }

    // Makes the start directory the working directory again; the system's
    // error when that fails (the folder was removed meanwhile, or was gone
    // at the start), leaving the working directory as it is.
    Status restore() const;

private:
    std::filesystem::path path_;
    std::error_code recordError_;  // why the start directory could not be recorded
};

}  // namespace tervok
