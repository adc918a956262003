#include "boltloom/form/form1.h"
#include "boltloom/form/program.h"

#include "common/errors/failure_report.h"
#include "common/testing/temp_dir.h"
#include "toolkit/headless/headless_toolkit.h"

#include <gtest/gtest.h>

#include <vector>

namespace boltloom {
namespace {

namespace fs = std::filesystem;
using headless::HeadlessButton;
using headless::HeadlessListBox;
using headless::HeadlessTextField;
using tervok::testing::readFile;
using tervok::testing::TempDir;
using tervok::testing::writeFile;

const char* const kCatalogue = "[nummer repeat sprite]\r\n05 12 fire.spr\r\n[03 01 smoke.spr\r\n11 00 spark.spr\r\n";

const char* const kLaserBytes =
    "[Schaden]\r\n25\r\n[Speed]\r\n800\r\n[ttl in frames]\r\n60\r\n[reload time in frames]\r\n20\r\n"
    "[Shot-Sprite]\r\nlaser.spr\r\n[Explo-Sprite]\r\n5\r\n[Name]\r\nLaser\r\n[Schadenradius]\r\n0\r\n";

const char* const kEmptyShotBytes =
    "[Schaden]\r\n\r\n[Speed]\r\n\r\n[ttl in frames]\r\n\r\n[reload time in frames]\r\n\r\n"
    "[Shot-Sprite]\r\n\r\n[Explo-Sprite]\r\n\r\n[Name]\r\n\r\n[Schadenradius]\r\n\r\n";

// The eight value fields in file order.
const std::vector<std::string> kValueFields{"Text4", "Text5", "Text6", "Text7",
                                            "Text8", "Text9", "Text10", "Text12"};

// A shot editor started in a fresh data folder holding shots\ and the
// particle catalogue.
class ShotEditorTest : public ::testing::Test {
protected:
    ShotEditorTest()
    {
        fs::create_directory("shots");
        writeFile("sprites/particle.lst", kCatalogue);
        program = std::make_unique<Program>(toolkit);
    }

    HeadlessTextField& field(const std::string& name) { return toolkit.find<HeadlessTextField>(name); }
    void click(const std::string& name) { toolkit.find<HeadlessButton>(name).click(); }
    void typeValues(const std::vector<std::string>& values)
    {
        for (std::size_t i = 0; i < kValueFields.size(); ++i)
            field(kValueFields[i]).type(values[i]);
    }
    std::vector<std::string> shownValues()
    {
        std::vector<std::string> values;
        for (const std::string& name : kValueFields)
            values.push_back(field(name).text());
        return values;
    }
    // The one message shown so far is this failure: critical icon, OK only.
    void expectOnlyFailure(const std::string& text)
    {
        ASSERT_EQ(toolkit.messages().size(), 1u);
        const headless::MessageRecord& message = toolkit.messages()[0];
        EXPECT_EQ(message.text, text);
        EXPECT_EQ(message.title, "boltloom");
        EXPECT_EQ(message.icon, ui::MessageIcon::Critical);
        EXPECT_EQ(message.buttons, ui::MessageButtons::Ok);
    }
    void saveAs(const std::string& fileName)
    {
        field("Text2").type(fileName);
        click("Command2");
    }

