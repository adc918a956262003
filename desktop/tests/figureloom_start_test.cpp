#include "desktop/tests/editor_start_support.h"
#include "figureloom/form/program.h"

namespace {

namespace fs = std::filesystem;
using namespace editor_start;

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

// A player file dropped on the launcher fills the name field and is loaded.
TEST_F(EditorStart, FigureloomLoadsThePlayerNamedOnItsCommandLine)
{
    std::string name;
    std::string firstAmmunition;
    const MainRun run = runAsMain<figureloom::Program>(
        tervok::startup::kFigureloom, {"--from-launcher", (game / "player/soldier.dat").string()}, [&] {
            name = shownText("Text2");
            firstAmmunition = shownText("Text6", 0);
        });
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.boxes, std::vector<std::string>{});
    EXPECT_EQ(name, "soldier");
    EXPECT_EQ(firstAmmunition, "00-1");  // as the file holds it
}

}  // namespace
