// Round trips of the player file, the shot file and the particle catalogue.
#include "formats/particle_catalogue.h"
#include "formats/player_file.h"
#include "formats/shot_file.h"
#include "reliability/round_trip_support.h"

namespace {

using namespace reliability;

std::string savedPlayer(const formats::PlayerRecord& record)
{
    return formats::playerFileBytes(formats::withFilledAmmunition(record));
}

TEST(PlayerRoundTrip, SamplePlayerSavesToTheSameBytes)
{
    const std::optional<std::string> sample = sampleFile("player/soldier.dat");
    if (!sample) {
        GTEST_SKIP() << kNoSampleData;
    }
    const tervok::Result<formats::PlayerRecord> record = formats::parsePlayerFile(*sample);
    ASSERT_TRUE(record.has_value());
    const std::string saved = savedPlayer(*record);
    EXPECT_EQ(saved, *sample);
    EXPECT_EQ(savedPlayer(*formats::parsePlayerFile(saved)), saved);
}

// Value fields of any length; slot fields fill their columns exactly: two
// characters of weapon number, one digit of flag, four of each ammunition.
formats::PlayerRecord randomPlayer(std::mt19937& random)
{
    std::uniform_int_distribution<int> digit(0, 9);
    formats::PlayerRecord record;
    for (std::string* field : {&record.sprite, &record.team, &record.health, &record.moveSpeed,
                               &record.stepSpeed, &record.blood, &record.exploBlood})
        *field = randomText(random, 0, 20);
    for (formats::WeaponSlot& slot : record.slots)
        slot = {randomText(random, 2, 2), digit(random), randomText(random, 4, 4), randomText(random, 4, 4)};
    return record;
}

TEST(PlayerRoundTrip, RandomPlayersComeBackFieldForField)
{
    TERVOK_TRACE_SEED();
    std::mt19937 random(kRoundTripSeed);
    for (int n = 0; n < kRandomDocuments; ++n) {
        const formats::PlayerRecord record = randomPlayer(random);
        const std::string saved = savedPlayer(record);
        const tervok::Result<formats::PlayerRecord> loaded = formats::parsePlayerFile(saved);
        ASSERT_TRUE(loaded.has_value()) << "document " << n;
        ASSERT_EQ(*loaded, record) << "document " << n;
        ASSERT_EQ(savedPlayer(*loaded), saved) << "document " << n;
    }
}

TEST(ShotRoundTrip, SampleShotSavesToTheSameBytes)
{
    const std::optional<std::string> sample = sampleFile("shots/laser.sht");
    if (!sample) {
        GTEST_SKIP() << kNoSampleData;
    }
    const tervok::Result<formats::ShotRecord> shot = formats::parseShotFile(*sample);
    ASSERT_TRUE(shot.has_value());
    const std::string saved = formats::shotFileBytes(*shot);
    EXPECT_EQ(saved, *sample);
    EXPECT_EQ(formats::shotFileBytes(*formats::parseShotFile(saved)), saved);
}

TEST(ShotRoundTrip, RandomShotsComeBackFieldForField)
{
    TERVOK_TRACE_SEED();
    std::mt19937 random(kRoundTripSeed);
    for (int n = 0; n < kRandomDocuments; ++n) {
        formats::ShotRecord shot;
        for (std::string* field : {&shot.schaden, &shot.speed, &shot.ttl, &shot.reloadTime, &shot.shotSprite,
                                   &shot.exploSprite, &shot.name, &shot.schadenradius})
            *field = randomText(random, 0, 24);
        const std::string saved = formats::shotFileBytes(shot);
        const tervok::Result<formats::ShotRecord> loaded = formats::parseShotFile(saved);
        ASSERT_TRUE(loaded.has_value()) << "document " << n;
        ASSERT_EQ(*loaded, shot) << "document " << n;
        ASSERT_EQ(formats::shotFileBytes(*loaded), saved) << "document " << n;
    }
}

TEST(ParticleRoundTrip, SampleCatalogueSavesToTheSameBytes)
{
    const std::optional<std::string> sample = sampleFile("sprites/particle.lst");
    if (!sample) {
        GTEST_SKIP() << kNoSampleData;
    }
    const formats::ParticleRows rows = formats::parseParticleRows(*sample);
    EXPECT_FALSE(rows.empty());
    const std::string saved = formats::particleCatalogueBytes(rows);
    EXPECT_EQ(saved, *sample);
    EXPECT_EQ(formats::particleCatalogueBytes(formats::parseParticleRows(saved)), saved);
}

// Rows are kept as raw lines: entry lines, switched-off ones, empty ones.
TEST(ParticleRoundTrip, RandomCataloguesComeBackRowForRow)
{
    TERVOK_TRACE_SEED();
    std::mt19937 random(kRoundTripSeed);
    std::uniform_int_distribution<int> rowCount(0, 40);
    for (int n = 0; n < kRandomDocuments; ++n) {
        formats::ParticleRows rows(static_cast<std::size_t>(rowCount(random)));
        for (std::string& row : rows)
            row = randomText(random, 0, 30);
        const std::string saved = formats::particleCatalogueBytes(rows);
        const formats::ParticleRows loaded = formats::parseParticleRows(saved);
        ASSERT_EQ(loaded, rows) << "document " << n;
        ASSERT_EQ(formats::particleCatalogueBytes(loaded), saved) << "document " << n;
    }
}

}  // namespace
