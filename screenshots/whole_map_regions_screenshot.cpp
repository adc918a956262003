// The whole-map window's region tools at work, beside the editor window over
// the sample map: the lake selected with the select tool (R), copied
// (Ctrl+C) and pasted (Ctrl+V), its stamp following the pointer over the
// meadow, half-transparent, before the click that places it.
#include "screenshots/terraloom_sample.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <stdexcept>

namespace {

// The user's pointer and keys on the canvas, at the middle of map cells.
class Canvas {
public:
    explicit Canvas(terraloom::WholeMapWindow& whole) : whole_(whole)
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == QLatin1String("WholeMap"))
                view_ = window->findChild<QAbstractScrollArea*>();
        if (!view_)
            throw std::runtime_error("no whole-map canvas");
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(view_, &press);
    }
    void pointer(QEvent::Type type, terraloom::MapCell cell, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        const terraloom::WholeMapViewport& viewport = whole_.controller().viewport();
        const int zoom = viewport.zoom();
        const QPointF at(viewport.origin().x + (cell.x - 1) * zoom + zoom / 2,
                         viewport.origin().y + (cell.y - 1) * zoom + zoom / 2);
        QWidget* area = view_->viewport();
        QMouseEvent event(type, at, area->mapToGlobal(at), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(area, &event);
    }
    void drag(terraloom::MapCell from, terraloom::MapCell to)
    {
        pointer(QEvent::MouseMove, from, Qt::NoButton, Qt::NoButton);
        pointer(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        pointer(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        pointer(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    }

private:
    terraloom::WholeMapWindow& whole_;
    QAbstractScrollArea* view_ = nullptr;
};

}  // namespace

int main(int argc, char** argv)
{
    return screenshots::takeScreenshot(
        argc, argv, "terraloom",
        [](ui::Toolkit& toolkit) {
            auto opened = screenshots::terraloomWithMap1(toolkit);
            terraloom::Program& program = *opened->program;
            screenshots::showWholeMap(program);
            QApplication::processEvents();
            Canvas canvas(*program.wholeMap());
            canvas.key(Qt::Key_R);
            canvas.drag({61, 15}, {84, 42});
            canvas.key(Qt::Key_C, Qt::ControlModifier);
            canvas.key(Qt::Key_V, Qt::ControlModifier);
            canvas.pointer(QEvent::MouseMove, {9, 58}, Qt::NoButton, Qt::NoButton);
            return std::shared_ptr<void>(opened);
        },
        "WholeMap");
}
