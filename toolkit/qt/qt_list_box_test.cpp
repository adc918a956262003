#include "toolkit/qt/qt_keys.h"
#include "toolkit/qt/qt_list_box.h"
#include "toolkit/qt/qt_test_support.h"

#include <QApplication>

#include <vector>

namespace qtui::testing {
namespace {

class ListBoxTest : public QtWindowTest {
protected:
    void SetUp() override
    {
        for (const char* row : {"<none>", "laser", "rocket", "\xE9t\xE9"})
            list.addItem(row);
        list.onMouseDown = [this](const ui::MouseEvent& event) {
            presses.push_back(event);
            selectedAtPress.push_back(list.selectedIndex());
        };
        window->show();
        QApplication::processEvents();
    }

    QPointF rowCentre(int row) const { return widget->visualRect(widget->model()->index(row, 0)).center(); }
    QString shownText(int row) const { return widget->model()->index(row, 0).data().toString(); }
    int shownRows() const { return widget->model()->rowCount(); }
    QWidget* viewport() const { return widget->viewport(); }

    ui::ListBox& list = toolkit.createListBox(*window, "List1", -1, {3000, 120, 2000, 1500});
    ListWidget* widget = widgetAs<ListWidget>(list);
    std::vector<ui::MouseEvent> presses;
    std::vector<int> selectedAtPress;
};

TEST_F(ListBoxTest, KeepsRowsByteForByte)
{
    EXPECT_EQ(list.count(), 4);
    EXPECT_EQ(list.item(3), "\xE9t\xE9");
    EXPECT_EQ(shownText(3), QString::fromUtf8("été"));
    list.setItem(1, "laser2");
    EXPECT_EQ(shownText(1), "laser2");
    EXPECT_EQ(list.item(9), "");
    EXPECT_EQ(list.selectedIndex(), -1);
}

TEST_F(ListBoxTest, SetItemsReplacesEveryRowAndTheSelection)
{
    list.setSelectedIndex(2);
    list.setItems({"a", "\xE9", "c"});
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(shownRows(), 3);
    EXPECT_EQ(list.item(1), "\xE9");
    EXPECT_EQ(shownText(1), QString::fromUtf8("é"));
    EXPECT_EQ(list.selectedIndex(), -1);
    list.setSelectedIndex(2);
    EXPECT_EQ(list.selectedIndex(), 2);
    list.setItems({});
    EXPECT_EQ(shownRows(), 0);
}

TEST_F(ListBoxTest, SelectionFromCodeRaisesNoMouseEvent)
{
    list.setSelectedIndex(2);
    EXPECT_EQ(list.selectedIndex(), 2);
    list.setSelectedIndex(-1);
    EXPECT_EQ(list.selectedIndex(), -1);
    list.setSelectedIndex(7);
    EXPECT_EQ(list.selectedIndex(), -1);
    EXPECT_TRUE(presses.empty());
}

TEST_F(ListBoxTest, LeftPressSelectsTheRowBeforeMouseDownFires)
{
    const QPointF where = rowCentre(2);
    pressMouse(viewport(), where, Qt::LeftButton, Qt::ShiftModifier);
    ASSERT_EQ(presses.size(), 1u);
    EXPECT_EQ(selectedAtPress[0], 2);
    EXPECT_EQ(presses[0].button, ui::kLeftButton);
    EXPECT_EQ(presses[0].shift, ui::kShiftKey);
    EXPECT_EQ(presses[0].index, -1);
    const QPoint inList = viewport()->mapTo(widget, where.toPoint());
    EXPECT_EQ(presses[0].x, inList.x() * 15);
    EXPECT_EQ(presses[0].y, inList.y() * 15);

    // Ctrl does not unselect the chosen row.
    pressMouse(viewport(), where, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(list.selectedIndex(), 2);
    EXPECT_EQ(presses[1].shift, ui::kCtrlKey);
}

TEST_F(ListBoxTest, OtherButtonsAndEmptySpaceLeaveTheSelection)
{
    list.setSelectedIndex(1);
    pressMouse(viewport(), rowCentre(3), Qt::RightButton);
    pressMouse(viewport(), rowCentre(0), Qt::MiddleButton);
    pressMouse(viewport(), QPointF(5, viewport()->height() - 2), Qt::LeftButton);
    ASSERT_EQ(presses.size(), 3u);
    EXPECT_EQ(selectedAtPress, (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(presses[0].button, ui::kRightButton);
    EXPECT_EQ(presses[1].button, ui::kMiddleButton);
    EXPECT_EQ(list.selectedIndex(), 1);
}

TEST_F(ListBoxTest, DoubleClickOnThePressedRowFiresDblClick)
{
    int doubleClicks = 0;
    list.onDblClick = [&] { ++doubleClicks; };
    pressMouse(viewport(), rowCentre(1), Qt::LeftButton);
    sendMouse(viewport(), QEvent::MouseButtonDblClick, rowCentre(1), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(presses.size(), 1u);

    // A second press on another row is a press of its own.
    sendMouse(viewport(), QEvent::MouseButtonDblClick, rowCentre(2), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(presses.size(), 2u);
    EXPECT_EQ(list.selectedIndex(), 2);
}

TEST_F(ListBoxTest, KeysArriveAsWindowsKeyCodes)
{
    std::vector<std::pair<int, int>> keys;
    list.onKeyDown = [&](int code, int shift) { keys.emplace_back(code, shift); };
    pressKey(widget, Qt::Key_Delete);
    pressKey(widget, Qt::Key_Up, Qt::ShiftModifier | Qt::AltModifier);
    pressKey(widget, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(keys, (std::vector<std::pair<int, int>>{{ui::kDeleteKey, 0}, {38, 5}, {65, 2}}));

    EXPECT_EQ(windowsKeyCode(Qt::Key_7, Qt::NoModifier), 55);
    EXPECT_EQ(windowsKeyCode(Qt::Key_7, Qt::KeypadModifier), 103);
    EXPECT_EQ(windowsKeyCode(Qt::Key_F2, Qt::NoModifier), 113);
    EXPECT_EQ(windowsKeyCode(Qt::Key_Return, Qt::NoModifier), 13);
    EXPECT_EQ(windowsKeyCode(Qt::Key_Dead_Grave, Qt::NoModifier), 0);
}

// SelectionChange tells of every new selection, once, with the outcome of
// the change only (Qt moves a removed row's selection to its neighbour first).
TEST_F(ListBoxTest, RemovingRowsKeepsTheSelectionOnItsRow)
{
    std::vector<int> changes;
    list.onSelectionChange = [&] { changes.push_back(list.selectedIndex()); };
    list.setSelectedIndex(2);
    list.removeItem(0);
    EXPECT_EQ(list.selectedIndex(), 1);
    EXPECT_EQ(list.item(1), "rocket");
    list.removeItem(2);
    list.setItem(1, "rocket2");
    EXPECT_EQ(list.selectedIndex(), 1);

    list.removeItem(1);
    EXPECT_EQ(list.selectedIndex(), -1);
    EXPECT_EQ(list.count(), 1);
    EXPECT_EQ(shownRows(), 1);
    EXPECT_EQ(changes, (std::vector<int>{2, 1, -1}));

    list.removeItem(5);
    list.clear();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.selectedIndex(), -1);
    EXPECT_EQ(changes.size(), 3u);
}

TEST_F(ListBoxTest, TheUsersPressesAndKeysAndSetItemsTellOfANewSelection)
{
    std::vector<int> changes;
    list.onSelectionChange = [&] { changes.push_back(list.selectedIndex()); };
    pressMouse(viewport(), rowCentre(1), Qt::LeftButton);
    pressMouse(viewport(), rowCentre(1), Qt::LeftButton);
    pressKey(widget, Qt::Key_Down);
    list.setItems({"a", "b"});
    EXPECT_EQ(changes, (std::vector<int>{1, 2, -1}));
}

}  // namespace
}  // namespace qtui::testing
