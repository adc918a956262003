// Window shortcuts on the real window: keys and clicks go in as the window
// system delivers them (QTest on the window), so Qt's shortcut map and its
// focus rules decide.
#include "toolkit/qt/qt_test_support.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <string>
#include <vector>

namespace qtui::testing {
namespace {

class ShortcutTest : public QtWindowTest {
protected:
    ShortcutTest()
    {
        frame.setFocus();
        window->addShortcut({'Z', ui::kCtrlKey}, [this] { ran.push_back("undo"); });
        window->addShortcut({'Y', ui::kCtrlKey}, [this] { ran.push_back("redo"); });
        window->addShortcut({'Z', ui::kCtrlKey | ui::kShiftKey}, [this] { ran.push_back("redo"); });
        fixed.setReadOnly(true);
        window->show();
        widgetOf(*window)->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(widgetOf(*window)));
    }

    QWindow* screenWindow() const { return widgetOf(*window)->windowHandle(); }
    void clickOn(const ui::Control& control)
    {
        QWidget* widget = widgetOf(control);
        QTest::mouseClick(screenWindow(), Qt::LeftButton, Qt::NoModifier,
                          widget->mapTo(widgetOf(*window), widget->rect().center()));
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        QTest::keyClick(screenWindow(), key, modifiers);
    }
    void pressAllThree()
    {
        press(Qt::Key_Z, Qt::ControlModifier);
        press(Qt::Key_Y, Qt::ControlModifier);
        press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    }

    ui::Frame& frame = toolkit.createFrame(*window, "Frame1", -1, {0, 1500, 1500, 1500}, "");
    ui::TextField& field = toolkit.createTextField(*window, "Text1", -1, {0, 0, 1500, 285}, "map1");
    ui::TextField& fixed = toolkit.createTextField(*window, "Text2", -1, {0, 500, 1500, 285}, "map\\");
    ui::PictureBox& picture = toolkit.createPictureBox(*window, "pic", 1, {3000, 0, 300, 300});
    std::vector<std::string> ran;
};

TEST_F(ShortcutTest, KeysRunTheShortcutsExceptInAFieldThatCanBeTyped)
{
    // Ctrl+Q means nothing to a line edit: Qt alone would let it through.
    window->addShortcut({'Q', ui::kCtrlKey}, [this] { ran.push_back("other"); });
    pressAllThree();
    EXPECT_EQ(ran, (std::vector<std::string>{"undo", "redo", "redo"}));
    ran.clear();

    clickOn(field);
    ASSERT_TRUE(widgetOf(field)->hasFocus());
    QTest::keyClick(screenWindow(), Qt::Key_End);
    QTest::keyClicks(widgetOf(field), "2");
    EXPECT_EQ(field.text(), "map12");
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field.text(), "map1");  // the field's own undo
    press(Qt::Key_Y, Qt::ControlModifier);
    press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    press(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(ran.empty());

    clickOn(picture);
    EXPECT_TRUE(widgetOf(picture)->hasFocus());
    press(Qt::Key_Z, Qt::ControlModifier);
    press(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(ran, (std::vector<std::string>{"undo", "other"}));

    clickOn(fixed);  // read-only: its keys go to the window
    ASSERT_TRUE(widgetOf(fixed)->hasFocus());
    press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(ran.back(), "redo");
}

}  // namespace
}  // namespace qtui::testing
