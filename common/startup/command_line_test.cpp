#include "common/startup/command_line.h"

#include "common/testing/temp_dir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tervok::startup {
namespace {

namespace fs = std::filesystem;
using Action = CommandLine::Action;

TEST(ParseCommandLine, FolderAndOptions)
{
    EXPECT_EQ(parseCommandLine({}).action, Action::Start);
    EXPECT_EQ(parseCommandLine({}).folder, std::nullopt);

    const CommandLine withFolder = parseCommandLine({"games/tervok"});
    EXPECT_EQ(withFolder.action, Action::Start);
    EXPECT_EQ(withFolder.folder, "games/tervok");

    EXPECT_EQ(parseCommandLine({"-h"}).action, Action::Help);
    EXPECT_EQ(parseCommandLine({"folder", "--help"}).action, Action::Help);
    EXPECT_EQ(parseCommandLine({"--version"}).action, Action::Version);
    // "-" is a name like any other.
    EXPECT_EQ(parseCommandLine({"-"}).folder, "-");
}

TEST(ParseCommandLine, DoubleDashEndsTheOptions)
{
    EXPECT_EQ(parseCommandLine({"--", "--help"}).folder, "--help");
    EXPECT_EQ(parseCommandLine({"--", "-x"}).action, Action::Start);
    EXPECT_EQ(parseCommandLine({"--", "--"}).folder, "--");
    EXPECT_EQ(parseCommandLine({"a", "--", "b"}).action, Action::UsageError);
}

TEST(ParseCommandLine, UsageErrors)
{
    const CommandLine unknown = parseCommandLine({"--verbose"});
    EXPECT_EQ(unknown.action, Action::UsageError);
    EXPECT_EQ(unknown.problem, "unknown option '--verbose'");
    EXPECT_EQ(parseCommandLine({"-v"}).action, Action::UsageError);
    // Qt's own options are not taken either: the window system never sees
    // the command line.
    EXPECT_EQ(parseCommandLine({"-platform", "offscreen"}).action, Action::UsageError);

    const CommandLine two = parseCommandLine({"one", "two"});
    EXPECT_EQ(two.action, Action::UsageError);
    EXPECT_EQ(two.problem, "one game folder only ('two' is a second one)");

    // The first of them decides.
    EXPECT_EQ(parseCommandLine({"--bogus", "--help"}).action, Action::UsageError);
    EXPECT_EQ(parseCommandLine({"--help", "--bogus"}).action, Action::Help);
}

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
    Start start = readCommandLine(program, static_cast<int>(arguments.size()), arguments.data(), out, err);
    return {start, out.str(), err.str()};
}

TEST(ReadCommandLine, HelpGoesToStandardOutput)
{
    const Outcome help = run(kTerraloom, {"--help"});
    EXPECT_EQ(help.start.exitStatus, kExitOk);
    EXPECT_TRUE(help.err.empty());
    EXPECT_EQ(help.out.rfind("Usage: terraloom [OPTION]... [GAME-FOLDER | FILE]\n", 0), 0u);
    for (const char* part : {"map, ep, player, shots or", "~/.config/tervok/editors.conf", "Cancel", "--version",
                             "Ctrl+Z", "Ctrl+Y, Ctrl+Shift+Z", "Shift + pointer", "right click"})
        EXPECT_NE(help.out.find(part), std::string::npos) << part;

    const Outcome sparkHelp = run(kSparkloom, {"-h"});
    EXPECT_NE(sparkHelp.out.find("Usage: sparkloom "), std::string::npos);
    EXPECT_NE(sparkHelp.out.find("double click on a row"), std::string::npos);
    EXPECT_EQ(sparkHelp.out.find("Ctrl+Z"), std::string::npos);
}

