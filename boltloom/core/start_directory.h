#pragma once
// The working directory as it was when the window was created. A file dialog
// may move the working directory; the editor returns to this one before and
// after every dialog so that its relative data paths stay valid.
#include <filesystem>

namespace boltloom {

class StartDirectory {
public:
    // Records the current working directory (empty when it cannot be read).
    StartDirectory();

    const std::filesystem::path& path() const { return path_; }

    // Makes the start directory the working directory again. When it no
    // longer exists, the working directory stays where it is and false is
    // returned; the editor goes on working from there.
    bool restore() const;

private:
    std::filesystem::path path_;
};

}  // namespace boltloom
