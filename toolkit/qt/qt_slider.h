#pragma once
// A slider with tick marks. A vertical slider has its minimum at the top,
// like a scroll position. The user's moves reach the contract, which fires
// Change; the program's values are shown with the widget's signals blocked.
#include "toolkit/qt/qt_control.h"

#include <QSlider>

namespace qtui {

class QtSlider : public QtControl<ui::Slider, QSlider> {
public:
    QtSlider(QWidget* parent, const std::string& name, int index, const ui::Geometry& geometry,
             ui::Orientation orientation);

protected:
    void showRange(int minimum, int maximum) override;
    void showValue(int value) override;
};

}  // namespace qtui
