#include "figureloom/form/form1.h"

#include "common/testing/temp_dir.h"
#include "formats/player_file.h"
#include "formats/player_file_samples.h"
#include "toolkit/headless/headless_toolkit.h"

#include <gtest/gtest.h>

namespace figureloom {
namespace {

using headless::HeadlessButton;
using headless::HeadlessCheckBox;
using headless::HeadlessContainer;
using headless::HeadlessLabel;
using headless::HeadlessListBox;
using headless::HeadlessTextField;
using tervok::testing::readFile;
using tervok::testing::writeFile;

const std::string kWeapons = "[nmr name]\r\n01 blaster\r\n02 rocket\r\n[03 laser\r\n\r\n14 mine\r\n";
const std::string kParticles = "[nummer repeat sprite]\r\n05 12 fire.spr\r\n11 00 spark.spr\r\n07 01 smoke.spr";

class Form1Test : public ::testing::Test {
protected:
    void start()
    {
        form = std::make_unique<Form1>(toolkit);
        form->show();
    }
    void startWithCatalogues()
    {
        writeFile("shots/weapons.lst", kWeapons);
        writeFile("sprites/particle.lst", kParticles);
        std::filesystem::create_directory("player");
        start();
    }
    HeadlessTextField& text(const std::string& name, int index = -1)
    {
        return toolkit.find<HeadlessTextField>(name, index);
    }
    HeadlessButton& button(const std::string& name, int index = -1)
    {
        return toolkit.find<HeadlessButton>(name, index);
    }
    HeadlessCheckBox& check(int slot) { return toolkit.find<HeadlessCheckBox>("Check1", slot); }
    HeadlessListBox& list(const std::string& name) { return toolkit.find<HeadlessListBox>(name); }

