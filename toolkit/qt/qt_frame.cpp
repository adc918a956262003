#include "toolkit/qt/qt_frame.h"

#include <QPainter>

namespace qtui {

void CaptionFrame::setTitle(const QString& title)
{
    title_ = title;
    update();
}

namespace {

constexpr int kTitleInset = 6;
constexpr int kTitlePadding = 2;

}  // namespace

// From half a text line down; the light second line lies one pixel right of
// and below it.
QRect CaptionFrame::borderRect() const
{
    const int top = fontMetrics().height() / 2;
    return QRect(0, top, width() - 2, height() - top - 2);
}

QRect CaptionFrame::titleRect() const
{
    const QFontMetrics metrics = fontMetrics();
    return QRect(kTitleInset, 0, metrics.horizontalAdvance(title_) + 2 * kTitlePadding, metrics.height());
}

// An etched rectangle, and the caption over its top line on the window's
// background.
void CaptionFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect border = borderRect();
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(border);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(border.translated(1, 1));
    if (title_.isEmpty())
        return;
    const QRect text = titleRect();
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
