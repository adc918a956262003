#include "editor_start_support.h"
#include "form1.h"

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

}  // namespace
