#pragma once
// A frame: a captioned group box; its controls are placed relative to its
// top-left corner, caption strip included.
#include "qt_window.h"

#include <QGroupBox>

namespace qtui {

class QtFrame : public QtControl<ui::Container, QGroupBox>, public QtContainer {
public:
    QtFrame(QtContainer& parent, const std::string& name, int index, const ui::Geometry& geometry,
            const std::string& caption);

    std::string caption() const override { return caption_; }
    void setCaption(const std::string& caption) override;

    QWidget* clientWidget() const override { return view(); }
    QtWindow& ownerWindow() override { return owner_; }

private:
    QtWindow& owner_;
    std::string caption_;
};

}  // namespace qtui
