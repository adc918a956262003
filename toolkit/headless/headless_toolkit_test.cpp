#include "toolkit/headless/headless_toolkit.h"
#include "common/testing/temp_dir.h"

#include <gtest/gtest.h>

namespace headless {
namespace {

class HeadlessEvents : public ::testing::Test {
protected:
    HeadlessToolkit toolkit_{"terraloom"};
    std::unique_ptr<ui::Window> window_ = toolkit_.createWindow("Form1", "title", 9000, 9000);
};

TEST_F(HeadlessEvents, TextChangeFiresOnlyOnRealChangesFromCodeAndUser)
{
    auto& field = toolkit_.createTextField(*window_, "Text1", -1, {0, 0, 100, 100}, "map1");
    int changes = 0;
    field.onChange = [&] { ++changes; };
    field.setText("map1");
    EXPECT_EQ(changes, 0);
    field.setText("map2");
    toolkit_.find<HeadlessTextField>("Text1").type("map3");
    toolkit_.find<HeadlessTextField>("Text1").type("map3");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(field.text(), "map3");
}

TEST_F(HeadlessEvents, SliderChangeIsSynchronousAndReentrant)
{
    auto& a = toolkit_.createSlider(*window_, "Slider1", -1, {}, ui::Orientation::Horizontal);
    a.setRange(1, 91);
    EXPECT_EQ(a.value(), 1);
    std::vector<int> seen;
    a.onChange = [&] {
        seen.push_back(a.value());
        if (a.value() > 91 - 5)
            a.setValue(91);
    };
    a.setValue(1);
    a.setValue(90);
    a.setValue(200);
    EXPECT_EQ(seen, (std::vector<int>{90, 91}));
}

TEST_F(HeadlessEvents, ListPressSelectsOnlyWithLeftButtonAndCodeRaisesNoEvent)
{
    auto& list = dynamic_cast<HeadlessListBox&>(toolkit_.createListBox(*window_, "List1", -1, {}));
    for (const char* row : {"a", "b", "c"})
        list.addItem(row);
    int presses = 0;
    list.onMouseDown = [&](const ui::MouseEvent&) { ++presses; };
    list.setSelectedIndex(1);
    EXPECT_EQ(presses, 0);
    list.press(2, ui::kRightButton);
    EXPECT_EQ(list.selectedIndex(), 1);
    list.press(2);
    EXPECT_EQ(list.selectedIndex(), 2);
    list.removeItem(2);
    EXPECT_EQ(list.selectedIndex(), -1);
    EXPECT_EQ(presses, 2);
}

TEST_F(HeadlessEvents, OptionsOfOneFrameExcludeEachOther)
{
    auto& frame = toolkit_.createFrame(*window_, "Frame1", -1, {}, "Richtung");
    auto& o0 = toolkit_.createOptionButton(frame, "Option1", 0, {}, "Option1");
    auto& o1 = toolkit_.createOptionButton(frame, "Option1", 1, {}, "Option1");
    auto& other = toolkit_.createOptionButton(*window_, "Option2", -1, {}, "Option2");
    other.setValue(true);
    o0.setValue(true);
    toolkit_.find<HeadlessOptionButton>("Option1", 1).click();
    EXPECT_FALSE(o0.value());
    EXPECT_TRUE(o1.value());
    EXPECT_TRUE(other.value());
}

TEST_F(HeadlessEvents, PictureFillsPixelsBetweenCornersInclusive)
{
    auto& pic = dynamic_cast<HeadlessPictureBox&>(toolkit_.createPictureBox(*window_, "Picture1", -1, {0, 0, 3000, 3000}));
    pic.fillRect(30, 30, 45, 45, 0x0000FF);
    EXPECT_EQ(pic.pixel(2, 2), 0x0000FFu);
    EXPECT_EQ(pic.pixel(3, 3), 0x0000FFu);
    EXPECT_EQ(pic.pixel(4, 4), HeadlessPictureBox::kNothingDrawn);
    EXPECT_EQ(pic.pixel(1, 2), HeadlessPictureBox::kNothingDrawn);
    pic.fillRect(-100, -100, 99999, 99999, 0);  // clipped, no crash
    EXPECT_EQ(pic.pixel(199, 199), 0u);
}

TEST_F(HeadlessEvents, ShortcutsRunWhereverTheFocusIsButInAFieldThatCanBeTyped)
{
    auto& window = dynamic_cast<HeadlessWindow&>(*window_);
    auto& field = dynamic_cast<HeadlessTextField&>(toolkit_.createTextField(window, "Text1", -1, {}, "map1"));
    auto& fixed = toolkit_.createTextField(window, "Text2", -1, {}, "map\\");
    fixed.setReadOnly(true);
    auto& picture = dynamic_cast<HeadlessPictureBox&>(toolkit_.createPictureBox(window, "pic", 1, {0, 0, 300, 300}));
    auto& button = dynamic_cast<HeadlessButton&>(toolkit_.createButton(window, "Command1", -1, {}, "load"));
    std::vector<std::string> ran;
    window.addShortcut({'Z', ui::kCtrlKey}, [&] { ran.push_back("undo"); });
    window.addShortcut({'Z', ui::kCtrlKey | ui::kShiftKey}, [&] { ran.push_back("redo"); });

    window.pressKeys('Z', ui::kCtrlKey);  // nothing has the focus yet
    window.pressKeys('Y', ui::kCtrlKey);  // no shortcut for these keys
    field.type("map2");
    EXPECT_EQ(window.focused(), &field);
    window.pressKeys('Z', ui::kCtrlKey | ui::kShiftKey);
    window.pressKeys('Z', ui::kCtrlKey);
    EXPECT_EQ(field.text(), "map1");  // the field took back its typing
    EXPECT_EQ(ran, std::vector<std::string>{"undo"});

    fixed.setFocus();  // a read-only field has nothing to edit
    window.pressKeys('Z', ui::kCtrlKey);
    field.setFocus();
    picture.mouseDown(ui::kLeftButton, 0, 0, 0);
    window.pressKeys('Z', ui::kCtrlKey | ui::kShiftKey);
    field.setFocus();
    button.click();
    window.pressKeys('Z', ui::kCtrlKey);
    EXPECT_EQ(ran, (std::vector<std::string>{"undo", "undo", "redo", "undo"}));

    field.setEnabled(false);
    field.setFocus();
    EXPECT_EQ(window.focused(), &button);
}

TEST_F(HeadlessEvents, MessagesAreRecordedAndAnsweredAsScripted)
{
    toolkit_.answerMessages({ui::kAnswerCancel});
    EXPECT_EQ(toolkit_.messageBox("LADEN ?", ui::MessageButtons::OkCancel, ui::MessageIcon::None), 2);
    EXPECT_EQ(toolkit_.messageBox("Fehler", ui::MessageButtons::Ok, ui::MessageIcon::Critical), 1);
    ASSERT_EQ(toolkit_.messages().size(), 2u);
    EXPECT_EQ(toolkit_.messages()[1].title, "terraloom");
    EXPECT_EQ(toolkit_.messages()[1].icon, ui::MessageIcon::Critical);
}

TEST_F(HeadlessEvents, PostedWorkRunsAfterTheEvent)
{
    auto& button = toolkit_.createButton(*window_, "Command3", -1, {}, "new");
    std::vector<std::string> order;
    button.onClick = [&] {
        toolkit_.post([&] { order.push_back("posted"); });
        order.push_back("handler");
    };
    toolkit_.find<HeadlessButton>("Command3").click();
    EXPECT_EQ(order, (std::vector<std::string>{"handler", "posted"}));
}

TEST_F(HeadlessEvents, DialogOpensWhileTheWorkingDirectoryIsGone)
{
    tervok::testing::TempDir dir;
    std::filesystem::create_directory("gone");
    std::filesystem::current_path("gone");
    std::filesystem::remove(dir.path() / "gone");
    toolkit_.answerDialog("a.spr");
    EXPECT_EQ(toolkit_.openFileDialog("sprites\\*.spr"), "a.spr");
    ASSERT_EQ(toolkit_.dialogs().size(), 1u);
    EXPECT_TRUE(toolkit_.dialogs()[0].workingDirectory.empty());
}

}  // namespace
}  // namespace headless
