#pragma once
// A check box with the values 0 clear, 1 ticked and 2 greyed. A click by the
// user toggles between clear and ticked (a greyed box becomes ticked) and
// fires Click; a value set by the program fires nothing.
#include "toolkit/qt/qt_control.h"

#include <QCheckBox>

namespace qtui {

class CheckBoxWidget : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override;
};

class QtCheckBox : public QtControl<ui::CheckBox, CheckBoxWidget> {
public:
    QtCheckBox(QWidget* parent, const std::string& name, int index, const ui::Geometry& geometry,
               const std::string& caption);

    int value() const override;
    void setValue(int value) override;
    std::string caption() const override { return caption_; }

private:
    std::string caption_;
};

}  // namespace qtui
