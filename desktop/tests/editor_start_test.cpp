// An editor's start as its main runs it, on the Qt back end (offscreen):
// the command line, then the game folder, then the window, which must show
// the catalogues of the game folder that was chosen.
#include "figureloom/form/program.h"
#include "qt_application.h"
#include "qt_game_folder.h"
#include "startup/command_line.h"
#include "temp_dir.h"
#include "terraloom/form/form1.h"

#include <QApplication>
#include <QListView>
#include <QSettings>
#include <QWidget>

#include <gtest/gtest.h>

#include <sstream>

namespace {

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
QListView* shownList(const char* name)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            if (auto* list = window->findChild<QListView*>(QString::fromLatin1(name)))
                return list;
    return nullptr;
}

QStringList rowsOf(const QListView* list)
{
    QStringList rows;
    for (int i = 0; i < list->model()->rowCount(); ++i)
        rows << list->model()->index(i, 0).data().toString();
    return rows;
}

TEST_F(EditorStart, FigureloomShowsTheCataloguesOfTheFolderNamedOnItsCommandLine)
{
    const Start start = readArguments(tervok::startup::kFigureloom, {"../Tervok Game"});
    ASSERT_EQ(start.exitStatus, std::nullopt);
    int argc = 1;
    char name[] = "figureloom";
    char* argv[] = {name, nullptr};
    qtui::QtApplication app(argc, argv, "figureloom");
    qtui::enterGameFolder(start, "figureloom", answer(elsewhere));
    figureloom::Program program(app.toolkit());

    EXPECT_EQ(questions, 0);
    EXPECT_EQ(fs::current_path(), game);
    const QListView* weapons = shownList("List2");
    ASSERT_NE(weapons, nullptr);
    const QStringList rows = rowsOf(weapons);
    ASSERT_GE(rows.size(), 3);
    EXPECT_EQ(rows.mid(0, 3), (QStringList{"<none>", " 1: blaster", " 2: laser"}));
    // A folder named on the command line is not remembered.
    EXPECT_EQ(qtui::QtFolderMemory().recall(), std::nullopt);
}

TEST_F(EditorStart, TerraloomWithoutArgumentOpensTheRememberedFolder)
{
    qtui::QtFolderMemory().remember(game);
    const Start start = readArguments(tervok::startup::kTerraloom, {});
    int argc = 1;
    char name[] = "terraloom";
    char* argv[] = {name, nullptr};
    qtui::QtApplication app(argc, argv, "terraloom");
    qtui::enterGameFolder(start, "terraloom", answer(elsewhere));
    terraloom::Form1 form(app.toolkit());
    form.show();

    EXPECT_EQ(questions, 0);
    const terraloom::Form1Controls& c = form.controls();
    ASSERT_GE(c.List3->count(), 2);
    EXPECT_EQ(c.List3->item(1), " 1: soldier");
    EXPECT_EQ(c.List1->item(1), "grass_01");
}

TEST_F(EditorStart, TerraloomAfterCancelRunsInTheStartFolderWithEmptyLists)
{
    const Start start = readArguments(tervok::startup::kTerraloom, {});
    int argc = 1;
    char name[] = "terraloom";
    char* argv[] = {name, nullptr};
    qtui::QtApplication app(argc, argv, "terraloom");
    qtui::enterGameFolder(start, "terraloom", answer(std::nullopt));
    terraloom::Form1 form(app.toolkit());
    form.show();

    EXPECT_EQ(questions, 1);
    EXPECT_EQ(fs::current_path(), elsewhere);
    const terraloom::Form1Controls& c = form.controls();
    EXPECT_EQ(c.List3->count(), 1);
    EXPECT_EQ(c.List3->item(0), "<none>");
    EXPECT_EQ(c.List1->count(), 101);
    EXPECT_EQ(c.List1->item(1), "");
}

}  // namespace
