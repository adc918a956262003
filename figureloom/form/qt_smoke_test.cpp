#include "common/testing/temp_dir.h"
#include "figureloom/form/program.h"
#include "toolkit/qt/qt_application.h"
#include "toolkit/qt/qt_caption_fit.h"

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

// With the font the windows are laid out for (Arial, or Liberation Sans of
// the same metrics, which the package depends on), every caption fits its
// control.
TEST(FigureloomQtSmoke, EveryCaptionFitsItsControl)
{
    tervok::testing::TempDir dir;
    int argc = 1;
    char name[] = "figureloom";
    char* argv[] = {name, nullptr};
    qtui::QtApplication app(argc, argv, "figureloom");
    ASSERT_TRUE(qtui::testing::captionFontInstalled())
        << "captions are drawn in " << qtui::testing::captionFontFamily()
        << ", not in Arial or Liberation Sans: install fonts-liberation2 (./tervok test does)";
    Program program(app.toolkit());
    // Where the design leaves no room: the weapon rows' check boxes are too
    // narrow to show their caption "Check1"; the 17-pixel pick buttons draw
    // their "<-" whole in their 15-pixel inside, with 2 pixels less margin
    // than the style asks for.
    const qtui::testing::CaptionAllowance allowance{
        {"Check1", qtui::testing::kCaptionNotShown}, {"Command4", 2}, {"Command5", 2}, {"Command6", 2}};
    EXPECT_EQ(qtui::testing::cutCaptions(program.form().window(), allowance), std::vector<std::string>{});
}

}  // namespace
}  // namespace figureloom
