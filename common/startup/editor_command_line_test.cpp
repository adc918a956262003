// An editor's command line: its options and --help, and the game folder it
// enters, named or holding a named file.
#include "common/startup/editor_command_line.h"

#include "common/testing/temp_dir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tervok::startup {
namespace {

namespace fs = std::filesystem;

struct Outcome {
    Start start;
    std::string out;
    std::string err;
};

Outcome run(const ProgramInfo& program, std::vector<const char*> arguments)
{
    arguments.insert(arguments.begin(), program.name.c_str());
    std::ostringstream out;
    std::ostringstream err;
    Start start = readEditorCommandLine(program, static_cast<int>(arguments.size()), arguments.data(), out, err);
    return {start, out.str(), err.str()};
}

TEST(EditorCommandLine, HelpNamesTheFolderRuleTheOptionsAndTheKeys)
{
    const Outcome help = run(kTerraloom, {"--help"});
    EXPECT_EQ(help.start.exitStatus, kExitOk);
    EXPECT_TRUE(help.err.empty());
    EXPECT_EQ(help.out.rfind("Usage: terraloom [OPTION]... [GAME-FOLDER | FILE]\n", 0), 0u);
    for (const char* part : {"map, ep, player, shots or", "~/.config/tervok/editors.conf", "Cancel",
                             "map/*.map or map/*.msc", "  -C, --directory=GAME-FOLDER\n", "\nKeys:\n", "Ctrl+Z",
                             "Ctrl+Y, Ctrl+Shift+Z", "Shift + pointer", "right click"})
        EXPECT_NE(help.out.find(part), std::string::npos) << part;
    EXPECT_EQ(help.out.find("from-launcher"), std::string::npos);

    const std::string sparkHelp = helpText(editorSyntax(kSparkloom));
    EXPECT_NE(sparkHelp.find("double click on a row"), std::string::npos);
    EXPECT_EQ(sparkHelp.find("Ctrl+Z"), std::string::npos);
    EXPECT_EQ(sparkHelp.find("is loaded at start"), std::string::npos);

    for (const ProgramInfo* program : {&kTerraloom, &kFigureloom, &kBoltloom, &kSparkloom}) {
        std::istringstream text(helpText(editorSyntax(*program)));
        for (std::string line; std::getline(text, line);)
            EXPECT_LE(line.size(), 79u) << program->name << ": " << line;
    }
}

// One editor's own option: listed in its --help after -C, handed to the
// program, and unknown to the other editors.
TEST(EditorCommandLine, AnEditorsOwnOptionIsListedAndHandedOn)
{
    ProgramInfo withOwn = kTerraloom;
    withOwn.options = {{kFirstOwnOption, 0, "wide", "", "open wide"}};
    const std::string help = helpText(editorSyntax(withOwn));
    EXPECT_LT(help.find("-C, --directory"), help.find("      --wide"));
    EXPECT_NE(help.find("--wide  "), std::string::npos);
    const Outcome wide = run(withOwn, {"--wide"});
    EXPECT_EQ(wide.start.exitStatus, std::nullopt);
    EXPECT_TRUE(wide.start.line.has(kFirstOwnOption));
    EXPECT_FALSE(run(withOwn, {}).start.line.has(kFirstOwnOption));
    EXPECT_EQ(run(kTerraloom, {"--wide"}).start.problem, "unknown option '--wide'");
}

// Qt's own options are usage errors too: the window system never sees the
// command line.
TEST(EditorCommandLine, UsageErrorsEndWithStatusTwo)
{
    const Outcome bad = run(kFigureloom, {"--colour"});
    EXPECT_EQ(bad.start.exitStatus, kExitUsage);
    EXPECT_TRUE(bad.out.empty());
    EXPECT_EQ(bad.err, "figureloom: unknown option '--colour'\n"
                       "Usage: figureloom [OPTION]... [GAME-FOLDER | FILE]\n"
                       "Try 'figureloom --help' for more information.\n");
    EXPECT_EQ(run(kFigureloom, {"-platform", "offscreen"}).start.problem, "unknown option '-platform'");
    EXPECT_EQ(run(kFigureloom, {"a", "b"}).start.problem, "one game folder only ('b' is a second one)");
    EXPECT_EQ(run(kFigureloom, {"-C", "a", "b"}).start.problem, "one game folder only ('b' is a second one)");
    // Started from the launcher, the reason is kept for the message box.
    const Outcome launched = run(kSparkloom, {"--from-launcher", "--bogus"});
    EXPECT_TRUE(launched.start.fromLauncher);
    EXPECT_EQ(launched.start.problem, "unknown option '--bogus'");
}

TEST(EditorCommandLine, NamedFolderBecomesTheWorkingDirectory)
{
    tervok::testing::TempDir dir;
    fs::create_directories("my games/tervok");
    fs::create_directory("-odd");
    const std::vector<std::pair<std::vector<const char*>, std::string>> cases = {
        {{"my games/tervok"}, "my games/tervok"},
        {{"-C", "my games/tervok"}, "my games/tervok"},
        {{"--directory=my games/tervok"}, "my games/tervok"},
        {{"--", "-odd"}, "-odd"}};
    for (const auto& [arguments, folder] : cases) {
        fs::current_path(dir.path());
        const Outcome started = run(kTerraloom, arguments);
        EXPECT_EQ(started.start.exitStatus, std::nullopt);
        EXPECT_TRUE(started.start.folderNamed);
        EXPECT_EQ(fs::current_path(), dir.path() / folder);
        EXPECT_EQ(started.out + started.err, "");
    }

    fs::current_path(dir.path());
    const Outcome plain = run(kBoltloom, {});
    EXPECT_EQ(plain.start.exitStatus, std::nullopt);
    EXPECT_FALSE(plain.start.folderNamed);
    EXPECT_EQ(fs::current_path(), dir.path());
}

TEST(EditorCommandLine, FolderThatCannotBeOpenedEndsWithStatusTwo)
{
    tervok::testing::TempDir dir;
    tervok::testing::writeFile("level.map", "");
    tervok::testing::writeFile("game/map/level.map", "");
    const Outcome missing = run(kSparkloom, {"nowhere"});
    EXPECT_EQ(missing.start.exitStatus, kExitUsage);
    EXPECT_FALSE(missing.start.folderNamed);
    EXPECT_TRUE(missing.out.empty());
    EXPECT_EQ(missing.err, "sparkloom: nowhere: cannot open the game folder: no such file or directory\n");

    // A file that lies in no map, player, shots or sprites folder; started
    // from the launcher, the reason is kept for the message box.
    const Outcome stray = run(kSparkloom, {"--from-launcher", "level.map"});
    EXPECT_EQ(stray.start.exitStatus, kExitUsage);
    EXPECT_EQ(stray.err, "sparkloom: level.map: cannot open the game folder: not a folder, nor a file in a map, "
                         "player, shots or sprites folder\n");
    EXPECT_TRUE(stray.start.fromLauncher);
    EXPECT_EQ(stray.start.problem, "level.map: cannot open the game folder: not a folder, nor a file in a map, "
                                   "player, shots or sprites folder");
    // -C names a folder only.
    EXPECT_EQ(run(kTerraloom, {"-C", "game/map/level.map"}).err,
              "terraloom: game/map/level.map: cannot open the game folder: not a directory\n");
    EXPECT_EQ(fs::current_path(), dir.path());
}

// A file dropped on a launcher: the editor opens on the folder above the
// file's data folder (any letter case), and takes the file when it is of a
// kind its window loads and the window's game path reaches that very file.
TEST(EditorCommandLine, FileInADataFolderOpensItsGameFolder)
{
    tervok::testing::TempDir dir;
    const fs::path game = dir.path() / "my game";
    tervok::testing::writeFile(game / "Shots/Laser.SHT", "");
    tervok::testing::writeFile(game / "map/level.msc", "");
    tervok::testing::writeFile(dir.path() / "other/shots/a\\b.sht", "");
    fs::create_directory("elsewhere");
    fs::current_path("elsewhere");

    const Outcome shot = run(kBoltloom, {"--from-launcher", "../my game/Shots/Laser.SHT"});
    EXPECT_EQ(shot.start.exitStatus, std::nullopt);
    EXPECT_TRUE(shot.start.folderNamed);
    EXPECT_TRUE(shot.start.fromLauncher);
    EXPECT_EQ(fs::current_path(), game);
    ASSERT_TRUE(shot.start.file);
    EXPECT_EQ(gamePathOf(*shot.start.file), "shots\\Laser.sht");
    EXPECT_TRUE(shot.err.empty());

    // Not a kind figureloom loads: the folder alone, quietly.
    fs::current_path(dir.path());
    const Outcome other = run(kFigureloom, {"my game/Shots/Laser.SHT"});
    EXPECT_TRUE(other.start.folderNamed);
    EXPECT_EQ(other.start.file, std::nullopt);
    EXPECT_TRUE(other.err.empty());
    EXPECT_EQ(fs::current_path(), game);

    const std::string dotted = game.string() + "/./map/level.msc";
    const Outcome script = run(kTerraloom, {dotted.c_str()});
    ASSERT_TRUE(script.start.file);
    EXPECT_EQ(script.start.file->stem, "level");
    EXPECT_EQ(script.start.file->extension, ".msc");

    // "shots\a\b.sht" names another file: the folder opens, the file is
    // not loaded, and standard error says why.
    fs::current_path(dir.path() / "other");
    const Outcome unnamable = run(kBoltloom, {"shots/a\\b.sht"});
    EXPECT_TRUE(unnamable.start.folderNamed);
    EXPECT_EQ(unnamable.start.file, std::nullopt);
    EXPECT_EQ(unnamable.err, "boltloom: shots/a\\b.sht: cannot load: the game's paths cannot name this file\n");
}

}  // namespace
}  // namespace tervok::startup
