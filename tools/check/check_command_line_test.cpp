#include "tools/check/check_command_line.h"

#include "common/testing/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace check {
namespace {

using Action = CheckCommand::Action;

TEST(CheckCommand, ReadsFormatAndFolderTheGnuWay)
{
    EXPECT_EQ(parseCheckCommand({}).folder, ".");
    EXPECT_EQ(parseCheckCommand({}).format, OutputFormat::Text);
    EXPECT_EQ(parseCheckCommand({"--format=json", "game"}).format, OutputFormat::Json);
    EXPECT_EQ(parseCheckCommand({"--format", "json"}).format, OutputFormat::Json);
    EXPECT_EQ(parseCheckCommand({"-C", "game"}).folder, "game");
    EXPECT_EQ(parseCheckCommand({"-Cgame"}).folder, "game");
    EXPECT_EQ(parseCheckCommand({"--", "-odd"}).folder, "-odd");
    EXPECT_EQ(parseCheckCommand({"x", "--help"}).action, Action::Help);
    EXPECT_EQ(parseCheckCommand({"--version"}).action, Action::Version);
    for (const std::vector<std::string>& wrong :
         {std::vector<std::string>{"--format=xml"}, {"--format"}, {"-C"}, {"-q"}, {"a", "b"}, {"-C", "a", "b"}})
        EXPECT_EQ(parseCheckCommand(wrong).action, Action::UsageError) << wrong.front();
}

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

TEST(CheckCommand, ExitStatusSaysWhetherErrorsWereFound)
{
    tervok::testing::TempDir dir;
    EXPECT_EQ(run({}).status, kExitErrors);  // no catalogues at all
    const Outcome help = run({"--help"});
    EXPECT_EQ(help.status, kExitClean);
    EXPECT_EQ(help.out.rfind("Usage: tervok-check [OPTION]... [GAME-FOLDER]\n", 0), 0u);
    EXPECT_EQ(run({"--version"}).out, "tervok-check (Tervok editors) " + std::string(TERVOK_EXPECTED_VERSION) + "\n");

    const Outcome unknown = run({"--quiet"});
    EXPECT_EQ(unknown.status, kExitUsage);
    EXPECT_EQ(unknown.err, "tervok-check: unknown option '--quiet'\nUsage: tervok-check [OPTION]... [GAME-FOLDER]\n"
                           "Try 'tervok-check --help' for more information.\n");
    const Outcome missing = run({"nowhere"});
    EXPECT_EQ(missing.status, kExitUsage);
    EXPECT_EQ(missing.err, "tervok-check: nowhere: cannot read the game folder: no such file or directory\n");
    EXPECT_EQ(missing.out, "");
    tervok::testing::writeFile("plain", "x");
    EXPECT_EQ(run({"-C", "plain"}).err, "tervok-check: plain: cannot read the game folder: not a directory\n");
}

// Warnings alone leave the status at 0.
TEST(CheckCommand, WarningsAloneAreNoFailure)
{
    tervok::testing::TempDir dir;
    tervok::testing::writeFile("map/mapteile.lst", "[nr kl name]\r\n");
    tervok::testing::writeFile("player/player.lst", "[p]\r\n01 a\r\n01 b\r\n");
    tervok::testing::writeFile("shots/weapons.lst", "[w]\r\n");
    tervok::testing::writeFile("sprites/particle.lst", "[nummer repeat sprite]\r\n");
    const Outcome checked = run({"--format=json"});
    EXPECT_EQ(checked.status, kExitClean) << checked.out;
    EXPECT_EQ(checked.out, "[\n  {\"file\": \"player/player.lst\", \"line\": 3, \"x\": null, \"y\": null, "
                           "\"severity\": \"warning\", \"code\": \"catalogue-duplicate\", \"message\": \"number 1 is "
                           "listed again (first on line 2)\"}\n]\n");
}

// The bundled sample data is what the editors open first: it stays clean.
// The program itself runs, without any display.
TEST(CheckProgram, TheSampleDataHasNoErrorsAndNoDisplayIsNeeded)
{
    const char* sample = std::getenv("TERVOK_SAMPLE_DIR");
    ASSERT_NE(sample, nullptr);
    const std::string command = "env -u DISPLAY -u QT_QPA_PLATFORM " + std::string(TERVOK_CHECK_PROGRAM) + " '" +
                                sample + "' 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, n);
    const int status = ::pclose(pipe);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << output;
    EXPECT_EQ(output.rfind("0 errors, 0 warnings in ", 0), 0u) << output;
}

}  // namespace
}  // namespace check
