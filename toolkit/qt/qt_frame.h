#pragma once
// A frame: an etched border whose caption sits on its top line; its controls
// are placed relative to its top-left corner.
#include "toolkit/qt/qt_window.h"

#include <QWidget>

namespace qtui {

// Draws the border and the caption itself, so that the caption stands on the
// top line (as the editors' layouts expect) whatever the widget style does
// with group boxes.
class CaptionFrame : public QWidget {
public:
    using QWidget::QWidget;
    void setTitle(const QString& title);
    QString title() const { return title_; }
    // Where the etched border runs, and where the caption is drawn over its
    // top line: inset from the left corner, with a little of the window's
    // background on either side of the text.
    QRect borderRect() const;
    QRect titleRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString title_;
};

class QtFrame : public QtControl<ui::Container, CaptionFrame>, public QtContainer {
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
