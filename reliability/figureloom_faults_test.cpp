// The player editor against every file fault: load, save, the two
// catalogues read at start-up, and "new", which reads them again.
#include "common/testing/temp_dir.h"
#include "figureloom/form/program.h"
#include "formats/player_file.h"
#include "reliability/harness/file_faults.h"
#include "reliability/harness/snapshots.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using namespace reliability;
using headless::HeadlessButton;
using headless::HeadlessCheckBox;
using headless::HeadlessListBox;
using headless::HeadlessTextField;
using tervok::testing::writeFile;
using Rows = std::vector<std::string>;

const std::string kWeapons = "[nmr name]\r\n01 blaster\r\n02 rocket\r\n";
const std::string kOtherWeapons = "[nmr name]\r\n04 flamer\r\n";
const std::string kParticles = "[nummer repeat sprite]\r\n05 12 fire.spr\r\n11 00 spark.spr\r\n";
const std::string kOtherParticles = "[nummer repeat sprite]\r\n07 01 smoke.spr\r\n";

// A player file as the editor writes it, with values in every field.
std::string playerFile(int variant)
{
    formats::PlayerRecord record;
    record.sprite = std::to_string(variant);
    record.team = "2";
    record.health = std::to_string(50 + variant);
    record.blood = "5";
    record.exploBlood = "11";
    for (std::size_t i = 0; i < record.slots.size(); ++i)
        record.slots[i] = {std::to_string(i + static_cast<std::size_t>(variant)), static_cast<int>(i % 3),
                           std::to_string(10 * i), "-1"};
    return formats::playerFileBytes(formats::withFilledAmmunition(record));
}

class Figureloom : public EditorUnderTest {
public:
    headless::HeadlessToolkit& toolkit() override { return toolkit_; }

    void writeSurroundings() override
    {
        writeFile("shots/weapons.lst", kWeapons);
        writeFile("sprites/particle.lst", kParticles);
        fs::create_directories("player");
    }

    void start() override
    {
        program_ = std::make_unique<figureloom::Program>(toolkit_);
        nameThePlayer();
    }

    void nameThePlayer() { text("Text2").type("hero"); }

    // A new health and one more slot's ammunition.
    void edit() override
    {
        ++edits_;
        text("Text10").type(std::to_string(200 + edits_));
        text("Text6", edits_ % formats::kWeaponSlotCount).type(std::to_string(edits_));
        toolkit_.find<HeadlessCheckBox>("Check1", edits_ % formats::kWeaponSlotCount).click();
    }

    std::vector<std::string> document() override { return snapshotWindow(*toolkit_.window()); }

    formats::PlayerRecord shownRecord()
    {
        formats::PlayerRecord record;
        record.sprite = text("Text5").text();
        record.team = text("Text11").text();
        record.health = text("Text10").text();
        record.moveSpeed = text("Text7").text();
        record.stepSpeed = text("Text8").text();
        record.blood = text("Text4", 0).text();
        record.exploBlood = text("Text4", 1).text();
        for (int i = 0; i < formats::kWeaponSlotCount; ++i)
            record.slots[static_cast<std::size_t>(i)] = {text("Text9", i).text(),
                                                         toolkit_.find<HeadlessCheckBox>("Check1", i).value(),
                                                         text("Text6", i).text(), text("Text12", i).text()};
        return record;
    }

    DocumentFile playerFile()
    {
        return DocumentFile{
            "player/hero.dat",
            ::playerFile(1),
            ::playerFile(2),
            [this] { return formats::playerFileBytes(formats::withFilledAmmunition(shownRecord())); },
            Command{[this] { button("Command1").click(); }, "Fehler beim laden !", ""},
            Command{[this] { button("Command2").click(); }, "Fehler beim speichern !", ""},
        };
    }

    HeadlessTextField& text(const std::string& name, int index = -1)
    {
        return toolkit_.find<HeadlessTextField>(name, index);
    }
    HeadlessButton& button(const std::string& name) { return toolkit_.find<HeadlessButton>(name); }
    Rows rows(const std::string& list) { return toolkit_.find<HeadlessListBox>(list).items(); }

private:
    headless::HeadlessToolkit toolkit_{"figureloom"};
    std::unique_ptr<figureloom::Program> program_;
    int edits_ = 0;
};

class FigureloomFaults : public ::testing::TestWithParam<FaultCase> {
protected:
    tervok::testing::TempDir dir_;
    Figureloom editor_;
};

using PlayerLoad = FigureloomFaults;
TEST_P(PlayerLoad, KeepsEveryFieldOnFailure) { checkLoad(editor_, editor_.playerFile(), GetParam()); }
INSTANTIATE_TEST_SUITE_P(Figureloom, PlayerLoad, ::testing::ValuesIn(kLoadFaults),
                         [](const auto& info) { return caseName(info.param); });

