#pragma once
// Which folder an editor runs in when none is named on its command line.
//
// The working directory is used when it looks like a game folder. Otherwise
// the folder the user chose before (one setting shared by the four editors)
// is used while it can still be entered; failing that the user is asked, and
// the answer is remembered. Cancel leaves the editor in the working
// directory, where its lists simply stay empty.
//
// The setting and the question are passed in, so that this choice runs
// without a window system; the Qt back end supplies QSettings and a folder
// dialog.
#include "common/errors/result.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace tervok::startup {

// The data folders a game folder holds; any one of them, as a folder and in
// any letter case, is enough.
bool looksLikeGameFolder(const std::filesystem::path& folder);

// What a program needs of a game folder: to make it the working directory,
// and to list it too (tervok-check looks at every file).
enum class FolderUse { Enter, EnterAndList };

// Whether the folder could be made the working directory (and listed); the
// system's error when not (a missing folder, a file, no search or read
// permission).
Status checkEnterable(const std::filesystem::path& folder, FolderUse use = FolderUse::Enter);

// Makes the folder the working directory; the system's error when that
// fails. An empty path is a missing folder.
Status enterFolder(const std::filesystem::path& folder);

// The system's reason for an errno, in lower case to sit inside a sentence
// ("no such file or directory", "permission denied").
std::string systemReason(int error);
// The same for a folder that cannot be entered: "no such file or
// directory", "not a directory", "permission denied".
std::string systemReason(const Error& error);

// The one remembered game folder.
class FolderMemory {
public:
    virtual ~FolderMemory() = default;
    virtual std::optional<std::filesystem::path> recall() const = 0;
    virtual void remember(const std::filesystem::path& folder) = 0;
};

// Asks the user for the game folder, starting the question in the given
// folder; nothing when the user cancels.
using FolderQuestion = std::function<std::optional<std::filesystem::path>(const std::filesystem::path& startIn)>;

enum class FolderSource {
    WorkingDirectory,  // it looks like a game folder
    Remembered,        // chosen at an earlier start
    Chosen,            // asked for now, and remembered
    Cancelled,         // asked for, no answer: stays in the working directory
};

struct FolderChoice {
    FolderSource source;
    std::filesystem::path folder;  // the folder to enter; the working directory when cancelled
};

FolderChoice chooseGameFolder(const std::filesystem::path& workingDirectory, FolderMemory& memory,
                              const FolderQuestion& ask);

}  // namespace tervok::startup