    tervok::testing::TempDir dir;
    headless::HeadlessToolkit toolkit{"figureloom"};
    std::unique_ptr<Form1> form;
};

TEST_F(Form1Test, WindowShowsEveryControlAtItsDesignPlace)
{
    start();
    ui::Window& window = *toolkit.window();
    EXPECT_EQ(window.caption(), "Player Editor V1.0 by Drummel");
    EXPECT_EQ(window.geometry(), (ui::Geometry{0, 0, 9795, 5295}));
    EXPECT_TRUE(toolkit.window()->isShown());

    EXPECT_EQ(text("Text1").text(), "player\\");
    EXPECT_EQ(text("Text2").text(), "");
    EXPECT_EQ(text("Text3").text(), ".dat");
    EXPECT_EQ(text("Text2").geometry(), (ui::Geometry{720, 120, 855, 285}));
    EXPECT_EQ(button("Command3").caption(), "new");
    EXPECT_EQ(button("Command3").geometry(), (ui::Geometry{1560, 480, 615, 255}));

    EXPECT_EQ(toolkit.find<HeadlessContainer>("Frame8").caption(), "Weapons (shots\\weapons.lst)");
    EXPECT_EQ(toolkit.find<HeadlessLabel>("Label2").caption(), "da ?");
    EXPECT_EQ(toolkit.find<HeadlessLabel>("Label3").toolTip(), "-1 = unendlich");
    EXPECT_EQ(toolkit.find<HeadlessLabel>("Label4").toolTip(), "-1 = unendlich");
    EXPECT_EQ(toolkit.find<HeadlessLabel>("Label1").toolTip(), "");
    for (int i = 0; i < formats::kWeaponSlotCount; ++i) {
        const int top = 600 + 360 * i;
        EXPECT_EQ(text("Text9", i).geometry(), (ui::Geometry{120, top, 375, 285}));
        EXPECT_EQ(button("Command5", i).geometry(), (ui::Geometry{600, top, 255, 255}));
        EXPECT_EQ(check(i).geometry(), (ui::Geometry{960, top, 255, 255}));
        EXPECT_EQ(text("Text12", i).geometry(), (ui::Geometry{2280, top, 855, 285}));
        EXPECT_EQ(text("Text9", i).text() + text("Text6", i).text() + text("Text12", i).text(), "000");
        EXPECT_EQ(check(i).value(), 0);
        EXPECT_EQ(check(i).caption(), "Check1");
    }

    EXPECT_EQ(toolkit.find<HeadlessContainer>("Frame7").caption(), "strafe");
    EXPECT_EQ(text("Text8").text(), "100");
    EXPECT_EQ(toolkit.find<HeadlessContainer>("Frame4").geometry(), (ui::Geometry{1200, 1080, 975, 615}));
    EXPECT_EQ(text("Text4", 1).text(), "");
    EXPECT_EQ(button("Command6").geometry(), (ui::Geometry{1200, 240, 255, 255}));
    EXPECT_EQ(text("Text10").text(), "100");
    EXPECT_EQ(toolkit.find<HeadlessContainer>("Frame9").caption(), "sprites\\Particle.lst");
    EXPECT_EQ(list("List2").geometry(), (ui::Geometry{8040, 360, 1575, 3570}));
}

TEST_F(Form1Test, StartFillsWeaponAndParticleLists)
{
    startWithCatalogues();
    EXPECT_EQ(list("List2").items(),
              (std::vector<std::string>{"<none>", " 1: blaster", " 2: rocket", " 14: mine"}));
    EXPECT_EQ(list("List1").items(),
              (std::vector<std::string>{"<none>", " 5: fire.spr", " 11: spark.spr", " 7: smoke.spr"}));
    EXPECT_TRUE(toolkit.messages().empty());
}

TEST_F(Form1Test, MissingCataloguesLeaveNoneAlone)
{
    start();
    EXPECT_EQ(list("List1").items(), std::vector<std::string>{"<none>"});
    EXPECT_EQ(list("List2").items(), std::vector<std::string>{"<none>"});
    EXPECT_TRUE(toolkit.messages().empty());
}

TEST_F(Form1Test, PickButtonsCopyTheNumberBehindTheSelectedRow)
{
    startWithCatalogues();
    list("List1").press(0);
    button("Command4", 0).click();
    EXPECT_EQ(text("Text4", 0).text(), "0");

    list("List1").press(3);
    button("Command4", 1).click();
    button("Command6").click();
    EXPECT_EQ(text("Text4", 1).text(), "7");
    EXPECT_EQ(text("Text5").text(), "7");

    list("List2").press(3);
    button("Command5", 7).click();
    button("Command5", 2).click();
    EXPECT_EQ(text("Text9", 7).text(), "14");
    EXPECT_EQ(text("Text9", 2).text(), "14");
    EXPECT_EQ(check(7).value(), 0);
    EXPECT_EQ(text("Text6", 7).text(), "0");
    EXPECT_EQ(text("Text9", 6).text(), "0");
}

TEST_F(Form1Test, PickWithoutSelectionChangesNothing)
{
    startWithCatalogues();
    text("Text5").type("3");
    button("Command6").click();
    button("Command5", 0).click();
    EXPECT_EQ(text("Text5").text(), "3");
    EXPECT_EQ(text("Text9", 0).text(), "0");
}

TEST_F(Form1Test, NewPlayerSavedAtOnceGivesTheFixedFile)
{
    startWithCatalogues();
    text("Text2").type("hero");
    button("Command2").click();
    EXPECT_EQ(readFile("player/hero.dat"), formats::samples::newPlayerFile());
    EXPECT_TRUE(toolkit.messages().empty());
    EXPECT_EQ(text("Text6", 0).text(), "0000");
    EXPECT_EQ(text("Text12", 9).text(), "0000");
    EXPECT_EQ(text("Text9", 0).text(), "0");
}

TEST_F(Form1Test, SaveShowsFilledAmmunitionAndLoadReadsItBack)
{
    startWithCatalogues();
    text("Text2").type("hero");
    text("Text9", 1).type("5");
    text("Text6", 1).type("-1");
    text("Text12", 1).type("");
    text("Text6", 2).type("12345");
    button("Command2").click();
    EXPECT_EQ(text("Text9", 1).text(), "5");
    EXPECT_EQ(text("Text6", 1).text(), "00-1");
    EXPECT_EQ(text("Text12", 1).text(), "0000");
    EXPECT_EQ(text("Text6", 2).text(), "12345");
    EXPECT_NE(readFile("player/hero.dat").find("weapon[2]\r\n05 0 00-1 0000\r\nweapon[3]\r\n00 0 12345 0000\r\n"),
              std::string::npos);

    button("Command1").click();
    EXPECT_EQ(text("Text9", 1).text(), "05");
    EXPECT_EQ(text("Text6", 1).text(), "00-1");
    EXPECT_EQ(text("Text6", 2).text(), "1234");
    EXPECT_EQ(text("Text12", 2).text(), " 000");
}

TEST_F(Form1Test, LoadFillsEveryControlFromTheFile)
{
    startWithCatalogues();
    formats::PlayerRecord record;
    record.sprite = "12";
    record.team = "2";
    record.health = "250";
    record.moveSpeed = "175";
    record.stepSpeed = "80";
    record.blood = "05";
    record.exploBlood = "11";
    record.slots[0] = formats::WeaponSlot{"14", 1, "0100", "0200"};
    record.slots[8] = formats::WeaponSlot{"02", 2, "00-1", "00-1"};
    record.slots[9] = formats::WeaponSlot{"01", 7, "0001", "0009"};
    writeFile("player/hero.dat", formats::playerFileBytes(record));

    text("Text2").type("hero");
    button("Command1").click();
    EXPECT_TRUE(toolkit.messages().empty());
    EXPECT_EQ(text("Text5").text(), "12");
    EXPECT_EQ(text("Text11").text(), "2");
    EXPECT_EQ(text("Text10").text(), "250");
    EXPECT_EQ(text("Text7").text(), "175");
    EXPECT_EQ(text("Text8").text(), "80");
    EXPECT_EQ(text("Text4", 0).text(), "05");
    EXPECT_EQ(text("Text4", 1).text(), "11");
    EXPECT_EQ(text("Text9", 0).text(), "14");
    EXPECT_EQ(check(0).value(), 1);
    EXPECT_EQ(text("Text6", 0).text(), "0100");
    EXPECT_EQ(text("Text12", 0).text(), "0200");
    EXPECT_EQ(check(8).value(), 2);
    EXPECT_EQ(check(9).value(), 1);
    EXPECT_EQ(text("Text12", 9).text(), "0009");

    // A greyed box is written back as 2; the box that showed 7 as ticked.
    text("Text2").type("copy");
    button("Command2").click();
    const std::string copy = readFile("player/copy.dat");
    EXPECT_NE(copy.find("weapon[9]\r\n02 2 00-1 00-1\r\nweapon[:]\r\n01 1 0001 0009\r\n"), std::string::npos);
}

TEST_F(Form1Test, FailedLoadReportsAndChangesNoField)
{
    startWithCatalogues();
    text("Text5").type("9");
    text("Text6", 4).type("77");
    text("Text2").type("nobody");
    button("Command1").click();

    writeFile("player/short.dat", formats::samples::newPlayerFile().substr(0, 200));
    text("Text2").type("short");
    button("Command1").click();

    ASSERT_EQ(toolkit.messages().size(), 2u);
    for (const headless::MessageRecord& message : toolkit.messages()) {
        EXPECT_EQ(message.title, "figureloom");
        EXPECT_EQ(message.text, "Fehler beim laden !");
        EXPECT_EQ(message.icon, ui::MessageIcon::Critical);
        EXPECT_EQ(message.buttons, ui::MessageButtons::Ok);
    }
    EXPECT_EQ(text("Text5").text(), "9");
    EXPECT_EQ(text("Text6", 4).text(), "77");
    EXPECT_EQ(text("Text10").text(), "100");
}

TEST_F(Form1Test, FailedSaveReportsAndKeepsOldFileAndBoxes)
{
    startWithCatalogues();
    text("Text6", 0).type("5");
    text("Text1").type("missing\\");
    text("Text2").type("hero");
    button("Command2").click();

    writeFile("player/old.dat", "old");
    tervok::testing::makeReadOnly("player/old.dat");
    text("Text1").type("player\\");
    text("Text2").type("old");
    button("Command2").click();

    ASSERT_EQ(toolkit.messages().size(), 2u);
    for (const headless::MessageRecord& message : toolkit.messages()) {
        EXPECT_EQ(message.title, "figureloom");
        EXPECT_EQ(message.text, "Fehler beim speichern !");
        EXPECT_EQ(message.icon, ui::MessageIcon::Critical);
        EXPECT_EQ(message.buttons, ui::MessageButtons::Ok);
    }
    EXPECT_EQ(readFile("player/old.dat"), "old");
    EXPECT_EQ(text("Text6", 0).text(), "5");
    EXPECT_EQ(text("Text12", 0).text(), "0");
}

// A comma anywhere, or a double quote at the start, would shift the fields
// after it on the way back: the save is refused with the field's name, and
// neither the file nor the ammunition boxes change.
TEST_F(Form1Test, AValueTheFileCannotHoldIsRefusedByName)
{
    startWithCatalogues();
    writeFile("player/hero.dat", "old");
    text("Text2").type("hero");
    text("Text10").type("1,5");
    text("Text6", 3).type("7");
    button("Command2").click();
    ASSERT_EQ(toolkit.messages().size(), 1u);
    EXPECT_EQ(toolkit.messages()[0].text, "health: Komma oder \" am Anfang nicht speicherbar !");
    EXPECT_EQ(toolkit.messages()[0].icon, ui::MessageIcon::Critical);
    EXPECT_EQ(readFile("player/hero.dat"), "old");
    EXPECT_EQ(text("Text6", 3).text(), "7");

    text("Text10").type("150");
    text("Text12", 9).type("\"9");
    button("Command2").click();
    EXPECT_EQ(toolkit.messages().back().text, "max Munni 10: Komma oder \" am Anfang nicht speicherbar !");
    text("Text12", 9).type("9");
    text("Text9", 0).type(" \"1");
    button("Command2").click();
    EXPECT_EQ(toolkit.messages().back().text, "nmr 1: Komma oder \" am Anfang nicht speicherbar !");
    EXPECT_EQ(readFile("player/hero.dat"), "old");

    text("Text9", 0).type("1");
    toolkit.clearMessages();
    button("Command2").click();
    EXPECT_TRUE(toolkit.messages().empty());
    EXPECT_EQ(text("Text6", 3).text(), "0007");
}

TEST_F(Form1Test, EmptyNameUsesDirectoryAndExtensionAlone)
{
    startWithCatalogues();
    text("Text11").type("3");
    button("Command2").click();
    EXPECT_TRUE(std::filesystem::exists("player/.dat"));
    text("Text11").type("1");
    button("Command1").click();
    EXPECT_EQ(text("Text11").text(), "3");
}

}  // namespace
}  // namespace figureloom