    TempDir dir;
    headless::HeadlessToolkit toolkit{"boltloom"};
    std::unique_ptr<Program> program;
};

const std::vector<std::string> kLaser{"25", "800", "60", "20", "laser.spr", "5", "Laser", "0"};

TEST_F(ShotEditorTest, WindowShowsEveryControlAtItsDesignPlaceInFocusOrder)
{
    const headless::HeadlessWindow& window = *toolkit.window();
    EXPECT_TRUE(window.isShown());
    EXPECT_EQ(window.caption(), "ShotEditor by Drummel V1");
    EXPECT_EQ(window.geometry(), (ui::Geometry{0, 0, 5310, 4410}));

    struct Expected {
        const char* name;
        ui::Geometry geometry;
    };
    // Creation order is the keyboard focus order; frames come before what
    // they hold.
    const std::vector<Expected> expected{
        {"Text1", {480, 120, 615, 285}},     {"Text2", {1080, 120, 735, 285}},
        {"Text3", {1800, 120, 375, 285}},    {"Command1", {480, 480, 495, 255}},
        {"Command2", {1080, 480, 495, 255}}, {"Command3", {1680, 480, 495, 255}},
        {"Frame1", {120, 840, 1095, 615}},   {"Text4", {120, 240, 855, 285}},
        {"Frame2", {120, 1560, 1095, 615}},  {"Text5", {120, 240, 855, 285}},
        {"Frame3", {1440, 840, 1095, 615}},  {"Text6", {120, 240, 855, 285}},
        {"Frame4", {1440, 1560, 1095, 615}}, {"Text7", {120, 240, 855, 285}},
        {"Frame5", {120, 2280, 2415, 615}},  {"Text8", {120, 240, 1695, 285}},
        {"Command4", {1920, 240, 375, 255}}, {"Frame6", {120, 3720, 2415, 615}},
        {"Text9", {720, 240, 615, 285}},     {"Command5", {1440, 240, 375, 255}},
        {"List1", {2760, 480, 1935, 3765}},  {"Text10", {3360, 120, 1335, 285}},
        {"Text11", {2760, 120, 615, 285}},   {"Frame7", {120, 3000, 2415, 615}},
        {"Text12", {720, 240, 615, 285}},
    };
    ASSERT_EQ(window.controls().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(window.controls()[i]->name(), expected[i].name);
        EXPECT_EQ(window.controls()[i]->geometry(), expected[i].geometry) << expected[i].name;
    }
}

TEST_F(ShotEditorTest, StartsWithDesignTextsAndTheParticleCatalogue)
{
    EXPECT_EQ(field("Text1").text(), "shots\\");
    EXPECT_EQ(field("Text3").text(), ".sht");
    EXPECT_EQ(field("Text11").text(), "Name:");
    EXPECT_TRUE(field("Text1").isReadOnly());
    EXPECT_TRUE(field("Text3").isReadOnly());
    EXPECT_TRUE(field("Text11").isReadOnly());
    EXPECT_FALSE(field("Text2").isReadOnly());
    EXPECT_EQ(shownValues(), (std::vector<std::string>{"", "", "", "", "", "", "", "0"}));

    EXPECT_EQ(toolkit.find<HeadlessButton>("Command1").caption(), "load");
    EXPECT_EQ(toolkit.find<HeadlessButton>("Command4").caption(), ". . .");
    EXPECT_TRUE(toolkit.find<HeadlessButton>("Command4").isBold());
    EXPECT_EQ(toolkit.find<headless::HeadlessContainer>("Frame6").caption(), "ExploSprite - Particelnummer");

    EXPECT_EQ(toolkit.find<HeadlessListBox>("List1").items(),
              (std::vector<std::string>{"<none>", " 5: fire.spr", " 11: spark.spr"}));
}

TEST_F(ShotEditorTest, SavesTheLaserExampleByteForByte)
{
    typeValues(kLaser);
    saveAs("laser");
    EXPECT_EQ(readFile("shots/laser.sht"), kLaserBytes);
    EXPECT_TRUE(toolkit.messages().empty());
    EXPECT_EQ(shownValues(), kLaser);  // saving changes nothing in the window
}

TEST_F(ShotEditorTest, NewEmptiesEveryValueAndTheFileNameButNotThePathParts)
{
    typeValues(kLaser);
    field("Text2").type("laser");
    click("Command3");
    EXPECT_EQ(shownValues(), std::vector<std::string>(8, ""));
    EXPECT_EQ(field("Text2").text(), "");
    EXPECT_EQ(field("Text1").text(), "shots\\");
    EXPECT_EQ(field("Text3").text(), ".sht");
    EXPECT_EQ(field("Text11").text(), "Name:");
    EXPECT_EQ(toolkit.find<HeadlessListBox>("List1").count(), 3);

    saveAs("x");
    EXPECT_EQ(readFile("shots/x.sht"), kEmptyShotBytes);
}

TEST_F(ShotEditorTest, LoadBringsBackWhatWasSavedAndKeepsTheFileName)
{
    typeValues({"-3", "1.5", "60", "20", "my laser.spr", "11", "\xC4tzer", ""});
    saveAs("laser");
    click("Command3");
    field("Text2").type("laser");
    click("Command1");
    EXPECT_EQ(shownValues(), (std::vector<std::string>{"-3", "1.5", "60", "20", "my laser.spr", "11", "\xC4tzer", ""}));
    EXPECT_EQ(field("Text2").text(), "laser");
    EXPECT_TRUE(toolkit.messages().empty());
}

TEST_F(ShotEditorTest, LoadLosesLeadingBlanks)
{
    typeValues({" 25", "800", "60", "20", "laser.spr", "5", "Laser", "0"});
    saveAs("big");
    click("Command3");
    field("Text2").type("big");
    click("Command1");
    EXPECT_EQ(shownValues(), (std::vector<std::string>{"25", "800", "60", "20", "laser.spr", "5", "Laser", "0"}));
}

// A comma, or a double quote at the start, would shift every later value on
// the way back: the save refuses it, names the field and writes nothing.
TEST_F(ShotEditorTest, AValueTheFileCannotHoldIsRefusedByName)
{
    writeFile("shots/big.sht", "old");
    typeValues({"25", "800", "60", "20", "a,b.spr", "5", "Laser", "0"});
    saveAs("big");
    expectOnlyFailure("ShotSprite: Komma oder \" am Anfang nicht speicherbar !");
    EXPECT_EQ(readFile("shots/big.sht"), "old");

    toolkit.clearMessages();
    typeValues({"25", "800", "60", "20", "a.spr", "5", "  \"Laser\"", "0"});
    saveAs("big");
    expectOnlyFailure("Name: Komma oder \" am Anfang nicht speicherbar !");
    EXPECT_EQ(readFile("shots/big.sht"), "old");

    toolkit.clearMessages();
    typeValues({"25", "800", "60", "20", "a.spr", "5", "Laser \"2\"", "0"});
    saveAs("big");
    EXPECT_TRUE(toolkit.messages().empty());
    click("Command1");
    EXPECT_EQ(shownValues(), (std::vector<std::string>{"25", "800", "60", "20", "a.spr", "5", "Laser \"2\"", "0"}));
}

TEST_F(ShotEditorTest, FailedLoadShowsTheMessageAndChangesNoField)
{
    typeValues({"a", "b", "c", "d", "e", "f", "g", "h"});
    writeFile("shots/short.sht",
              "[Schaden]\r\n25\r\n[Speed]\r\n800\r\n[ttl in frames]\r\n60\r\n"
              "[reload time in frames]\r\n20\r\n[Shot-Sprite]\r\nlaser.spr\r\n");
    field("Text2").type("short");
    click("Command1");
    expectOnlyFailure("Fehler beim laden !");
    EXPECT_EQ(shownValues(), (std::vector<std::string>{"a", "b", "c", "d", "e", "f", "g", "h"}));

    field("Text2").type("missing");
    click("Command1");
    EXPECT_EQ(toolkit.messages().size(), 2u);
    EXPECT_EQ(shownValues(), (std::vector<std::string>{"a", "b", "c", "d", "e", "f", "g", "h"}));
}

TEST_F(ShotEditorTest, LoadWithAnEmptyFileNameOpensTheBareExtension)
{
    writeFile("shots/.sht", kLaserBytes);
    click("Command1");
    EXPECT_EQ(shownValues(), kLaser);
    EXPECT_TRUE(toolkit.messages().empty());
}

TEST_F(ShotEditorTest, FailedSaveIsReportedAndLeavesTheOldFile)
{
    typeValues(kLaser);
    writeFile("shots/locked.sht", "old bytes");
    tervok::testing::makeReadOnly("shots/locked.sht");
    saveAs("locked");
    EXPECT_EQ(readFile("shots/locked.sht"), "old bytes");
    expectOnlyFailure("Fehler beim speichern !");

    fs::remove_all("shots");
    saveAs("laser");
    EXPECT_EQ(toolkit.messages().size(), 2u);
    EXPECT_FALSE(fs::exists("shots"));
    EXPECT_EQ(shownValues(), kLaser);
}

// The dialog reports the name as the file system spells it; a name that the
// game's Windows-1252 files cannot hold would never lead back to its file.
TEST_F(ShotEditorTest, SpritePickRefusesANameWindows1252CannotHold)
{
    field("Text8").type("laser.spr");
    toolkit.answerDialog("\xD0\xBA\xD0\xBE\xD1\x82.spr");  // кот.spr
    click("Command4");
    expectOnlyFailure("Dateiname nicht in den Spieldateien speicherbar !");
    EXPECT_EQ(field("Text8").text(), "laser.spr");

    toolkit.clearMessages();
    toolkit.answerDialog("f\xC3\xBC" "nf.spr");  // fünf.spr
    click("Command4");
    EXPECT_TRUE(toolkit.messages().empty());
    EXPECT_EQ(field("Text8").text(), "f\xFC" "nf.spr");
}

TEST_F(ShotEditorTest, SpritePickOpensTheDialogFromTheStartDirectory)
{
    fs::create_directory("sprites/sub");
    fs::current_path("sprites/sub");  // as a dialog might leave it
    toolkit.answerDialog("laser.spr");
    click("Command4");
    ASSERT_EQ(toolkit.dialogs().size(), 1u);
    EXPECT_EQ(toolkit.dialogs()[0].presetFileName, "sprites\\*.spr");
    EXPECT_EQ(toolkit.dialogs()[0].workingDirectory, dir.path());
    EXPECT_EQ(fs::current_path(), dir.path());
    EXPECT_EQ(field("Text8").text(), "laser.spr");

    toolkit.answerDialog(std::nullopt);  // cancelled
    click("Command4");
    EXPECT_EQ(field("Text8").text(), "laser.spr");
    EXPECT_EQ(toolkit.dialogs().size(), 2u);
}

TEST(ShotEditorStartDirectory, SpritePickStillWorksWhenTheStartDirectoryIsGone)
{
    TempDir dir;
    fs::create_directory("gone");
    fs::current_path("gone");
    headless::HeadlessToolkit toolkit{"boltloom"};
    Program program(toolkit);
    fs::current_path(dir.path());
    fs::remove("gone");

    const tervok::FailureCapture stderrLines;
    toolkit.answerDialog("rocket.spr");
    toolkit.find<HeadlessButton>("Command4").click();
    EXPECT_EQ(toolkit.find<HeadlessTextField>("Text8").text(), "rocket.spr");
    EXPECT_EQ(fs::current_path(), dir.path());
    EXPECT_TRUE(toolkit.messages().empty());
    EXPECT_EQ(stderrLines.lines(), std::vector<std::string>{"boltloom: " + (dir.path() / "gone").string() +
                                                            ": cannot return to the game folder: no such folder"});
}

TEST_F(ShotEditorTest, ExplosionPickPutsTheSelectedParticleNumber)
{
    HeadlessListBox& list = toolkit.find<HeadlessListBox>("List1");
    click("Command5");  // nothing selected
    EXPECT_EQ(field("Text9").text(), "");

    list.press(2);
    click("Command5");
    EXPECT_EQ(field("Text9").text(), "11");
    list.press(1);
    click("Command5");
    EXPECT_EQ(field("Text9").text(), "5");
    list.press(0);
    click("Command5");
    EXPECT_EQ(field("Text9").text(), "0");
}

TEST(ShotEditorCatalogue, AMissingCatalogueLeavesOnlyNone)
{
    TempDir dir;
    headless::HeadlessToolkit toolkit{"boltloom"};
    Program program(toolkit);
    EXPECT_EQ(toolkit.find<HeadlessListBox>("List1").items(), std::vector<std::string>{"<none>"});
    EXPECT_TRUE(toolkit.messages().empty());
}

TEST_F(ShotEditorTest, ClosingTheWindowEndsTheProgram)
{
    toolkit.window()->close();
    EXPECT_TRUE(toolkit.quitRequested());
}

}  // namespace
}  // namespace boltloom
