#pragma once
// The working directory as it was when the window started. The open-file
// dialog may change the working directory; the editor returns to this one
// before and after every dialog so that its relative paths stay valid.
#include <filesystem>

namespace tervok {

class StartDirectory {
public:
    // Records the current working directory.
    StartDirectory();

    const std::filesystem::path& path() const { return path_; }

    // Makes the start directory the working directory again; false when that
    // fails (the folder was removed meanwhile), leaving the working directory
    // as it is.
    bool restore() const;

private:
    std::filesystem::path path_;
};

}  // namespace tervok
