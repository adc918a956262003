#include "toolkit/qt/startup/qt_game_folder.h"
#include "toolkit/qt/startup/qt_window_places.h"

#include "common/testing/temp_dir.h"

#include <QApplication>
#include <QSettings>

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

namespace qtui {
namespace {

namespace fs = std::filesystem;
using tervok::startup::FolderQuestion;
using tervok::startup::Start;
using tervok::testing::TempDir;

// Each test gets a fresh user settings folder and works in a plain folder
// that does not look like a game folder.
class QtGameFolder : public ::testing::Test {
protected:
    TempDir dir;
    fs::path config = dir.path() / "config";
    fs::path settingsFile = config / "tervok/editors.conf";
    fs::path game = dir.path() / "games/Tervok Data";
    fs::path plain = dir.path() / "plain";
    int questions = 0;

    void SetUp() override
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(config.string()));
        fs::create_directories(game / "SHOTS");
        fs::create_directories(plain);
        fs::current_path(plain);
    }

    FolderQuestion answer(std::optional<fs::path> folder)
    {
        return [this, folder](const fs::path&) {
            ++questions;
            return folder;
        };
    }
};

TEST_F(QtGameFolder, SettingIsOneFileSharedByTheEditors)
{
    EXPECT_EQ(QtFolderMemory().recall(), std::nullopt);
    const fs::path unusual = dir.path() / "Spiele für Tervok";
    QtFolderMemory().remember(unusual);
    ASSERT_TRUE(fs::exists(settingsFile));
    EXPECT_NE(tervok::testing::readFile(settingsFile).find("gameFolder="), std::string::npos);
    EXPECT_EQ(QtFolderMemory().recall(), unusual);
}

TEST_F(QtGameFolder, AnswerIsEnteredAndRememberedForTheNextStart)
{
    enterGameFolder(Start{}, "figureloom", answer(game));
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(fs::current_path(), game);
    EXPECT_EQ(QtFolderMemory().recall(), game);

    // Another editor, started in the plain folder, goes there without asking.
    fs::current_path(plain);
    enterGameFolder(Start{}, "boltloom", answer(std::nullopt));
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(fs::current_path(), game);
}

TEST_F(QtGameFolder, CancelStaysInTheStartFolderAndStoresNothing)
{
    enterGameFolder(Start{}, "sparkloom", answer(std::nullopt));
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(fs::current_path(), plain);
    EXPECT_FALSE(fs::exists(settingsFile));
}

TEST_F(QtGameFolder, NamedFolderOrGameLikeWorkingDirectoryAsksNothing)
{
    QtFolderMemory().remember(plain);
    fs::current_path(game);
    Start named;
    named.folderNamed = true;
    enterGameFolder(named, "terraloom", answer(plain));
    enterGameFolder(Start{}, "terraloom", answer(plain));
    EXPECT_EQ(questions, 0);
    EXPECT_EQ(fs::current_path(), game);
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("org.tervok.terraloom"));
}

// A setting that cannot be written (here the settings folder is a file, as
// with XDG_CONFIG_HOME naming one) is said on standard error; the chosen
// folder is used all the same.
TEST_F(QtGameFolder, ASettingThatCannotBeSavedIsReportedAndTheAnswerStillUsed)
{
    tervok::testing::writeFile(config, "not a folder");
    std::ostringstream err;
    std::streambuf* const standardError = std::cerr.rdbuf(err.rdbuf());
    enterGameFolder(Start{}, "figureloom", answer(game));
    std::cerr.rdbuf(standardError);
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(fs::current_path(), game);
    EXPECT_EQ(err.str(), "figureloom: " + settingsFile.string() + ": cannot save: not a directory\n");

    err.str("");
    std::cerr.rdbuf(err.rdbuf());
    QtWindowPlaces("terraloom").remember("WholeMap", {0, 0, 9000, 6000});
    std::cerr.rdbuf(standardError);
    EXPECT_EQ(err.str(), "terraloom: " + settingsFile.string() + ": cannot save: not a directory\n");
}

// Window places share the file, each program in its own group, in screen
// pixels; a place no screen shows any more is forgotten.
TEST_F(QtGameFolder, WindowPlacesAreKeptInTheSharedFile)
{
    QtWindowPlaces places("terraloom");
    EXPECT_EQ(places.recall("WholeMap"), std::nullopt);
    const ui::Geometry place{150, 300, 9000, 6000};
    places.remember("WholeMap", place);
    EXPECT_NE(tervok::testing::readFile(settingsFile).find("[terraloom]\nWholeMap=@Rect(10 20 600 400)\n"),
              std::string::npos);
    EXPECT_EQ(QtWindowPlaces("terraloom").recall("WholeMap"), place);
    EXPECT_EQ(QtWindowPlaces("figureloom").recall("WholeMap"), std::nullopt);
    places.remember("WholeMap", {-150000, 0, 9000, 6000});
    EXPECT_EQ(places.recall("WholeMap"), std::nullopt);
}

}  // namespace
}  // namespace qtui

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
