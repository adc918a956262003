// A save killed at any moment: a child process saves two documents in turn,
// over and over, and is killed (SIGKILL) after a random delay. The target
// must then hold one of the two documents complete, never a mix or a
// truncated file. Temporary files of a killed save may stay behind; they
// are counted and removed.
#include "common/files/file_io.h"
#include "common/files/game_path.h"
#include "common/testing/temp_dir.h"
#include "formats/map_file.h"
#include "formats/player_file.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <iostream>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using tervok::testing::readFile;
using tervok::testing::writeFile;

constexpr unsigned kSeed = 20240611;
constexpr int kKills = 200;
constexpr int kMaxDelayMicroseconds = 3000;

struct KillTally {
    int sawFirst = 0;
    int sawSecond = 0;
    int staleTemps = 0;
};

// Removes what killed saves left beside target and says how many.
int removeStaleTemps(const fs::path& target)
{
    const std::string prefix(tervok::kTempFilePrefix);
    int removed = 0;
    for (const auto& entry : fs::directory_iterator(target.parent_path())) {
        if (entry.path().filename().string().rfind(prefix, 0) == 0) {
            fs::remove(entry.path());
            ++removed;
        }
    }
    return removed;
}

// save(true) writes the first document, save(false) the second; both
// return whether the save succeeded.
KillTally killSavesAtRandom(const fs::path& target, const std::string& first, const std::string& second,
                            const std::function<bool(bool)>& save)
{
    std::mt19937 random(kSeed);
    std::uniform_int_distribution<int> delay(0, kMaxDelayMicroseconds);
    KillTally tally;
    for (int kill = 0; kill < kKills; ++kill) {
        const pid_t child = ::fork();
        if (child == 0) {
            for (bool which = false;; which = !which)
                if (!save(which))
                    ::_exit(3);
        }
        EXPECT_GT(child, 0) << "fork failed";
        if (child <= 0)
            break;
        ::usleep(static_cast<useconds_t>(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the saving child ended by itself";

        const std::string bytes = readFile(target);
        const bool isFirst = bytes == first;
        const bool isSecond = bytes == second;
        EXPECT_TRUE(isFirst || isSecond) << "kill " << kill << " left " << bytes.size() << " bytes of a mix";
        tally.sawFirst += isFirst ? 1 : 0;
        tally.sawSecond += isSecond ? 1 : 0;
        tally.staleTemps += removeStaleTemps(target);
    }
    std::cout << "seed " << kSeed << ": " << kKills << " kills, old file " << tally.sawFirst << " times, new file "
              << tally.sawSecond << " times, " << tally.staleTemps << " temporary files left by killed saves\n";
    return tally;
}

formats::MapGrid patternedGrid(int step)
{
    formats::MapGrid grid;
    auto& cells = grid.cells();
    for (std::size_t i = 0; i < cells.size(); ++i)
        cells[i] = static_cast<std::uint8_t>((i * static_cast<std::size_t>(step)) % 101);
    return grid;
}

// The map as its save writes it: the grid, then the bytes the old file held
// past the map, here a large tail so that a kill often lands mid-write.
TEST(KilledSave, MapFileIsAlwaysTheOldOrTheNewMap)
{
    tervok::testing::TempDir dir;
    const std::string tail(64 * 1024, '\x7f');
    const std::string first = formats::mapFileBytes(patternedGrid(7), std::string(formats::kMapFileSize, 0) + tail);
    const std::string second = formats::mapFileBytes(patternedGrid(13), first);
    writeFile("map/map1.map", first);
    const fs::path target = tervok::nativePath(formats::mapPath("map1"));

    const KillTally tally = killSavesAtRandom(target, first, second, [&](bool useFirst) {
        return tervok::replaceFile(target, useFirst ? first : second).ok();
    });
    EXPECT_EQ(tally.sawFirst + tally.sawSecond, kKills);
    EXPECT_EQ(tervok::testing::entryCount("map"), 1u);
}

TEST(KilledSave, PlayerFileIsAlwaysTheOldOrTheNewPlayer)
{
    tervok::testing::TempDir dir;
    formats::PlayerRecord hero;
    hero.health = "250";
    formats::PlayerRecord scout;
    scout.slots[9] = {"14", 1, "-1", "-1"};
    const std::string first = formats::playerFileBytes(formats::withFilledAmmunition(hero));
    const std::string second = formats::playerFileBytes(formats::withFilledAmmunition(scout));
    writeFile("player/hero.dat", first);

    const KillTally tally = killSavesAtRandom("player/hero.dat", first, second, [&](bool useFirst) {
        formats::PlayerRecord record = useFirst ? hero : scout;
        return formats::savePlayerFile("player\\hero.dat", record).ok();
    });
    EXPECT_EQ(tally.sawFirst + tally.sawSecond, kKills);
    EXPECT_EQ(tervok::testing::entryCount("player"), 1u);
}

}  // namespace
