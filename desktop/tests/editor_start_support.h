#pragma once
// An editor's start as its main runs it, on the Qt back end (offscreen):
// the command line, then the game folder, then the window, which must show
// the catalogues of the game folder that was chosen. Each program's tests
// are a file of their own (the programs share header names).
#include "qt_application.h"
#include "qt_game_folder.h"
#include "startup/command_line.h"
#include "temp_dir.h"

#include <QApplication>
#include <QListView>
#include <QSettings>
#include <QWidget>

#include <gtest/gtest.h>

#include <sstream>

namespace editor_start {

namespace fs = std::filesystem;
using tervok::startup::FolderQuestion;
using tervok::startup::Start;

// A copy of the sample data in "<temp>/Tervok Game", started from the plain
// folder "<temp>/elsewhere", with the user's settings below "<temp>/config".
class EditorStart : public ::testing::Test {
protected:
    tervok::testing::TempDir dir;
    fs::path game = dir.path() / "Tervok Game";
    fs::path elsewhere = dir.path() / "elsewhere";
    int questions = 0;

    void SetUp() override
    {
        const char* sample = std::getenv("TERVOK_SAMPLE_DIR");
        ASSERT_NE(sample, nullptr);
        fs::copy(sample, game, fs::copy_options::recursive);
        fs::create_directories(elsewhere);
        fs::current_path(elsewhere);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString((dir.path() / "config").string()));
    }

    Start readArguments(const tervok::startup::ProgramInfo& program, std::vector<const char*> arguments)
    {
        arguments.insert(arguments.begin(), program.name.c_str());
        std::ostringstream out;
        std::ostringstream err;
        const Start start =
            tervok::startup::readCommandLine(program, static_cast<int>(arguments.size()), arguments.data(), out, err);
        EXPECT_EQ(err.str(), "");
        return start;
    }

    FolderQuestion answer(std::optional<fs::path> folder)
    {
        return [this, folder](const fs::path&) {
            ++questions;
            return folder;
        };
    }
};

// The list box of that name in the shown window.
inline QListView* shownList(const char* name)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            if (auto* list = window->findChild<QListView*>(QString::fromLatin1(name)))
                return list;
    return nullptr;
}

inline QStringList rowsOf(const QListView* list)
{
    QStringList rows;
    for (int i = 0; i < list->model()->rowCount(); ++i)
        rows << list->model()->index(i, 0).data().toString();
    return rows;
}

}  // namespace editor_start
