#include "bench/qt_driving.h"

#include "toolkit/qt/qt_control.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QSlider>
#include <QWindow>

namespace bench {
namespace {

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

QWidget* widgetOf(const ui::Control& control)
{
    return qtui::widgetOf(control);
}

void click(const ui::Button& button)
{
    static_cast<QAbstractButton*>(widgetOf(button))->click();
}

void moveSlider(const ui::Slider& slider, int value)
{
    static_cast<QSlider*>(widgetOf(slider))->setValue(value);
}

void shiftMove(const ui::PictureBox& picture)
{
    QWidget* target = widgetOf(picture);
    const QPointF at(10, 10);
    QMouseEvent event(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                      Qt::ShiftModifier);
    QCoreApplication::sendEvent(target, &event);
}

void scheduleRepaint(const ui::Control& control)
{
    widgetOf(control)->update();
}

void paintPending()
{
    QCoreApplication::sendPostedEvents();
}

void showAndPaint(ui::Window& window)
{
    window.show();
    showAndPaint(widgetOf(window));
}

void showAndPaint(QWidget* widget)
{
    widget->show();
    for (int turn = 0; turn < 1000 && !(widget->windowHandle() && widget->windowHandle()->isExposed()); ++turn)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCoreApplication::processEvents();
    paintPending();
}

int paintsDuring(const std::function<void()>& action)
{
    PaintCounter counter;
    QCoreApplication::instance()->installEventFilter(&counter);
    action();
    paintPending();
    QCoreApplication::instance()->removeEventFilter(&counter);
    return counter.paints;
}

}  // namespace bench
