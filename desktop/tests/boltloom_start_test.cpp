#include "boltloom/form/program.h"
#include "desktop/tests/editor_start_support.h"

namespace {

namespace fs = std::filesystem;
using namespace editor_start;

// A shot file dropped on the launcher, from a data folder in other letters:
// the file name field is filled in and the shot loaded.
TEST_F(EditorStart, BoltloomLoadsTheShotNamedOnItsCommandLine)
{
    fs::rename(game / "shots", game / "SHOTS");
    std::string fileName;
    std::string shotName;
    const MainRun run = runAsMain<boltloom::Program>(
        tervok::startup::kBoltloom, {"--from-launcher", (game / "SHOTS/laser.sht").string()}, [&] {
            fileName = shownText("Text2");
            shotName = shownText("Text10");
        });
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.boxes, std::vector<std::string>{});
    EXPECT_EQ(fileName, "laser");
    EXPECT_EQ(shotName, "Laser");
    EXPECT_EQ(fs::current_path(), game);
}

// Started from the launcher with what is no game folder nor a file in one,
// the editor ends with status 2 and says why in a message box too; from a
// terminal, standard error alone says it.
TEST_F(EditorStart, BoltloomFromTheLauncherShowsWhyItCannotStart)
{
    tervok::testing::writeFile("notes.txt", "");
    const QByteArray display = qgetenv("DISPLAY");
    qputenv("DISPLAY", ":0");  // a display to show the box on; the offscreen platform draws it
    const MainRun launched = runAsMain<boltloom::Program>(tervok::startup::kBoltloom, {"--from-launcher", "notes.txt"});
    const MainRun typed = runAsMain<boltloom::Program>(tervok::startup::kBoltloom, {"notes.txt"});
    if (display.isEmpty())
        qunsetenv("DISPLAY");
    else
        qputenv("DISPLAY", display);
    EXPECT_EQ(launched.status, 2);
    EXPECT_EQ(launched.boxes, std::vector<std::string>{"notes.txt: cannot open the game folder: not a folder, nor a "
                                                       "file in a map, player, shots or sprites folder"});
    EXPECT_EQ(typed.status, 2);
    EXPECT_EQ(typed.boxes, std::vector<std::string>{});
}

}  // namespace
