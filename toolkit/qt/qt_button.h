#pragma once
// A push button; Click fires when the user clicks it.
#include "toolkit/qt/qt_control.h"

#include <QPushButton>

namespace qtui {

class QtButton : public QtControl<ui::Button, QPushButton> {
public:
    QtButton(QWidget* parent, const std::string& name, int index, const ui::Geometry& geometry,
             const std::string& caption);

    std::string caption() const override { return caption_; }
    void setBold(bool bold) override;

private:
    std::string caption_;
};

}  // namespace qtui
