#include "common/startup/game_folder.h"

#include "common/testing/other_user.h"
#include "common/testing/temp_dir.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <vector>

namespace tervok::startup {
namespace {

namespace fs = std::filesystem;
using tervok::testing::TempDir;
using tervok::testing::writeFile;

TEST(LooksLikeGameFolder, NeedsOneDataFolderInAnyLetterCase)
{
    TempDir dir;
    EXPECT_FALSE(looksLikeGameFolder(dir.path()));
    fs::create_directory("docs");
    writeFile("map", "a file, not a folder");
    writeFile("readme.txt", "");
    EXPECT_FALSE(looksLikeGameFolder(dir.path()));

    for (const char* name : {"MAP", "ep", "Player", "shots", "SPRITES"}) {
        TempDir game;
        fs::create_directory(name);
        EXPECT_TRUE(looksLikeGameFolder(game.path())) << name;
    }
}

TEST(LooksLikeGameFolder, FollowsLinksAndRejectsWhatIsNoFolder)
{
    TempDir dir;
    fs::create_directories("elsewhere/tiles");
    fs::create_directory("game");
    fs::create_directory_symlink(dir.path() / "elsewhere/tiles", "game/ep");
    EXPECT_TRUE(looksLikeGameFolder(dir.path() / "game"));

    fs::create_directory("broken");
    fs::create_directory_symlink(dir.path() / "gone", "broken/map");
    EXPECT_FALSE(looksLikeGameFolder(dir.path() / "broken"));
    EXPECT_FALSE(looksLikeGameFolder(dir.path() / "missing"));
    writeFile("file", "");
    EXPECT_FALSE(looksLikeGameFolder(dir.path() / "file"));
}

std::string reasonOf(const tervok::Status& status)
{
    return status ? "enterable" : systemReason(status.error());
}

TEST(EnterFolder, EntersOrSaysWhyNot)
{
    TempDir dir;
    fs::create_directory("game");
    writeFile("plain", "");

    EXPECT_TRUE(checkEnterable("game"));
    EXPECT_EQ(reasonOf(checkEnterable("missing")), "no such file or directory");
    EXPECT_EQ(reasonOf(checkEnterable("plain")), "not a directory");

    EXPECT_EQ(reasonOf(enterFolder("missing")), "no such file or directory");
    EXPECT_EQ(reasonOf(enterFolder("")), "no such file or directory");
    EXPECT_EQ(fs::current_path(), dir.path());
    EXPECT_TRUE(enterFolder("game"));
    EXPECT_EQ(fs::current_path(), dir.path() / "game");
}

// Root enters every folder, so the user who cannot is played by "nobody"
// where the tests run as root. A folder that may be searched but not read
// can be entered, not listed.
TEST(EnterFolder, RefusesAFolderWithoutSearchOrReadPermission)
{
    TempDir dir;
    fs::create_directory("locked");
    fs::create_directory("unlisted");
    tervok::testing::giveToOrdinaryUser("locked");
    tervok::testing::giveToOrdinaryUser("unlisted");
    fs::permissions("locked", fs::perms::owner_read);
    fs::permissions("unlisted", fs::perms::owner_exec);
    const std::optional<std::string> reasons = tervok::testing::runAsOrdinaryUser([] {
        return reasonOf(checkEnterable("locked")) + " / " + reasonOf(enterFolder("locked")) + " / " +
               reasonOf(checkEnterable("unlisted")) + " / " +
               reasonOf(checkEnterable("unlisted", FolderUse::EnterAndList));
    });
    ASSERT_TRUE(reasons);
    EXPECT_EQ(*reasons, "permission denied / permission denied / enterable / permission denied");
    fs::permissions("locked", fs::perms::owner_all);
    fs::permissions("unlisted", fs::perms::owner_all);
}

class MemoryStub : public FolderMemory {
public:
    std::optional<fs::path> recall() const override { return stored; }
    void remember(const fs::path& folder) override
    {
        stored = folder;
        ++writes;
    }
    std::optional<fs::path> stored;
    int writes = 0;
};

// The user's side of the folder question: records where each question
// started and gives the scripted answer.
struct User {
    std::optional<fs::path> answer;
    std::vector<fs::path> askedIn;
    FolderQuestion question()
    {
        return [this](const fs::path& startIn) {
            askedIn.push_back(startIn);
            return answer;
        };
    }
};

class ChooseGameFolder : public ::testing::Test {
protected:
    TempDir dir;
    fs::path home = dir.path() / "home";
    fs::path game = dir.path() / "games/tervok";
    MemoryStub memory;
    User user;

