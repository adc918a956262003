// The shot editor against every file fault: load, save, the particle
// catalogue read at start-up, and the sprite dialog after the start
// directory vanished.
#include "boltloom/form/program.h"
#include "common/testing/temp_dir.h"
#include "formats/shot_file.h"
#include "reliability/harness/file_faults.h"
#include "reliability/harness/snapshots.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using namespace reliability;
using headless::HeadlessButton;
using headless::HeadlessListBox;
using headless::HeadlessTextField;
using tervok::testing::readFile;
using tervok::testing::writeFile;

const std::string kParticles = "[nummer repeat sprite]\r\n05 12 fire.spr\r\n[03 01 smoke.spr\r\n11 00 spark.spr\r\n";

std::string shotFile(const std::string& name, const std::string& damage)
{
    return formats::shotFileBytes({damage, "800", "60", "20", "laser.spr", "5", name, "3"});
}

class Boltloom : public EditorUnderTest {
public:
    headless::HeadlessToolkit& toolkit() override { return toolkit_; }

    void writeSurroundings() override
    {
        writeFile("sprites/particle.lst", kParticles);
        fs::create_directories("shots");
    }

    void start() override
    {
        program_ = std::make_unique<boltloom::Program>(toolkit_);
        text("Text2").type("laser");
    }

    void edit() override
    {
        ++edits_;
        text("Text4").type(std::to_string(edits_));
        text("Text10").type("Shot " + std::to_string(edits_));
    }

    std::vector<std::string> document() override { return snapshotWindow(*toolkit_.window()); }

    DocumentFile shotFile()
    {
        return DocumentFile{
            "shots/laser.sht",
            ::shotFile("Laser", "25"),
            ::shotFile("Rocket", "90"),
            [this] {
                return formats::shotFileBytes({text("Text4").text(), text("Text5").text(), text("Text6").text(),
                                                text("Text7").text(), text("Text8").text(), text("Text9").text(),
                                                text("Text10").text(), text("Text12").text()});
            },
            Command{[this] { button("Command1").click(); }, "Fehler beim laden !", ""},
            Command{[this] { button("Command2").click(); }, "Fehler beim speichern !", ""},
        };
    }

    HeadlessTextField& text(const std::string& name) { return toolkit_.find<HeadlessTextField>(name); }
    HeadlessButton& button(const std::string& name) { return toolkit_.find<HeadlessButton>(name); }

private:
    headless::HeadlessToolkit toolkit_{"boltloom"};
    std::unique_ptr<boltloom::Program> program_;
    int edits_ = 0;
};

class BoltloomFaults : public ::testing::TestWithParam<FaultCase> {
protected:
    tervok::testing::TempDir dir_;
    Boltloom editor_;
};

using ShotLoad = BoltloomFaults;
TEST_P(ShotLoad, KeepsEveryFieldOnFailure) { checkLoad(editor_, editor_.shotFile(), GetParam()); }
INSTANTIATE_TEST_SUITE_P(Boltloom, ShotLoad, ::testing::ValuesIn(kLoadFaults),
                         [](const auto& info) { return caseName(info.param); });

using ShotSave = BoltloomFaults;
TEST_P(ShotSave, KeepsTheFileOnFailure) { checkSave(editor_, editor_.shotFile(), GetParam()); }
INSTANTIATE_TEST_SUITE_P(Boltloom, ShotSave, ::testing::ValuesIn(kSaveFaults),
                         [](const auto& info) { return caseName(info.param); });

using ParticlesAtStart = BoltloomFaults;
TEST_P(ParticlesAtStart, LeavesNoneAloneWhenUnreadable)
{
    const StartUpCatalogue catalogue{
        "sprites/particle.lst", kParticles,
        [this] { return editor_.toolkit().find<HeadlessListBox>("List1").items(); },
        {"<none>", " 5: fire.spr", " 11: spark.spr"},
        {"<none>"}};
    checkStartUp(editor_, catalogue, editor_.shotFile(), GetParam());
}
INSTANTIATE_TEST_SUITE_P(Boltloom, ParticlesAtStart, ::testing::ValuesIn(kStartUpFaults),
                         [](const auto& info) { return caseName(info.param); });

// The whole data folder goes while the editor runs. The sprite pick still
// works, a save fails visibly without writing anywhere, and once the folder
// is back the next pick returns to it and saving works again.
TEST(BoltloomStartDirectory, VanishedStartDirectoryFailsVisiblyAndRecovers)
{
    tervok::testing::TempDir dir;
    const fs::path data = dir.path() / "data";
    fs::create_directories(data);
    fs::current_path(data);
    Boltloom editor;
    editor.writeSurroundings();
    editor.start();
    editor.edit();
    fs::remove_all(data);

    editor.toolkit().answerDialog("rocket.spr");
    editor.button("Command4").click();
    EXPECT_EQ(editor.text("Text8").text(), "rocket.spr");
    EXPECT_TRUE(editor.toolkit().messages().empty());

    const std::vector<std::string> document = editor.document();
    editor.button("Command2").click();
    expectFailureShown(editor.toolkit(), "Fehler beim speichern !");
    EXPECT_EQ(editor.document(), document);
    EXPECT_EQ(snapshotTree(dir.path()), FolderTree{});
    editor.button("Command1").click();
    expectFailureShown(editor.toolkit(), "Fehler beim laden !");
    EXPECT_EQ(editor.document(), document);

    fs::create_directories(data / "shots");
    editor.toolkit().answerDialog(std::nullopt);
    editor.button("Command4").click();
    EXPECT_TRUE(fs::equivalent(fs::current_path(), data));
    expectStillWorking(editor, editor.shotFile());
}

}  // namespace
