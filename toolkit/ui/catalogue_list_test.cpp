#include "toolkit/ui/catalogue_list.h"

#include "common/errors/failure_report.h"

#include "common/testing/temp_dir.h"
#include "toolkit/headless/headless_toolkit.h"

#include <gtest/gtest.h>

namespace tervok {
namespace {

using Items = std::vector<std::string>;

class CatalogueLoader : public ::testing::Test {
protected:
    CatalogueLoader()
        : window_(toolkit_.createWindow("Form1", "test", 3000, 3000)),
          list_(dynamic_cast<headless::HeadlessListBox&>(toolkit_.createListBox(*window_, "List1", -1, {0, 0, 1500, 1500})))
    {
    }
    void load(const std::string& bytes, int nameColumn)
    {
        testing::writeFile("sprites/particle.lst", bytes);
        loadCatalogue(toolkit_, list_, "sprites\\particle.lst", nameColumn, table_);
    }

    testing::TempDir dir_;
    headless::HeadlessToolkit toolkit_{"test"};
    std::unique_ptr<ui::Window> window_;
    headless::HeadlessListBox& list_;
    NumberTable table_{};
};

TEST_F(CatalogueLoader, HeaderOnlyGivesNoneAlone)
{
    load("[nummer repeat sprite]\r\n", kParticleNameColumn);
    EXPECT_EQ(list_.items(), Items{"<none>"});
    EXPECT_EQ(table_, NumberTable{});
}

TEST_F(CatalogueLoader, SkipsBracketAndEmptyLinesAndNumbersRowsInFileOrder)
{
    load("[nummer repeat sprite]\r\n05 12 fire.spr\r\n[03 01 smoke.spr\r\n\r\n11 00 spark.spr", kParticleNameColumn);
    EXPECT_EQ(list_.items(), (Items{"<none>", " 5: fire.spr", " 11: spark.spr"}));
    EXPECT_EQ(table_[1], 5);
    EXPECT_EQ(table_[2], 11);
    EXPECT_EQ(pickedNumber(table_, 0), "0");
    EXPECT_EQ(pickedNumber(table_, 2), "11");
    EXPECT_EQ(pickedNumber(table_, -1), std::nullopt);
}

TEST_F(CatalogueLoader, NameColumnIsFixedAndCommasSplitEntries)
{
    load("7 blaster\r\n01 blaster\r\n05 12 big,fire.spr\r\n", kWeaponNameColumn);
    EXPECT_EQ(list_.items(), (Items{"<none>", " 7: laster", " 1: blaster", " 5: 12 big", " 0: e.spr"}));
    load("05 12 big,fire.spr\r\n05\r\n", kParticleNameColumn);
    EXPECT_EQ(list_.items(), (Items{"<none>", " 5: big", " 0: pr", " 5: "}));
}

TEST_F(CatalogueLoader, KeepsAtMostOneHundredEntriesConsistentWithTheTable)
{
    std::string bytes;
    for (int i = 0; i < 150; ++i)
        bytes += (i % 100 < 10 ? "0" : "") + std::to_string(i % 100) + " name\r\n";
    load(bytes, kWeaponNameColumn);
    EXPECT_EQ(list_.count(), 101);
    EXPECT_EQ(table_[100], 99);
    EXPECT_EQ(list_.item(100), " 99: name");
}

TEST_F(CatalogueLoader, MissingFileLeavesNoneAloneAndSaysWhyOnStandardError)
{
    FailureCapture reasons;
    list_.addItem("stale");
    loadCatalogue(toolkit_, list_, "shots\\weapons.lst", kWeaponNameColumn, table_);
    EXPECT_EQ(list_.items(), Items{"<none>"});
    EXPECT_TRUE(toolkit_.messages().empty());
    EXPECT_EQ(reasons.last(), "test: shots\\weapons.lst: cannot read: no such file");
}

}  // namespace
}  // namespace tervok
