#include "toolkit/qt/qt_slider.h"

#include <QSignalBlocker>

namespace qtui {

QtSlider::QtSlider(QWidget* parent, const std::string& name, int index, const ui::Geometry& geometry,
                   ui::Orientation orientation)
    : QtControl(name, index,
                new QSlider(orientation == ui::Orientation::Vertical ? Qt::Vertical : Qt::Horizontal, parent),
                geometry)
{
    QSlider* slider = view();
    const bool vertical = orientation == ui::Orientation::Vertical;
    // Up and the wheel turned away from the user still move the handle up.
    slider->setInvertedAppearance(vertical);
    slider->setInvertedControls(vertical);
    slider->setTickPosition(vertical ? QSlider::TicksRight : QSlider::TicksBelow);
    slider->setTickInterval(1);
    slider->setSingleStep(1);
    slider->setPageStep(5);
    slider->setRange(minimum(), maximum());
    slider->setValue(value());
    QObject::connect(slider, &QSlider::valueChanged, slider, [this](int moved) { userMoved(moved); });
}

void QtSlider::showRange(int minimum, int maximum)
{
    const QSignalBlocker blocker(view());
    view()->setRange(minimum, maximum);
}

void QtSlider::showValue(int value)
{
    const QSignalBlocker blocker(view());
    view()->setValue(value);
}

}  // namespace qtui