    void SetUp() override
    {
        fs::create_directories(home);
        fs::create_directories(game / "Map");
    }
};

TEST_F(ChooseGameFolder, WorkingDirectoryThatLooksLikeAGameFolderWins)
{
    memory.stored = home;
    const FolderChoice choice = chooseGameFolder(game, memory, user.question());
    EXPECT_EQ(choice.source, FolderSource::WorkingDirectory);
    EXPECT_EQ(choice.folder, game);
    EXPECT_TRUE(user.askedIn.empty());
    EXPECT_EQ(memory.writes, 0);
}

TEST_F(ChooseGameFolder, RememberedFolderIsUsedWithoutAsking)
{
    memory.stored = game;
    FolderChoice choice = chooseGameFolder(home, memory, user.question());
    EXPECT_EQ(choice.source, FolderSource::Remembered);
    EXPECT_EQ(choice.folder, game);

    // Only a folder that has gone is asked for again, not one that lost its
    // data folders.
    fs::remove(game / "Map");
    choice = chooseGameFolder(home, memory, user.question());
    EXPECT_EQ(choice.source, FolderSource::Remembered);
    EXPECT_TRUE(user.askedIn.empty());
    EXPECT_EQ(memory.writes, 0);
}

TEST_F(ChooseGameFolder, NothingRememberedAsksInTheWorkingDirectoryAndRemembersTheAnswer)
{
    user.answer = game;
    const FolderChoice choice = chooseGameFolder(home, memory, user.question());
    EXPECT_EQ(choice.source, FolderSource::Chosen);
    EXPECT_EQ(choice.folder, game);
    EXPECT_EQ(user.askedIn, std::vector<fs::path>{home});
    EXPECT_EQ(memory.stored, game);

    // The next start takes it from the memory.
    EXPECT_EQ(chooseGameFolder(home, memory, user.question()).source, FolderSource::Remembered);
    EXPECT_EQ(user.askedIn.size(), 1u);
}

TEST_F(ChooseGameFolder, VanishedFolderIsAskedForAgainNearWhereItWas)
{
    memory.stored = dir.path() / "games/old/level-pack";
    fs::path other = dir.path() / "other";
    fs::create_directories(other / "sprites");
    user.answer = other;
    const FolderChoice choice = chooseGameFolder(home, memory, user.question());
    EXPECT_EQ(choice.source, FolderSource::Chosen);
    EXPECT_EQ(choice.folder, other);
    EXPECT_EQ(user.askedIn, std::vector<fs::path>{dir.path() / "games"});
    EXPECT_EQ(memory.stored, other);
}

TEST_F(ChooseGameFolder, RememberedPathThatIsAFileIsAskedForAgain)
{
    writeFile(home / "notes", "");
    memory.stored = home / "notes";
    user.answer = game;
    EXPECT_EQ(chooseGameFolder(home, memory, user.question()).source, FolderSource::Chosen);
    EXPECT_EQ(user.askedIn.size(), 1u);
}

TEST_F(ChooseGameFolder, CancelStaysInTheWorkingDirectoryAndForgetsNothing)
{
    const fs::path vanished = dir.path() / "gone";
    memory.stored = vanished;
    const FolderChoice choice = chooseGameFolder(home, memory, user.question());
    EXPECT_EQ(choice.source, FolderSource::Cancelled);
    EXPECT_EQ(choice.folder, home);
    EXPECT_EQ(user.askedIn, std::vector<fs::path>{dir.path()});
    EXPECT_EQ(memory.stored, vanished);
    EXPECT_EQ(memory.writes, 0);
}

TEST_F(ChooseGameFolder, RelativeAnswerIsRememberedAsAWholePath)
{
    user.answer = fs::path("games/tervok");
    const FolderChoice choice = chooseGameFolder(home, memory, user.question());
    EXPECT_EQ(choice.folder, game);
    EXPECT_EQ(memory.stored, game);
}

}  // namespace
}  // namespace tervok::startup
