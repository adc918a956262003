#pragma once
// The window-system side of an editor's start: the game folder setting kept
// with QSettings, the folder question asked with Qt's folder dialog, and the
// application's desktop identity.
//
//     const auto start = tervok::startup::readEditorCommandLine(kTerraloom, argc, argv, std::cout, std::cerr);
//     if (start.exitStatus)
//         return *start.exitStatus;
//     int qtArgc = 1;
//     qtui::QtApplication app(qtArgc, argv, "terraloom");
//     qtui::enterGameFolder(start, "terraloom");
#include "common/startup/editor_command_line.h"
#include "common/startup/game_folder.h"

#include <filesystem>
#include <optional>
#include <string>

namespace qtui {

// The game folder the user chose, shared by the four editors: the key
// "gameFolder" of the user's "tervok/editors.conf" settings file
// (~/.config/tervok/editors.conf, or below $XDG_CONFIG_HOME). A setting that
// cannot be saved (a HOME the user may not write, XDG_CONFIG_HOME naming a
// file) is reported on standard error as "program: FILE: cannot save: why";
// the folder is still used for this run.
class QtFolderMemory : public tervok::startup::FolderMemory {
public:
    // programName starts the report; empty, the application's name does.
    explicit QtFolderMemory(std::string programName = std::string()) : programName_(std::move(programName)) {}

    std::optional<std::filesystem::path> recall() const override;
    void remember(const std::filesystem::path& folder) override;

private:
    std::string programName_;
};

// Qt's modal folder dialog, opened in startIn; nothing on Cancel.
std::optional<std::filesystem::path> askForGameFolder(const std::filesystem::path& startIn);

// Called once the QApplication exists. Names the application after its
// desktop entry (org.tervok.<program>) and gives its windows the program's
// icon; when the command line named no game folder, chooses one (working
// directory, remembered, asked) and makes it the working directory. A chosen
// folder that cannot be entered is reported on standard error and the
// editor stays where it was started.
void enterGameFolder(const tervok::startup::Start& start, const std::string& programName,
                     const tervok::startup::FolderQuestion& ask = askForGameFolder);

}  // namespace qtui
