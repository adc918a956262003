#include "qt_frame.h"

#include <QPainter>

namespace qtui {

void CaptionFrame::setTitle(const QString& title)
{
    title_ = title;
    update();
}

// An etched rectangle from half a text line down, and the caption over its
// top line on the window's background.
void CaptionFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int top = metrics.height() / 2;
    const QRect border(0, top, width() - 2, height() - top - 2);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(border);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(border.translated(1, 1));
    if (title_.isEmpty())
        return;
    const QRect text(6, 0, metrics.horizontalAdvance(title_) + 4, metrics.height());
    painter.fillRect(text, palette().color(QPalette::Window));
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(text, Qt::AlignCenter, title_);
}

QtFrame::QtFrame(QtContainer& parent, const std::string& name, int index, const ui::Geometry& geometry,
                 const std::string& caption)
    : QtControl(name, index, new CaptionFrame(parent.clientWidget()), geometry), owner_(parent.ownerWindow())
{
    setCaption(caption);
}

void QtFrame::setCaption(const std::string& caption)
{
    caption_ = caption;
    view()->setTitle(toQt(caption));
}

}  // namespace qtui
