#include "program.h"
#include "qt_application.h"
#include "temp_dir.h"

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVariant>
#include <QWidget>

#include <gtest/gtest.h>

namespace figureloom {
namespace {

QWidget* topWindow(const QString& title)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->windowTitle() == title)
            return widget;
    return nullptr;
}

template <class W>
W* child(QWidget* window, const char* name, int index = -1)
{
    for (W* widget : window->findChildren<W*>(QString::fromLatin1(name)))
        if (widget->property("controlIndex").toInt() == index)
            return widget;
    return nullptr;
}

// Starts the real window on the Qt back end (offscreen) in a small data
// folder, picks a weapon with the real widgets and closes the window.
TEST(FigureloomQtSmoke, WindowComesUpAndPicksFromTheWeaponList)
{
    tervok::testing::TempDir dir;
    tervok::testing::writeFile("shots/weapons.lst", "01 blaster\r\n12 railgun\r\n");
    int argc = 1;
    char name[] = "figureloom";
    char* argv[] = {name, nullptr};
    qtui::QtApplication app(argc, argv, "figureloom");
    Program program(app.toolkit());

    QWidget* window = topWindow("Player Editor V1.0 by Drummel");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    auto* directory = child<QLineEdit>(window, "Text1");
    auto* weapons = child<QListView>(window, "List2");
    auto* pick = child<QPushButton>(window, "Command5", 4);
    auto* shottyp = child<QLineEdit>(window, "Text9", 4);
    ASSERT_TRUE(directory && weapons && pick && shottyp);
    EXPECT_EQ(directory->text(), QString("player\\"));
    ASSERT_EQ(weapons->model()->rowCount(), 3);
    EXPECT_EQ(weapons->model()->index(2, 0).data().toString(), QString(" 12: railgun"));

    weapons->setCurrentIndex(weapons->model()->index(2, 0));
    pick->click();
    EXPECT_EQ(shottyp->text(), QString("12"));

    window->close();
}

}  // namespace
}  // namespace figureloom
