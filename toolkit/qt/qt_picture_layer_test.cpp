#include "toolkit/qt/qt_colour.h"
#include "toolkit/qt/qt_picture_box.h"
#include "toolkit/qt/qt_test_support.h"

#include "common/testing/temp_dir.h"

#include <QApplication>
#include <QImage>
#include <QScreen>
#include <QWindow>

namespace qtui::testing {
namespace {

constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kGreen = 0xFF00FF00;

// What the window shows on the screen: its backing store, after every
// waiting repaint, so only the areas that were repainted are new.
class OnScreenTest : public QtWindowTest {
protected:
    OnScreenTest()
    {
        window->show();
        settle();
    }
    static void settle()
    {
        for (int turn = 0; turn < 5; ++turn)
            QApplication::processEvents();
    }
    QRgb onScreen(int x, int y) const
    {
        settle();
        QWidget* widget = widgetOf(*window);
        return widget->screen()->grabWindow(widget->winId()).toImage().pixel(x, y);
    }
    QRgb background() const { return widgetOf(*window)->palette().window().color().rgb(); }

    // Two cells side by side at (20, 30) and (40, 30), 20 x 20 pixels each.
    ui::PictureBox& left = toolkit.createPictureBox(*window, "pic", 1, {300, 450, 300, 300});
    ui::PictureBox& right = toolkit.createPictureBox(*window, "pic", 2, {600, 450, 300, 300});
};

TEST_F(OnScreenTest, ChangedPicturesReachTheScreen)
{
    left.setBackColour(ui::rgb(0, 255, 0));
    right.fillRect(0, 0, 29, 29, ui::rgb(255, 0, 0));
    EXPECT_EQ(onScreen(25, 35), kGreen);
    EXPECT_EQ(onScreen(40, 30), kRed);
    EXPECT_EQ(onScreen(41, 31), kRed);
    EXPECT_EQ(onScreen(42, 32), 0xFFFFFFFFu);  // the box's own background

    tervok::testing::TempDir folder;
    QImage tile(20, 20, QImage::Format_RGB32);
    tile.fill(kRed);
    ASSERT_TRUE(tile.save("tile.bmp", "BMP"));
    left.setBitmap(toolkit.loadBitmap("tile.bmp").valueOr(nullptr));
    EXPECT_EQ(onScreen(25, 35), kRed);
    left.setBitmap(nullptr);
    EXPECT_EQ(onScreen(25, 35), kGreen);
}

// Many fills before one repaint, anywhere in the box, all show.
TEST_F(OnScreenTest, EveryFillBeforeARepaintShows)
{
    right.fillRect(0, 0, 14, 14, ui::rgb(255, 0, 0));
    right.fillRect(285, 285, 299, 299, ui::rgb(0, 255, 0));
    right.fillRect(150, 0, 164, 14, ui::rgb(0, 255, 0));
    EXPECT_EQ(onScreen(40, 30), kRed);
    EXPECT_EQ(onScreen(59, 49), kGreen);
    EXPECT_EQ(onScreen(50, 30), kGreen);
}

TEST_F(OnScreenTest, HiddenAndMovedBoxesLeaveTheScreen)
{
    left.setBackColour(ui::rgb(0, 255, 0));
    EXPECT_EQ(onScreen(25, 35), kGreen);
    left.setVisible(false);
    EXPECT_EQ(onScreen(25, 35), background());
    left.setVisible(true);
    left.setGeometry({300, 1500, 300, 300});
    EXPECT_EQ(onScreen(25, 35), background());
    EXPECT_EQ(onScreen(25, 105), kGreen);
}

// The pictures are painted by a layer above the boxes; the mouse still goes
// to the box under the pointer.
TEST_F(OnScreenTest, TheMouseReachesTheBoxUnderThePointer)
{
    QWidget* widget = widgetOf(*window);
    EXPECT_EQ(widget->childAt(25, 35), widgetOf(left));
    EXPECT_EQ(widget->childAt(45, 35), widgetOf(right));
    auto& label = toolkit.createLabel(*window, "Label1", -1, {600, 450, 150, 150}, "x");
    EXPECT_EQ(widget->childAt(41, 31), widgetOf(label));
}

}  // namespace
}  // namespace qtui::testing
