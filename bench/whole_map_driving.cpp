#include "bench/whole_map_driving.h"

#include "bench/editor_benchmarks.h"
#include "bench/qt_driving.h"
#include "formats/map_file.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <malloc.h>

namespace bench {

double heapInUse()
{
    const struct mallinfo2 info = ::mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd);
}

Editor::Editor()
{
    state.tiles = formats::loadTileCatalogue().valueOr(formats::TileCatalogue{});
    state.grid = formats::loadMapFile(formats::mapPath(kMapA)).valueOr(formats::MapGrid{});
    rows = formats::loadScriptFile("map\\map1.msc").valueOr(formats::ScriptRows{});
    for (const std::string& name : state.tiles.names)
        if (const std::optional<std::string> path = name.empty() ? std::nullopt : formats::tileImagePath(name))
            bitmaps.get(*path);
}

std::unique_ptr<terraloom::WholeMapWindow> openWholeMap(Editor& editor)
{
    auto made = std::make_unique<terraloom::WholeMapWindow>(editor.toolkit, editor.state, editor.bitmaps);
    made->showScript(editor.rows);
    made->scriptRowSelected(0);
    made->window().setGeometry({0, 0, kWidth * ui::kTwipsPerPixel, kHeight * ui::kTwipsPerPixel});
    showAndPaint(made->window());
    return made;
}

qtui::CanvasView& canvasView(terraloom::WholeMapWindow& whole)
{
    return *dynamic_cast<qtui::CanvasView*>(widgetOf(whole.canvas()));
}

void sendPointer(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons,
                 Qt::KeyboardModifiers modifiers)
{
    QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), button, buttons, modifiers);
    QCoreApplication::sendEvent(target, &event);
}

QPoint WholeMap::centre() const
{
    return area()->rect().center();
}

void WholeMap::key(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QCoreApplication::sendEvent(&view(), &press);
}

void WholeMap::click(QPoint at)
{
    sendPointer(area(), QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
    sendPointer(area(), QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    sendPointer(area(), QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

void WholeMap::repaint()
{
    area()->update();
    paintPending();
}

Terraloom::Terraloom()
{
    places.remember("WholeMap", {0, 0, kWidth * ui::kTwipsPerPixel, kHeight * ui::kTwipsPerPixel});
    program = std::make_unique<terraloom::Program>(toolkit, places);
    c = &program->form().controls();
    showAndPaint(*c->window);
    c->mapName->setText(kMapA);
    click(*c->loadMap);
    c->mapName->setText("map1");
    click(*c->loadScript);
    c->scriptList->setSelectedIndex(0);
    paintPending();
}

terraloom::WholeMapWindow& Terraloom::open()
{
    program->openWholeMap();
    showAndPaint(program->wholeMap()->window());
    return *program->wholeMap();
}

void Terraloom::key(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget* window = widgetOf(program->wholeMap()->window());
    for (int turn = 0; turn < 1000 && !window->isActiveWindow(); ++turn)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QCoreApplication::sendEvent(target, &release);
}

}  // namespace bench
