#include "toolkit/qt/qt_bitmap.h"
#include "toolkit/qt/qt_canvas_window.h"
#include "toolkit/qt/qt_test_support.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolBar>
#include <QTest>

#include <random>
#include <string>
#include <vector>

namespace qtui::testing {
namespace {

constexpr QRgb kWorkspace = 0xFFABABAB;

ui::BitmapRef solid(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return std::make_shared<QtBitmap>(QPixmap::fromImage(image));
}

class CellCanvasTest : public ::testing::Test {
protected:
    CellCanvasTest()
    {
        canvas.setPictureSize(100, 100, 20);
        canvas.setBackColour(ui::kAppWorkspaceColour);
        window->setGeometry({0, 0, 400 * 15, 300 * 15});
        window->show();
        QApplication::processEvents();
    }

    CanvasView& view() const { return *widgetAs<CanvasView>(canvas); }
    QImage shown() const { return view().viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    QtToolkit toolkit{"tester"};
    std::unique_ptr<ui::CanvasWindow> window =
        toolkit.createCanvasWindow("WholeMap", "whole map - tester", 6000, 4500, "whole map");
    ui::CellCanvas& canvas = window->canvas();
};

// The view's picture boxes are the model: background, bitmap at the
// top-left, cut at the cell, transparency showing the background.
TEST_F(CellCanvasTest, CellsAreDrawnAsThePictureBoxDrawsThem)
{
    QImage holed(20, 20, QImage::Format_ARGB32);
    holed.fill(0xFF0000FF);
    for (int y = 5; y < 10; ++y)
        for (int x = 5; x < 10; ++x)
            holed.setPixel(x, y, 0x00000000);
    const std::vector<ui::BitmapRef> bitmaps = {
        solid(20, 20, 0xFFFF0000), solid(13, 7, 0xFF00FF00), solid(33, 25, 0xFF112233),
        std::make_shared<QtBitmap>(QPixmap::fromImage(holed)), nullptr};
    const std::unique_ptr<ui::Window> form = toolkit.createWindow("Form1", "Form", 3000, 3000);
    ui::PictureBox& box = toolkit.createPictureBox(*form, "pic", 1, {0, 0, 300, 300});
    box.setBackColour(ui::kAppWorkspaceColour);
    canvas.setZoom(20, 0, 0);
    const QImage& picture = view().picture().image();
    for (std::size_t i = 0; i < bitmaps.size(); ++i) {
        box.setBitmap(bitmaps[i]);
        const QImage model = widgetOf(box)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        canvas.setCell(static_cast<int>(i) + 1, 2, bitmaps[i]);
        const QImage screen = shown();
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x) {
                const int px = (static_cast<int>(i) + 1) * 20 + x;
                ASSERT_EQ(picture.pixel(px, 40 + y), model.pixel(x, y)) << i << ": " << x << ", " << y;
                ASSERT_EQ(screen.pixel(px, 40 + y), model.pixel(x, y)) << i << ": " << x << ", " << y;
            }
    }
    EXPECT_EQ(picture.format(), QImage::Format_RGB32);
    EXPECT_EQ(picture.size(), QSize(2000, 2000));
    EXPECT_EQ(picture.pixel(1999, 1999), kWorkspace);
    EXPECT_EQ(canvas.cell(2, 2), bitmaps[1]);
}

// Cells are coloured in a pattern; the bitmap of cell (7, 3) is black on
// its left half, white on its right. At every zoom each device pixel shows
// exactly the colour of the cell it lies in, cells being zoom pixels wide.
TEST_F(CellCanvasTest, EveryZoomShowsWholeCellsWithoutBlending)
{
    std::vector<QRgb> colours;
    std::vector<ui::BitmapRef> palette;
    for (int i = 0; i < 36; ++i) {
        colours.push_back(qRgb(20 + 6 * i, 255 - 7 * i, (37 * i) % 256));
        palette.push_back(solid(20, 20, colours.back()));
    }
    const auto colourOf = [](int column, int row) { return static_cast<std::size_t>((column % 6) * 6 + row % 6); };
    for (int row = 0; row < 100; ++row)
        for (int column = 0; column < 100; ++column)
            canvas.setCell(column, row, palette[colourOf(column, row)]);
    QImage split(20, 20, QImage::Format_RGB32);
    split.fill(0xFF000000);
    QPainter(&split).fillRect(10, 0, 10, 20, QColor(0xFF, 0xFF, 0xFF));
    canvas.setCell(7, 3, std::make_shared<QtBitmap>(QPixmap::fromImage(split)));

    const int width = canvas.viewWidth();
    const int height = canvas.viewHeight();
    ASSERT_GT(width, 300);
    for (const int zoom : {1, 2, 3, 4, 5, 6, 8, 10, 12, 15, 20, 25, 30, 40, 60, 80, 120, 160}) {
        const QPoint origin(-7 * zoom + 3, -3 * zoom + 5);
        canvas.setZoom(zoom, origin.x(), origin.y());
        const QImage screen = shown();
        for (int y = std::max(origin.y(), 0); y < height; ++y)
            for (int x = std::max(origin.x(), 0); x < width; ++x) {
                const int column = (x - origin.x()) / zoom;
                const int row = (y - origin.y()) / zoom;
                if (column >= 100 || row >= 100)
                    continue;
                if (column == 7 && row == 3) {
                    if (zoom % 20 == 0) {
                        const bool right = (x - origin.x() - 7 * zoom) * 2 >= zoom;
                        ASSERT_EQ(screen.pixel(x, y), right ? 0xFFFFFFFFu : 0xFF000000u) << zoom;
                    }
                    continue;
                }
                ASSERT_EQ(screen.pixel(x, y), colours[colourOf(column, row)]) << zoom << ": " << x << ", " << y;
            }
    }
}

TEST_F(CellCanvasTest, OverlaysShowOverThePicture)
{
    for (int row = 0; row < 100; ++row)
        for (int column = 0; column < 100; ++column)
            canvas.setCell(column, row, solid(20, 20, 0xFF204060));
    canvas.setZoom(20, 0, 0);
    canvas.setMarkers({{110, 110, "7"}, {250, 50, "12"}, {-40, 3000, "3"}});
    canvas.setHighlightedMarker(1);
    QImage screen = shown();
    EXPECT_EQ(screen.pixel(110, 110), 0xFFFF00FFu);  // the cross's centre at the marker's point
    EXPECT_EQ(screen.pixel(250, 50), 0xFFFFFF00u);   // the highlighted one
    canvas.setMarkersShown(false);
    EXPECT_EQ(shown().pixel(110, 110), 0xFF204060u);
    canvas.setMarkersShown(true);

    canvas.setFrame(ui::CellRect{2, 3, 10, 10});
    screen = shown();
    EXPECT_EQ(screen.pixel(40, 100), 0xFFFFFFFFu);  // the light line on the frame's left side
    EXPECT_EQ(screen.pixel(38, 100), 0xFF000000u);
    EXPECT_EQ(screen.pixel(45, 100), 0xFF204060u);

    ui::CanvasPreview preview;
    preview.rectangle = ui::CellRect{12, 1, 3, 2};
    preview.tintRectangle = true;
    preview.region.assign(100 * 100, 0);
    preview.region[5 * 100 + 15] = 1;
    preview.stampAt = {16, 8, 2, 1};
    preview.stamp = {solid(20, 20, 0xFFFFFFFF), nullptr};
    canvas.setPreview(preview);
    screen = shown();
    EXPECT_NE(screen.pixel(250, 30), 0xFF204060u);  // tinted inside the rectangle
    EXPECT_EQ(screen.pixel(300, 110), 0xFFFF8000u);  // the region's outline: cell (15, 5)'s left side
    EXPECT_EQ(screen.pixel(310, 110), 0xFF204060u);
    const QRgb half = screen.pixel(330, 170);  // the stamp's white cell, half over the picture
    EXPECT_NEAR(qRed(half), (0xFF + 0x20) / 2, 2);
    EXPECT_NEAR(qBlue(half), (0xFF + 0x60) / 2, 2);

    preview.stampAt = {10, 12, 2, 1};  // the stamp moves, its picture with it
    preview.selection = ui::CellRect{1, 1, 5, 5};
    canvas.setPreview(preview);
    screen = shown();
    EXPECT_EQ(screen.pixel(330, 170), 0xFF204060u);
    EXPECT_EQ(screen.pixel(210, 250), half);
    const auto selectionMark = [&](int x, int y) {
        const QRgb pixel = screen.pixel(x, y);
        return pixel == 0xFF000000u || pixel == 0xFFFFFFFFu;
    };
    for (int x = 20; x < 120; ++x)  // dark and light dashes along the top side
        EXPECT_TRUE(selectionMark(x, 20)) << x;
    EXPECT_EQ(screen.pixel(100, 40), 0xFF204060u);
    canvas.setCell(10, 12, preview.stamp[0]);  // one of its cells under it shows its bitmap, one not
    EXPECT_NE(shown().pixel(230, 250), 0xFF204060u);
    canvas.setPreview({});
    EXPECT_EQ(shown().pixel(230, 250), 0xFF204060u);
    EXPECT_EQ(shown().pixel(60, 20), 0xFF204060u);
}

// The tool bar's buttons show the program's check, whatever a click would
// do by itself, and never take the focus from the canvas.
TEST_F(CellCanvasTest, ToolButtonsShowTheProgramsCheckAndLeaveTheFocus)
{
    auto& qtWindow = dynamic_cast<QtCanvasWindow&>(*window);
    EXPECT_EQ(qtWindow.toolBar(), nullptr);
    EXPECT_EQ(window->addToolButton("Pencil", "Pencil (B)", true), 0);
    window->addToolSeparator();
    EXPECT_EQ(window->addToolButton("Copy", "Copy (Ctrl+C)", false), 1);
    std::vector<int> clicked;
    window->onToolButton = [&](int button) { clicked.push_back(button); };
    QApplication::processEvents();

    QWidget* pencil = qtWindow.toolBar()->widgetForAction(qtWindow.toolAction(0));
    ASSERT_NE(pencil, nullptr);
    EXPECT_EQ(pencil->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(qtWindow.toolBar()->widgetForAction(qtWindow.toolAction(1))->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(pencil->toolTip(), "Pencil (B)");
    pressMouse(pencil, pencil->rect().center(), Qt::LeftButton);
    EXPECT_EQ(clicked, (std::vector<int>{0}));
    EXPECT_FALSE(window->toolButtonChecked(0));
    window->setToolButtonChecked(0, true);
    pressMouse(pencil, pencil->rect().center(), Qt::LeftButton);
    EXPECT_TRUE(window->toolButtonChecked(0));
    EXPECT_TRUE(qtWindow.toolAction(0)->isChecked());
    EXPECT_EQ(clicked, (std::vector<int>{0, 0}));
}

// A repaint of a small area (a painted cell, a moved frame) looks only at
// the markers near it; it must draw there exactly what a repaint of the
// whole view draws, in a crowded view (small crosses) as in a sparse one,
// at 100 % and at 800 %, with long labels reaching into the area.
TEST_F(CellCanvasTest, ASmallRepaintDrawsTheMarkersAWholeOneDraws)
{
    for (int row = 0; row < 100; ++row)
        for (int column = 0; column < 100; ++column)
            canvas.setCell(column, row, solid(20, 20, 0xFF204060));
    QWidget* area = view().viewport();
    // The region's top-left corner lands at the image's.
    const auto render = [&](const QRegion& region) {
        QImage image(area->size(), QImage::Format_RGB32);
        image.fill(0xFF000000);
        area->render(&image, QPoint(), region);
        return image;
    };
    const QRect parts[] = {QRect(0, 0, 20, 20), QRect(140, 100, 20, 20), QRect(300, 200, 40, 50),
                           QRect(60, 90, 200, 3)};
    std::mt19937 random(5);
    for (const auto& placed : {std::pair{20, QPoint(-300, -200)}, std::pair{160, QPoint(-3000, -2000)}}) {
        const int zoom = placed.first;
        const QPoint origin = placed.second;
        canvas.setZoom(zoom, origin.x(), origin.y());
        const auto onPicture = [&](int x, int y) {
            return std::pair{(x - origin.x()) * 20 / zoom, (y - origin.y()) * 20 / zoom};
        };
        for (const int count : {6000, 300}) {
            std::vector<ui::CanvasMarker> markers;
            for (int i = 0; i < count; ++i) {
                const int x = static_cast<int>(random() % 420) - 20;
                const int y = static_cast<int>(random() % 300) - 20;
                const auto [px, py] = onPicture(x, y);
                markers.push_back({px, py, std::to_string(random() % 120)});
            }
            for (const QRect& part : parts) {
                const auto [x, y] = onPicture(part.left() - 25, part.center().y());
                markers.push_back({x, y, "123456"});
            }
            canvas.setMarkers(markers);
            canvas.setHighlightedMarker(count / 2);
            const QImage whole = render(area->rect());
            ASSERT_GE(whole.height(), 250);
            for (const QRect& part : parts) {
                const QImage painted = render(part);
                for (int y = part.top(); y <= part.bottom(); ++y)
                    for (int x = part.left(); x <= part.right(); ++x)
                        ASSERT_EQ(painted.pixel(x - part.left(), y - part.top()), whole.pixel(x, y))
                            << zoom << ", " << count << ": " << x << ", " << y;
            }
        }
    }
}

// Past a few dozen cells changed before a paint, the rectangle around them
// is repainted: every changed cell with it (also one inside the rectangle
// of the first few dozen), a changed row as a row, not the whole view.
TEST_F(CellCanvasTest, ManyChangedCellsRepaintTheRectangleAroundThem)
{
    struct PaintedRegion : QObject {
        QRegion region;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                region += static_cast<QPaintEvent*>(event)->region();
            return false;
        }
    } painted;
    QWidget* area = view().viewport();
    area->installEventFilter(&painted);
    canvas.setZoom(4, 0, 0);
    QRgb colour = 0xFF102030;
    const auto change = [&](const std::vector<QPoint>& cells) {
        QApplication::processEvents();
        painted.region = QRegion();
        colour += 0x00202020;  // every cell changes
        const ui::BitmapRef bitmap = solid(20, 20, colour);
        for (const QPoint& cell : cells)
            canvas.setCell(cell.x(), cell.y(), bitmap);
        QApplication::processEvents();
        for (const QPoint& cell : cells) {
            const QRect shown = QRect(cell * 4, QSize(4, 4)) & area->rect();
            EXPECT_TRUE(shown.isEmpty() || painted.region.contains(shown)) << cell.x() << ", " << cell.y();
        }
        return painted.region.boundingRect();
    };
    std::vector<QPoint> cells;
    for (int row = 0; row <= 2; row += 2)
        for (int column = 0; column < 64; column += 2)
            cells.emplace_back(column, row);
    cells.emplace_back(1, 1);  // the 65th, inside the rectangle of the others
    change(cells);
    cells.clear();
    for (int column = 0; column < 100; ++column)
        cells.emplace_back(column, 10);
    EXPECT_EQ(change(cells), QRect(0, 40, area->width(), 4));
}

TEST_F(CellCanvasTest, WindowIsOnItsOwnAndOnlyHidesOnClose)
{
    QWidget* widget = widgetOf(*window);
    EXPECT_EQ(widget->parentWidget(), nullptr);
    EXPECT_FALSE(widget->testAttribute(Qt::WA_QuitOnClose));
    EXPECT_EQ(widgetOf(canvas)->accessibleName(), "whole map");
    EXPECT_EQ(widget->windowTitle(), "whole map - tester");
    int closes = 0;
    window->onClose = [&] { ++closes; };
    EXPECT_TRUE(widget->close());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(closes, 1);
    window->raise();
    EXPECT_TRUE(window->isVisible());

    window->setStatusText(2, "zoom 100 %");
    EXPECT_EQ(window->statusText(2), "zoom 100 %");
    EXPECT_EQ(window->statusText(0), "");
}

// Shown the first time without a place, it opens beside the window the user
// works in; a place it was given is kept.
TEST_F(CellCanvasTest, OpensBesideTheWorkingWindowUnlessPlaced)
{
    QWidget editor;
    editor.setGeometry(20, 30, 100, 80);
    editor.show();
    editor.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
    auto fresh = toolkit.createCanvasWindow("Other", "other", 3000, 2250, "other");
    fresh->raise();
    const QRect beside = widgetOf(*fresh)->frameGeometry();
    EXPECT_GT(beside.left(), editor.frameGeometry().right());
    EXPECT_EQ(beside.top(), editor.frameGeometry().top());

    auto placed = toolkit.createCanvasWindow("Placed", "placed", 3000, 2250, "placed");
    placed->setGeometry({600, 900, 3000, 2250});
    placed->raise();
    EXPECT_EQ(widgetOf(*placed)->geometry().topLeft(), QPoint(40, 60));
}

// Events arrive in device pixels; a double click's second press is a press;
// keys come with their repeat mark; the program's own scroll bar changes
// raise nothing.
TEST_F(CellCanvasTest, EventsReachTheProgram)
{
    std::vector<std::string> seen;
    const auto pointer = [&](const char* what) {
        return [&seen, what](const ui::CanvasPointer& e) {
            seen.push_back(std::string(what) + " " + std::to_string(e.button) + " " + std::to_string(e.shift) + " " +
                           std::to_string(e.x) + "," + std::to_string(e.y));
        };
    };
    canvas.onPress = pointer("press");
    canvas.onMove = pointer("move");
    canvas.onRelease = pointer("release");
    canvas.onWheel = [&](const ui::CanvasWheel& w) {
        seen.push_back("wheel " + std::to_string(w.angleY) + " " + std::to_string(w.shift) + " " +
                       std::to_string(w.x) + "," + std::to_string(w.y));
    };
    const auto key = [&](const char* what) {
        return [&seen, what](const ui::CanvasKey& k) {
            seen.push_back(std::string(what) + " " + std::to_string(k.keyCode) + " " + std::to_string(k.shift) +
                           (k.autoRepeat ? " repeat" : ""));
        };
    };
    canvas.onKeyDown = key("down");
    canvas.onKeyUp = key("up");
    canvas.onScroll = [&](int h, int v) { seen.push_back("scroll " + std::to_string(h) + "," + std::to_string(v)); };

    QWidget* area = view().viewport();
    sendMouse(area, QEvent::MouseButtonPress, {10.7, 20.2}, Qt::LeftButton, Qt::LeftButton, Qt::ControlModifier);
    sendMouse(area, QEvent::MouseMove, {30, 40}, Qt::NoButton, Qt::LeftButton);
    sendMouse(area, QEvent::MouseButtonRelease, {30, 40}, Qt::LeftButton, Qt::NoButton);
    sendMouse(area, QEvent::MouseButtonDblClick, {30, 40}, Qt::MiddleButton, Qt::MiddleButton);
    QWheelEvent wheel({5, 6}, area->mapToGlobal(QPointF(5, 6)), {}, {0, -120}, Qt::NoButton, Qt::ShiftModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(area, &wheel);
    QWidget* focus = &view();
    pressKey(focus, Qt::Key_Equal, Qt::ControlModifier);
    pressKey(focus, Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier);
    pressKey(focus, Qt::Key_Plus, Qt::KeypadModifier);
    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QString(" "), true);
    QCoreApplication::sendEvent(focus, &repeat);
    canvas.setScrollBars({500, 100, 20, 40}, {300, 80, 20, 10});
    view().horizontalScrollBar()->setValue(60);
    EXPECT_EQ(seen, (std::vector<std::string>{"press 1 2 10,20", "move 1 0 30,40", "release 1 0 30,40",
                                              "press 4 0 30,40", "wheel -120 1 5,6", "down 187 2", "down 187 3",
                                              "down 107 0", "up 32 0 repeat", "scroll 60,10"}));
    EXPECT_EQ(view().verticalScrollBar()->maximum(), 300);
    EXPECT_EQ(view().verticalScrollBar()->pageStep(), 80);

    int width = 0;
    canvas.onResize = [&](int w, int) { width = w; };
    window->setGeometry({0, 0, 500 * 15, 300 * 15});
    QApplication::processEvents();
    EXPECT_EQ(width, canvas.viewWidth());
    EXPECT_EQ(width, area->width());
}

}  // namespace
}  // namespace qtui::testing
