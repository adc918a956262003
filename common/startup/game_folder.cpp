#include "common/startup/game_folder.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <string_view>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

namespace tervok::startup {
namespace {

constexpr std::array<std::string_view, 5> kDataFolders{"map", "ep", "player", "shots", "sprites"};

bool isDataFolderName(std::string name)
{
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return std::find(kDataFolders.begin(), kDataFolders.end(), name) != kDataFolders.end();
}

// The remembered folder's nearest ancestor that still exists, so that the
// question opens close to where the data used to be.
std::filesystem::path nearestExisting(std::filesystem::path folder, const std::filesystem::path& fallback)
{
    std::error_code error;
    while (!folder.empty()) {
        if (std::filesystem::is_directory(folder, error))
            return folder;
        if (folder == folder.parent_path())
            break;
        folder = folder.parent_path();
    }
    return fallback;
}

}  // namespace

std::string systemReason(int error)
{
    std::string reason = std::generic_category().message(error);
    if (!reason.empty() && reason.front() >= 'A' && reason.front() <= 'Z')
        reason.front() = static_cast<char>(reason.front() - 'A' + 'a');
    return reason;
}

bool looksLikeGameFolder(const std::filesystem::path& folder)
{
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    if (error)
        return false;
    for (const std::filesystem::directory_entry& entry : entries) {
        // Follows symbolic links: a linked data folder counts.
        std::error_code entryError;
        if (isDataFolderName(entry.path().filename().string()) && entry.is_directory(entryError))
            return true;
    }
    return false;
}

std::string systemReason(const Error& error)
{
    return systemReason(error.errnum);
}

Status checkEnterable(const std::filesystem::path& folder, FolderUse use)
{
    struct stat status {};
    if (::stat(folder.c_str(), &status) != 0)
        return systemError(errno);
    if (!S_ISDIR(status.st_mode))
        return systemError(ENOTDIR);
    if (::access(folder.c_str(), use == FolderUse::EnterAndList ? R_OK | X_OK : X_OK) != 0)
        return systemError(errno);
    return {};
}

Status enterFolder(const std::filesystem::path& folder)
{
    if (folder.empty())
        return systemError(ENOENT);
    if (::chdir(folder.c_str()) != 0)
        return systemError(errno);
    return {};
}

FolderChoice chooseGameFolder(const std::filesystem::path& workingDirectory, FolderMemory& memory,
                              const FolderQuestion& ask)
{
    if (!workingDirectory.empty() && looksLikeGameFolder(workingDirectory))
        return {FolderSource::WorkingDirectory, workingDirectory};
    const std::optional<std::filesystem::path> remembered = memory.recall();
    if (remembered && !remembered->empty() && checkEnterable(*remembered))
        return {FolderSource::Remembered, *remembered};
    const std::filesystem::path startIn = remembered ? nearestExisting(*remembered, workingDirectory) : workingDirectory;
    const std::optional<std::filesystem::path> answer = ask(startIn);
    if (!answer || answer->empty())
        return {FolderSource::Cancelled, workingDirectory};
    // Stored whole, so that an editor started anywhere finds it again.
    std::error_code error;
    std::filesystem::path chosen = std::filesystem::absolute(*answer, error);
    if (error)
        chosen = *answer;
    memory.remember(chosen);
    return {FolderSource::Chosen, chosen};
}

}  // namespace tervok::startup