// terraloom's --whole-map counts as an option wherever it stands before
// "--", beside a folder, and only for terraloom.
TEST(ReadCommandLine, AnEditorsOwnFlagIsKnownToItAlone)
{
    const CommandLine both = parseCommandLine({"folder", "--whole-map"}, kTerraloom.flags);
    EXPECT_EQ(both.action, Action::Start);
    EXPECT_EQ(both.folder, "folder");
    EXPECT_EQ(both.flags, std::vector<std::string>{"whole-map"});
    EXPECT_EQ(parseCommandLine({"--", "--whole-map"}, kTerraloom.flags).folder, "--whole-map");
    EXPECT_EQ(parseCommandLine({"--whole-map=1"}, kTerraloom.flags).action, Action::UsageError);

    EXPECT_TRUE(run(kTerraloom, {"--whole-map"}).start.has(kWholeMapFlag));
    EXPECT_FALSE(run(kTerraloom, {}).start.has(kWholeMapFlag));
    const Outcome other = run(kFigureloom, {"--whole-map"});
    EXPECT_EQ(other.start.exitStatus, kExitUsage);
    EXPECT_NE(other.err.find("unknown option '--whole-map'"), std::string::npos);

    EXPECT_NE(run(kTerraloom, {"--help"}).out.find("\n      --whole-map  open the whole-map window"), std::string::npos);
    EXPECT_EQ(run(kFigureloom, {"--help"}).out.find("whole-map"), std::string::npos);
}

TEST(ReadCommandLine, HelpLinesFitAnEightyColumnTerminal)
{
    for (const ProgramInfo* program : {&kTerraloom, &kFigureloom, &kBoltloom, &kSparkloom}) {
        std::istringstream text(helpText(*program));
        for (std::string line; std::getline(text, line);)
            EXPECT_LE(line.size(), 79u) << program->name << ": " << line;
    }
}

TEST(ReadCommandLine, VersionCarriesTheSuiteVersion)
{
    const Outcome version = run(kBoltloom, {"--version"});
    EXPECT_EQ(version.start.exitStatus, kExitOk);
    EXPECT_EQ(version.out, std::string("boltloom (Tervok editors) ") + TERVOK_EXPECTED_VERSION + "\n");
    EXPECT_TRUE(version.err.empty());
}

TEST(ReadCommandLine, UsageErrorGoesToStandardErrorWithStatusTwo)
{
    const Outcome bad = run(kFigureloom, {"--colour"});
    EXPECT_EQ(bad.start.exitStatus, kExitUsage);
    EXPECT_TRUE(bad.out.empty());
    EXPECT_EQ(bad.err, "figureloom: unknown option '--colour'\n"
                       "Usage: figureloom [OPTION]... [GAME-FOLDER | FILE]\n"
                       "Try 'figureloom --help' for more.\n");
    EXPECT_EQ(run(kFigureloom, {"a", "b"}).start.exitStatus, kExitUsage);
}

TEST(ReadCommandLine, NamedFolderBecomesTheWorkingDirectory)
{
    tervok::testing::TempDir dir;
    fs::create_directories("my games/tervok");
    const Outcome started = run(kTerraloom, {"my games/tervok"});
    EXPECT_EQ(started.start.exitStatus, std::nullopt);
    EXPECT_TRUE(started.start.folderNamed);
    EXPECT_EQ(fs::current_path(), dir.path() / "my games/tervok");
    EXPECT_TRUE(started.out.empty());
    EXPECT_TRUE(started.err.empty());

    fs::current_path(dir.path());
    fs::create_directory("-odd");
    EXPECT_TRUE(run(kTerraloom, {"--", "-odd"}).start.folderNamed);
    EXPECT_EQ(fs::current_path(), dir.path() / "-odd");
}

TEST(ReadCommandLine, FolderThatCannotBeOpenedEndsWithStatusTwo)
{
    tervok::testing::TempDir dir;
    tervok::testing::writeFile("level.map", "");
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
    EXPECT_EQ(fs::current_path(), dir.path());
    EXPECT_EQ(run(kSparkloom, {"--from-launcher", "--bogus"}).start.problem, "unknown option '--bogus'");
}

// A file dropped on a launcher: the editor opens on the folder above the
// file's data folder (any letter case), and takes the file when it is of a
// kind its window loads and the window's game path reaches that very file.
TEST(ReadCommandLine, FileInADataFolderOpensItsGameFolder)
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

TEST(ReadCommandLine, NoArgumentLeavesTheFolderToTheWindow)
{
    tervok::testing::TempDir dir;
    const Outcome plain = run(kBoltloom, {});
    EXPECT_EQ(plain.start.exitStatus, std::nullopt);
    EXPECT_FALSE(plain.start.folderNamed);
    EXPECT_EQ(fs::current_path(), dir.path());
}

}  // namespace
}  // namespace tervok::startup
