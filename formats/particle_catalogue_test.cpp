#include "formats/particle_catalogue.h"

#include "common/testing/temp_dir.h"

#include <gtest/gtest.h>

namespace formats {
namespace {

using tervok::testing::TempDir;

TEST(ParseParticleRows, DropsTheFirstLineAndKeepsEveryOtherLineAsItStands)
{
    EXPECT_EQ(parseParticleRows("[nummer repeat sprite]\r\n05 12 fire.spr\r\n[03 01 smoke.spr\r\n\r\n"
                                "11 00 spark.spr\r\n"),
              (ParticleRows{"05 12 fire.spr", "[03 01 smoke.spr", "", "11 00 spark.spr"}));
    // The first line is dropped whatever it holds, an entry line included.
    EXPECT_EQ(parseParticleRows("05 12 fire.spr\r\n11 00 spark.spr\r\n"), (ParticleRows{"11 00 spark.spr"}));
}

TEST(ParseParticleRows, HandlesShortAndUnterminatedFiles)
{
    EXPECT_TRUE(parseParticleRows("").empty());
    EXPECT_TRUE(parseParticleRows("[nummer repeat sprite]\r\n").empty());
    EXPECT_EQ(parseParticleRows("[h]\r\n05 12 fire.spr"), (ParticleRows{"05 12 fire.spr"}));
    // A blank line left at the end of the file is one more, empty, row.
    EXPECT_EQ(parseParticleRows("[h]\r\n05 12 fire.spr\r\n\r\n"), (ParticleRows{"05 12 fire.spr", ""}));
}

TEST(ParticleCatalogueBytes, WritesTheHeaderThenEveryRowWithCrLf)
{
    EXPECT_EQ(particleCatalogueBytes({}), "[nummer repeat sprite]\r\n");
    EXPECT_EQ(particleCatalogueBytes({"05 12 fire.spr", "", "[11 00 spark.spr"}),
              "[nummer repeat sprite]\r\n05 12 fire.spr\r\n\r\n[11 00 spark.spr\r\n");
}

TEST(ParticleCatalogueFile, MissingFileOrFolderIsAFailure)
{
    TempDir dir;
    EXPECT_EQ(loadParticleCatalogue(kParticleCataloguePath).error().kind, tervok::ErrorKind::NotFound);
    EXPECT_EQ(saveParticleCatalogue(kParticleCataloguePath, {}).error().kind, tervok::ErrorKind::FolderMissing);
    EXPECT_FALSE(saveParticleCatalogue(kParticleCataloguePath, {"05 12 fire.spr"}));
    EXPECT_FALSE(std::filesystem::exists("sprites"));
}

}  // namespace
}  // namespace formats
