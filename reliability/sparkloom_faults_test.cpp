// The particle editor against every file fault: reload, save, and the
// sprite dialog after the start directory vanished.
#include "common/testing/temp_dir.h"
#include "formats/particle_catalogue.h"
#include "reliability/harness/file_faults.h"
#include "reliability/harness/snapshots.h"
#include "sparkloom/form/program.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using namespace reliability;
using headless::HeadlessButton;
using headless::HeadlessListBox;
using headless::HeadlessTextField;

class Sparkloom : public EditorUnderTest {
public:
    headless::HeadlessToolkit& toolkit() override { return toolkit_; }

    void writeSurroundings() override {}

    void start() override { program_ = std::make_unique<sparkloom::Program>(toolkit_); }

    // Adds one more entry line.
    void edit() override
    {
        ++edits_;
        text("Text1").type(std::to_string(edits_ % 99));
        text("Text2").type("1");
        text("Text3").type("s" + std::to_string(edits_) + ".spr");
        button("Command5").click();
    }

    std::vector<std::string> document() override { return snapshotWindow(*toolkit_.window()); }

    DocumentFile catalogueFile()
    {
        return DocumentFile{
            "sprites/particle.lst",
            formats::particleCatalogueBytes({"05 12 fire.spr", "[03 01 smoke.spr", "", "11 00 spark.spr"}),
            formats::particleCatalogueBytes({"07 01 smoke.spr"}),
            [this] { return formats::particleCatalogueBytes(toolkit_.find<HeadlessListBox>("List1").items()); },
            Command{[this] { button("Command1").click(); }, "Fehler beim laden !", ""},
            Command{[this] { button("Command2").click(); }, "Fehler beim speichern !", ""},
        };
    }

    HeadlessTextField& text(const std::string& name) { return toolkit_.find<HeadlessTextField>(name); }
    HeadlessButton& button(const std::string& name) { return toolkit_.find<HeadlessButton>(name); }

private:
    headless::HeadlessToolkit toolkit_{"sparkloom"};
    std::unique_ptr<sparkloom::Program> program_;
    int edits_ = 0;
};

class SparkloomFaults : public ::testing::TestWithParam<FaultCase> {
protected:
    tervok::testing::TempDir dir_;
    Sparkloom editor_;
};

using CatalogueReload = SparkloomFaults;
TEST_P(CatalogueReload, KeepsEveryRowOnFailure) { checkLoad(editor_, editor_.catalogueFile(), GetParam()); }
INSTANTIATE_TEST_SUITE_P(Sparkloom, CatalogueReload, ::testing::ValuesIn(kLoadFaults),
                         [](const auto& info) { return caseName(info.param); });

using CatalogueSave = SparkloomFaults;
TEST_P(CatalogueSave, KeepsTheFileOnFailure) { checkSave(editor_, editor_.catalogueFile(), GetParam()); }
INSTANTIATE_TEST_SUITE_P(Sparkloom, CatalogueSave, ::testing::ValuesIn(kSaveFaults),
                         [](const auto& info) { return caseName(info.param); });

TEST(SparkloomStartDirectory, VanishedStartDirectoryFailsVisiblyAndRecovers)
{
    tervok::testing::TempDir dir;
    const fs::path data = dir.path() / "data";
    fs::create_directories(data / "sprites");
    fs::current_path(data);
    Sparkloom editor;
    editor.start();
    editor.edit();
    fs::remove_all(data);

    editor.toolkit().answerDialog("rocket.spr");
    editor.button("Command4").click();
    EXPECT_EQ(editor.text("Text3").text(), "rocket.spr");
    EXPECT_TRUE(editor.toolkit().messages().empty());

    const std::vector<std::string> document = editor.document();
    editor.button("Command2").click();
    expectFailureShown(editor.toolkit(), "Fehler beim speichern !");
    EXPECT_EQ(editor.document(), document);
    EXPECT_EQ(snapshotTree(dir.path()), FolderTree{});
    editor.button("Command1").click();
    expectFailureShown(editor.toolkit(), "Fehler beim laden !");
    EXPECT_EQ(editor.document(), document);

    fs::create_directories(data / "sprites");
    editor.toolkit().answerDialog(std::nullopt);
    editor.button("Command4").click();
    EXPECT_TRUE(fs::equivalent(fs::current_path(), data));
    expectStillWorking(editor, editor.catalogueFile());
}

}  // namespace
