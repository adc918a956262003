#pragma once
// An option button. The options of one container exclude each other: the
// user's choice clears the others and fires Click; the program can also
// clear every option of the container.
#include "toolkit/qt/qt_control.h"

#include <QRadioButton>

namespace qtui {

class QtOptionButton : public QtControl<ui::OptionButton, QRadioButton> {
public:
    QtOptionButton(QWidget* parent, const std::string& name, int index, const ui::Geometry& geometry,
                   const std::string& caption);

    bool value() const override { return view()->isChecked(); }
    void setValue(bool chosen) override;
};

}  // namespace qtui
