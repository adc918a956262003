#pragma once
// A label: one line of plain text from the top-left corner.
#include "toolkit/qt/qt_control.h"

#include <QLabel>

namespace qtui {

class QtLabel : public QtControl<ui::Label, QLabel> {
public:
    QtLabel(QWidget* parent, const std::string& name, int index, const ui::Geometry& geometry,
            const std::string& caption);

    std::string caption() const override { return caption_; }
    void setCaption(const std::string& caption) override;

private:
    std::string caption_;
};

}  // namespace qtui