using PlayerSave = FigureloomFaults;
TEST_P(PlayerSave, KeepsTheFileOnFailure) { checkSave(editor_, editor_.playerFile(), GetParam()); }
INSTANTIATE_TEST_SUITE_P(Figureloom, PlayerSave, ::testing::ValuesIn(kSaveFaults),
                         [](const auto& info) { return caseName(info.param); });

using WeaponsAtStart = FigureloomFaults;
TEST_P(WeaponsAtStart, LeavesNoneAloneWhenUnreadable)
{
    const StartUpCatalogue catalogue{"shots/weapons.lst", kWeapons, [this] { return editor_.rows("List2"); },
                                     {"<none>", " 1: blaster", " 2: rocket"}, {"<none>"}};
    checkStartUp(editor_, catalogue, editor_.playerFile(), GetParam());
}
INSTANTIATE_TEST_SUITE_P(Figureloom, WeaponsAtStart, ::testing::ValuesIn(kStartUpFaults),
                         [](const auto& info) { return caseName(info.param); });

using ParticlesAtStart = FigureloomFaults;
TEST_P(ParticlesAtStart, LeavesNoneAloneWhenUnreadable)
{
    const StartUpCatalogue catalogue{"sprites/particle.lst", kParticles, [this] { return editor_.rows("List1"); },
                                     {"<none>", " 5: fire.spr", " 11: spark.spr"}, {"<none>"}};
    checkStartUp(editor_, catalogue, editor_.playerFile(), GetParam());
}
INSTANTIATE_TEST_SUITE_P(Figureloom, ParticlesAtStart, ::testing::ValuesIn(kStartUpFaults),
                         [](const auto& info) { return caseName(info.param); });

// "new" builds a fresh window that reads both catalogues as they are now.
struct NewCase {
    const char* list;
    const char* target;
    const std::string* otherBytes;
    Fault fault;
    Rows rows;
};

std::ostream& operator<<(std::ostream& out, const NewCase& c)
{
    return out << c.list << " " << faultName(c.fault);
}

class NewAfterCatalogueFault : public ::testing::TestWithParam<NewCase> {
protected:
    tervok::testing::TempDir dir_;
    Figureloom editor_;
};

TEST_P(NewAfterCatalogueFault, ShowsTheCatalogueAsItIsNowAndKeepsWorking)
{
    const NewCase& c = GetParam();
    FaultScene scene(c.fault, c.target);
    editor_.writeSurroundings();
    editor_.start();
    editor_.edit();
    scene.apply(*c.otherBytes);
    const FolderTree treeBefore = snapshotTree(".");

    editor_.button("Command3").click();

    EXPECT_EQ(editor_.rows(c.list), c.rows);
    EXPECT_TRUE(editor_.toolkit().messages().empty());
    EXPECT_EQ(editor_.text("Text10").text(), "100");  // the fresh window holds the new player
    EXPECT_EQ(snapshotTree("."), treeBefore);
    EXPECT_FALSE(editor_.toolkit().quitRequested());
    scene.heal();
    editor_.nameThePlayer();
    expectStillWorking(editor_, editor_.playerFile());
}

INSTANTIATE_TEST_SUITE_P(
    Figureloom, NewAfterCatalogueFault,
    ::testing::Values(
        NewCase{"List2", "shots/weapons.lst", &kOtherWeapons, Fault::RemovedAfterStart, {"<none>"}},
        NewCase{"List2", "shots/weapons.lst", &kOtherWeapons, Fault::ReplacedAfterStart, {"<none>", " 4: flamer"}},
        NewCase{"List2", "shots/weapons.lst", &kOtherWeapons, Fault::FolderInPlace, {"<none>"}},
        NewCase{"List2", "shots/weapons.lst", &kOtherWeapons, Fault::MissingFolder, {"<none>"}},
        NewCase{"List1", "sprites/particle.lst", &kOtherParticles, Fault::RemovedAfterStart, {"<none>"}},
        NewCase{"List1", "sprites/particle.lst", &kOtherParticles, Fault::ReplacedAfterStart,
                {"<none>", " 7: smoke.spr"}},
        NewCase{"List1", "sprites/particle.lst", &kOtherParticles, Fault::FolderInPlace, {"<none>"}},
        NewCase{"List1", "sprites/particle.lst", &kOtherParticles, Fault::MissingFolder, {"<none>"}}),
    [](const auto& info) {
        return std::string(info.param.list == std::string("List2") ? "Weapons" : "Particles") + "_" +
               faultName(info.param.fault);
    });

}  // namespace
