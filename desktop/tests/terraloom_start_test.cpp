#include "desktop/tests/editor_start_support.h"
#include "terraloom/form/form1.h"
#include "terraloom/form/program.h"
#include "toolkit/qt/qt_picture_box.h"

namespace {

namespace fs = std::filesystem;
using namespace editor_start;

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
    ASSERT_GE(c.playerList->count(), 2);
    EXPECT_EQ(c.playerList->item(1), " 1: soldier");
    EXPECT_EQ(c.tileList->item(1), "grass_01");
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
    EXPECT_EQ(c.playerList->count(), 1);
    EXPECT_EQ(c.playerList->item(0), "<none>");
    EXPECT_EQ(c.tileList->count(), 101);
    EXPECT_EQ(c.tileList->item(1), "");
}

bool wholeMapShown()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->windowTitle() == QLatin1String(terraloom::kWholeMapCaption))
            return true;
    return false;
}

// A map or a script dropped on the launcher: the editor opens on the game
// folder that holds it, with the file's name as the map name, and loads it
// as the window's "load" does, without "LADEN ?". --whole-map opens the
// whole-map window beside it.
TEST_F(EditorStart, TerraloomLoadsTheMapOrScriptNamedOnItsCommandLine)
{
    fs::copy_file(game / "map/map1.map", game / "map/Level Two.MAP");
    fs::copy_file(game / "map/map1.msc", game / "map/Level Two.msc");
    std::string mapName;
    bool overviewDrawn = false;
    bool wholeMap = false;
    const MainRun map = runAsMain<terraloom::Program>(
        tervok::startup::kTerraloom, {"--whole-map", "--from-launcher", (game / "map/Level Two.MAP").string()}, [&] {
            mapName = shownText("Text1");
            wholeMap = wholeMapShown();
            // The overview stays blank until a map is loaded.
            const auto* overview = shownWidget<qtui::PictureCanvas>("Picture1");
            overviewDrawn = overview && qAlpha(overview->drawnPixel(100, 100)) != 0;
        });
    EXPECT_EQ(map.status, 0);
    EXPECT_EQ(map.boxes, std::vector<std::string>{});
    EXPECT_EQ(mapName, "Level Two");
    EXPECT_TRUE(overviewDrawn);
    EXPECT_TRUE(wholeMap);
    EXPECT_EQ(fs::current_path(), game);

    fs::current_path(elsewhere);
    QStringList rows;
    const MainRun script = runAsMain<terraloom::Program>(tervok::startup::kTerraloom,
                                                         {"../Tervok Game/map/Level Two.msc"}, [&] {
                                                             mapName = shownText("Text1");
                                                             rows = rowsOf(shownList("List2"));
                                                             wholeMap = wholeMapShown();
                                                         });
    EXPECT_EQ(script.boxes, std::vector<std::string>{"Script geladen "});
    EXPECT_EQ(mapName, "Level Two");
    ASSERT_FALSE(rows.isEmpty());
    EXPECT_EQ(rows[0], "def player 1 1 130 90 3");
    EXPECT_FALSE(wholeMap);
}

}  // namespace
