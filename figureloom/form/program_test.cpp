#include "figureloom/form/program.h"

#include "common/testing/temp_dir.h"
#include "toolkit/headless/headless_toolkit.h"

#include <gtest/gtest.h>

namespace figureloom {
namespace {

using headless::HeadlessButton;
using headless::HeadlessCheckBox;
using headless::HeadlessListBox;
using headless::HeadlessTextField;
using tervok::testing::writeFile;

class ProgramTest : public ::testing::Test {
protected:
    HeadlessTextField& text(const std::string& name, int index = -1)
    {
        return toolkit.find<HeadlessTextField>(name, index);
    }

    tervok::testing::TempDir dir;
    headless::HeadlessToolkit toolkit{"figureloom"};
};

TEST_F(ProgramTest, NewBuildsAFreshWindowWithCurrentCatalogues)
{
    writeFile("shots/weapons.lst", "01 blaster\r\n");
    Program program(toolkit);
    headless::HeadlessWindow* first = toolkit.window();
    text("Text2").type("hero");
    text("Text9", 3).type("12");
    text("Text6", 3).type("40");
    toolkit.find<HeadlessCheckBox>("Check1", 3).click();
    text("Text4", 0).type("5");
    toolkit.find<HeadlessListBox>("List2").press(1);
    writeFile("shots/weapons.lst", "01 blaster\r\n02 rocket\r\n");
    writeFile("sprites/particle.lst", "05 12 fire.spr\r\n");

    toolkit.find<HeadlessButton>("Command3").click();

    headless::HeadlessWindow* fresh = toolkit.window();
    ASSERT_NE(fresh, nullptr);
    EXPECT_NE(fresh, first);
    EXPECT_TRUE(fresh->isShown());
    EXPECT_EQ(text("Text2").text(), "");
    for (int i = 0; i < formats::kWeaponSlotCount; ++i) {
        EXPECT_EQ(text("Text9", i).text() + text("Text6", i).text() + text("Text12", i).text(), "000");
        EXPECT_EQ(toolkit.find<HeadlessCheckBox>("Check1", i).value(), 0);
    }
    EXPECT_EQ(text("Text4", 0).text(), "");
    EXPECT_EQ(toolkit.find<HeadlessListBox>("List2").items(),
              (std::vector<std::string>{"<none>", " 1: blaster", " 2: rocket"}));
    EXPECT_EQ(toolkit.find<HeadlessListBox>("List2").selectedIndex(), -1);
    EXPECT_EQ(toolkit.find<HeadlessListBox>("List1").items(),
              (std::vector<std::string>{"<none>", " 5: fire.spr"}));

    // The fresh window works like the first one.
    toolkit.find<HeadlessListBox>("List2").press(2);
    toolkit.find<HeadlessButton>("Command5", 0).click();
    EXPECT_EQ(text("Text9", 0).text(), "2");
    EXPECT_FALSE(toolkit.quitRequested());
}

TEST_F(ProgramTest, ClosingTheWindowEndsTheProgram)
{
    Program program(toolkit);
    toolkit.find<HeadlessButton>("Command3").click();
    toolkit.window()->close();
    EXPECT_TRUE(toolkit.quitRequested());
}

}  // namespace
}  // namespace figureloom
