// tervok-check's options, its usage errors and its exit statuses.
#include "tools/check/check_command_line.h"

#include "common/testing/console_run.h"
#include "common/testing/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

namespace check {
namespace {

using tervok::testing::writeFile;

struct Outcome {
    int status;
    std::string out, err;
};

Outcome run(const std::vector<std::string>& arguments)
{
    std::ostringstream out, err;
    const int status = runCheck(arguments, out, err);
    return {status, out.str(), err.str()};
}

// A game folder with its three catalogues and the tile catalogue, empty;
// warnings alone leave the status at 0.
void writeCleanFolder(const std::string& folder)
{
    writeFile(folder + "/map/mapteile.lst", "[nr kl name]\r\n");
    writeFile(folder + "/player/player.lst", "[p]\r\n01 a\r\n01 b\r\n");
    writeFile(folder + "/shots/weapons.lst", "[w]\r\n");
    writeFile(folder + "/sprites/particle.lst", "[nummer repeat sprite]\r\n");
}

TEST(CheckCommand, TheFolderAndTheFormatAreTakenTheGnuWay)
{
    tervok::testing::TempDir dir;
    writeCleanFolder("game");
    writeCleanFolder("-odd");
    const std::string text = "player/player.lst:3: warning: number 1 is listed again (first on line 2)\n"
                             "0 errors, 1 warning in 4 files\n";
    const std::string json = "[\n  {\"file\": \"player/player.lst\", \"line\": 3, \"x\": null, \"y\": null, "
                             "\"severity\": \"warning\", \"code\": \"catalogue-duplicate\", \"message\": \"number 1 "
                             "is listed again (first on line 2)\"}\n]\n";
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"game"}, text},
        {{"--format=json", "-C", "game"}, json},
        {{"--format", "json", "--format=text", "--", "-odd"}, text},
    };
    for (const auto& [arguments, report] : cases) {
        const Outcome checked = run(arguments);
        EXPECT_EQ(checked.status, 0) << arguments.front();
        EXPECT_EQ(checked.out, report) << arguments.front();
        EXPECT_EQ(checked.err, "");
    }
    EXPECT_EQ(run({}).status, 1);  // the working directory holds no catalogues at all
}

TEST(CheckCommand, UsageErrorsAndFoldersThatCannotBeReadEndWithStatusTwo)
{
    tervok::testing::TempDir dir;
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--format=xml"}, "unknown format 'xml' (text or json)"},
        {{"-C", "a", "b"}, "one game folder only ('b' is a second one)"},
    };
    for (const auto& [arguments, problem] : cases) {
        const Outcome wrong = run(arguments);
        EXPECT_EQ(wrong.status, 2) << problem;
        EXPECT_EQ(wrong.err.substr(0, wrong.err.find('\n')), "tervok-check: " + problem);
    }
    const Outcome unknown = run({"--quiet"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.out, "");
    EXPECT_EQ(unknown.err, "tervok-check: unknown option '--quiet'\nUsage: tervok-check [OPTION]... [GAME-FOLDER]\n"
                           "Try 'tervok-check --help' for more information.\n");

    const Outcome missing = run({"nowhere"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err, "tervok-check: nowhere: cannot read the game folder: no such file or directory\n");
    EXPECT_EQ(missing.out, "");
    writeFile("plain", "x");
    EXPECT_EQ(run({"-C", "plain"}).err, "tervok-check: plain: cannot read the game folder: not a directory\n");
}

// The built program, without any display: --help and --version, and the
// bundled sample data, which the editors open first and which stays clean.
TEST(CheckProgram, HelpVersionAndTheSampleDataNeedNoDisplay)
{
    const tervok::testing::ProgramRun help = tervok::testing::runOnConsole(TERVOK_CHECK_PROGRAM, {"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    EXPECT_EQ(help.out, tervok::startup::helpText(checkSyntax()));
    EXPECT_EQ(help.out.rfind("Usage: tervok-check [OPTION]... [GAME-FOLDER]\n", 0), 0u);
    for (const char* part : {"  -C, --directory=GAME-FOLDER\n", "      --format=FORMAT  text (the default) or json\n"})
        EXPECT_NE(help.out.find(part), std::string::npos) << part;
    std::istringstream lines(help.out);
    for (std::string line; std::getline(lines, line);)
        EXPECT_LE(line.size(), 79u) << line;

    const tervok::testing::ProgramRun version = tervok::testing::runOnConsole(TERVOK_CHECK_PROGRAM, {"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "tervok-check (Tervok editors) " + std::string(TERVOK_EXPECTED_VERSION) + "\n");

    const char* sample = std::getenv("TERVOK_SAMPLE_DIR");
    ASSERT_NE(sample, nullptr);
    const tervok::testing::ProgramRun checked = tervok::testing::runOnConsole(TERVOK_CHECK_PROGRAM, {sample});
    EXPECT_EQ(checked.status, 0) << checked.out << checked.err;
    EXPECT_EQ(checked.out.rfind("0 errors, 0 warnings in ", 0), 0u) << checked.out;
    EXPECT_EQ(checked.err, "");
}

}  // namespace
}  // namespace check
