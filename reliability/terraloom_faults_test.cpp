// The level editor against every file fault: the map's load, save and new,
// the script's load and save, and the two catalogues read at start-up.
#include "common/testing/bmp_bytes.h"
#include "common/testing/temp_dir.h"
#include "formats/map_file.h"
#include "formats/script_file.h"
#include "reliability/harness/file_faults.h"
#include "reliability/harness/snapshots.h"
#include "terraloom/form/form1.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using namespace reliability;
using headless::HeadlessButton;
using headless::HeadlessListBox;
using headless::HeadlessPictureBox;
using headless::HeadlessTextField;
using tervok::testing::readFile;
using tervok::testing::writeFile;

const std::string kTileCatalogue = "[nr kl name]\r\n01 04 grass001\r\n02 03 water001\r\n03 01 wall001\r\n";
const std::string kPlayerCatalogue = "[players]\r\n03 hero\r\n07 orc\r\n";
const std::string kScriptHeader = "[set <type> <nmr> <anz> <x> <y> <r>]\r\n";

std::string bitmapFile()
{
    return tervok::testing::bmpFile();
}

// A full map whose cells run through every tile number.
std::string patternedMap(int step)
{
    std::string bytes(formats::kMapFileSize, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>((i * static_cast<std::size_t>(step)) % 101);
    return bytes;
}

class Terraloom : public EditorUnderTest {
public:
    headless::HeadlessToolkit& toolkit() override { return toolkit_; }

    void writeSurroundings() override
    {
        writeFile("map/mapteile.lst", kTileCatalogue);
        writeFile("player/player.lst", kPlayerCatalogue);
        for (const char* name : {"grass", "water", "wall"})
            writeFile(std::string("ep/") + name + ".bmp", bitmapFile());
    }

    void start() override
    {
        form_ = std::make_unique<terraloom::Form1>(toolkit_);
        form_->show();
    }

    // Paints one more cell and adds one more script line.
    void edit() override
    {
        ++edits_;
        find<HeadlessListBox>("List1").press(1 + edits_ % 3);
        find<HeadlessPictureBox>("pic", 1 + (edits_ - 1) % 100).mouseDown(ui::kLeftButton, 0, 5, 5);
        find<HeadlessListBox>("List3").press(1);
        find<HeadlessButton>("Command11").click();
        find<HeadlessTextField>("Text6").type(std::to_string(edits_));
        find<HeadlessButton>("Command13").click();
    }

    std::vector<std::string> document() override
    {
        std::vector<std::string> lines = snapshotWindow(*toolkit_.window());
        const auto& cells = form_->state().grid.cells();
        for (std::size_t row = 0; row < formats::kMapSize; ++row) {
            std::string line = "grid row " + std::to_string(row + 1) + ":";
            for (std::size_t x = 0; x < formats::kMapSize; ++x)
                line += " " + std::to_string(cells[row * formats::kMapSize + x]);
            lines.push_back(line);
        }
        return lines;
    }

    DocumentFile mapFile()
    {
        return DocumentFile{
            "map/map1.map",
            patternedMap(7),
            patternedMap(13),
            [this] { return formats::mapFileBytes(form_->state().grid, ""); },
            Command{[this] { find<HeadlessButton>("Command1").click(); }, "Fehler beim laden !", ""},
            Command{[this] { find<HeadlessButton>("Command2").click(); }, "Fehler beim speichern !", ""},
        };
    }

    DocumentFile scriptFile()
    {
        return DocumentFile{
            "map/map1.msc",
            kScriptHeader + "set player 3 1 130 250 2\r\ndef player 1 1 410 70 4\r\n",
            kScriptHeader + "set player 7 2 330 1450 1\r\n",
            [this] { return formats::scriptFileBytes(label("Label4"), find<HeadlessListBox>("List2").items()); },
            Command{[this] { find<HeadlessButton>("Command10").click(); }, "Fehler", "Script geladen "},
            Command{[this] { find<HeadlessButton>("Command12").click(); }, "Fehler", "Script gespeichert "},
        };
    }

    formats::MapGrid& grid() { return form_->state().grid; }

    template <class T>
    T& find(const std::string& name, int index = -1)
    {
        return toolkit_.find<T>(name, index);
    }
    std::string label(const std::string& name) { return find<ui::Label>(name).caption(); }

private:
    headless::HeadlessToolkit toolkit_{"terraloom"};
    std::unique_ptr<terraloom::Form1> form_;
    int edits_ = 0;
};

class TerraloomFaults : public ::testing::TestWithParam<FaultCase> {
protected:
    tervok::testing::TempDir dir_;
    Terraloom editor_;
};

using MapLoad = TerraloomFaults;
TEST_P(MapLoad, KeepsTheMapOnFailure) { checkLoad(editor_, editor_.mapFile(), GetParam()); }
INSTANTIATE_TEST_SUITE_P(Terraloom, MapLoad, ::testing::ValuesIn(kLoadFaults),
                         [](const auto& info) { return caseName(info.param); });

using MapSave = TerraloomFaults;
TEST_P(MapSave, KeepsTheFileOnFailure) { checkSave(editor_, editor_.mapFile(), GetParam()); }
INSTANTIATE_TEST_SUITE_P(Terraloom, MapSave, ::testing::ValuesIn(kSaveFaults),
                         [](const auto& info) { return caseName(info.param); });

using ScriptLoad = TerraloomFaults;
TEST_P(ScriptLoad, KeepsTheScriptOnFailure) { checkLoad(editor_, editor_.scriptFile(), GetParam()); }
INSTANTIATE_TEST_SUITE_P(Terraloom, ScriptLoad, ::testing::ValuesIn(kLoadFaults),
                         [](const auto& info) { return caseName(info.param); });

using ScriptSave = TerraloomFaults;
TEST_P(ScriptSave, KeepsTheFileOnFailure) { checkSave(editor_, editor_.scriptFile(), GetParam()); }
INSTANTIATE_TEST_SUITE_P(Terraloom, ScriptSave, ::testing::ValuesIn(kSaveFaults),
                         [](const auto& info) { return caseName(info.param); });

// "new" clears the grid once the user said OK, whatever happens to the file:
// it only makes sure an empty file exists and never writes a byte into one.
const std::vector<FaultCase> kNewFaults{
    {Fault::MissingFile, Outcome::Succeeds},
    {Fault::MissingFolder, Outcome::Fails},
    {Fault::ReadOnlyFile, Outcome::Succeeds},
    {Fault::DiskFull, Outcome::Succeeds},
    {Fault::RemovedAfterStart, Outcome::Succeeds},
    {Fault::ReplacedAfterStart, Outcome::Succeeds},
    {Fault::FolderInPlace, Outcome::Fails},
    {Fault::StaleTempBeside, Outcome::Succeeds},
};

using MapNew = TerraloomFaults;
TEST_P(MapNew, ClearsTheGridAndNeverWritesIntoAFile)
{
    const FaultCase c = GetParam();
    const DocumentFile file = editor_.mapFile();
    FaultScene scene(c.fault, file.target);
    if (!scene.ready()) {
        GTEST_SKIP() << scene.reason();
    }
    editor_.writeSurroundings();
    scene.writeTarget(file.firstFile);
    editor_.start();
    editor_.edit();
    scene.apply(file.secondFile);
    FolderTree treeBefore = snapshotTree(".");
    editor_.toolkit().clearMessages();

    editor_.find<HeadlessButton>("Command3").click();

    EXPECT_EQ(editor_.grid(), formats::MapGrid{});
    FolderTree treeAfter = snapshotTree(".");
    if (c.outcome == Outcome::Fails) {
        expectFailureShown(editor_.toolkit(), "Fehler beim speichern !");
    } else {
        expectNoFailureShown(editor_.toolkit(), "");
        EXPECT_EQ(readFile(file.target), scene.targetBytes().value_or(""));
        if (!scene.targetBytes())
            treeAfter.erase(file.target.generic_string());
    }
    EXPECT_EQ(treeAfter, treeBefore);
    scene.heal();
    expectStillWorking(editor_, file);
}
INSTANTIATE_TEST_SUITE_P(Terraloom, MapNew, ::testing::ValuesIn(kNewFaults),
                         [](const auto& info) { return caseName(info.param); });

std::vector<std::string> tileRows(bool read)
{
    std::vector<std::string> rows(101);
    if (read) {
        rows[1] = "grass001";
        rows[2] = "water001";
        rows[3] = "wall001";
    }
    return rows;
}

using TileCatalogueAtStart = TerraloomFaults;
TEST_P(TileCatalogueAtStart, LeavesTilesUnnamedWhenUnreadable)
{
    const StartUpCatalogue catalogue{"map/mapteile.lst", kTileCatalogue,
                                     [this] { return editor_.find<HeadlessListBox>("List1").items(); },
                                     tileRows(true), tileRows(false)};
    checkStartUp(editor_, catalogue, editor_.mapFile(), GetParam());
}
INSTANTIATE_TEST_SUITE_P(Terraloom, TileCatalogueAtStart, ::testing::ValuesIn(kStartUpFaults),
                         [](const auto& info) { return caseName(info.param); });

using PlayerCatalogueAtStart = TerraloomFaults;
TEST_P(PlayerCatalogueAtStart, LeavesNoneAloneWhenUnreadable)
{
    const StartUpCatalogue catalogue{"player/player.lst", kPlayerCatalogue,
                                     [this] { return editor_.find<HeadlessListBox>("List3").items(); },
                                     {"<none>", " 3: hero", " 7: orc"},
                                     {"<none>"}};
    checkStartUp(editor_, catalogue, editor_.scriptFile(), GetParam());
}
INSTANTIATE_TEST_SUITE_P(Terraloom, PlayerCatalogueAtStart, ::testing::ValuesIn(kStartUpFaults),
                         [](const auto& info) { return caseName(info.param); });

}  // namespace
