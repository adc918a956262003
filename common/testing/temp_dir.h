#pragma once
// A fresh empty folder for one test, made the working directory while the
// test runs (the editors open every data file relative to it).
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

namespace tervok::testing {

class TempDir {
public:
    TempDir()
    {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("tervok-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path_);
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(path_);
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::current_path(previous_, ec);
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};

inline void writeFile(const std::filesystem::path& path, std::string_view bytes)
{
    if (path.has_parent_path())
        std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void makeReadOnly(const std::filesystem::path& path)
{
    std::filesystem::permissions(path,
                                 std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                                     std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::remove);
}

// Makes the working directory a folder 20 levels of 250-byte names below
// it, deeper than an absolute path may be long (4,096 bytes).
inline void enterFolderDeeperThanAPathCanReach()
{
    const std::string name(250, 'd');
    for (int depth = 0; depth < 20; ++depth) {
        std::filesystem::create_directory(name);
        std::filesystem::current_path(name);
    }
}

// Names of the entries of a folder, to see that no temporary file was left.
inline std::size_t entryCount(const std::filesystem::path& folder)
{
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++n;
    return n;
}

}  // namespace tervok::testing
