#include "toolkit/qt/qt_picture_box.h"

#include "toolkit/qt/qt_bitmap.h"
#include "toolkit/qt/qt_colour.h"
#include "toolkit/qt/qt_picture_layer.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace qtui {

// A click takes the keyboard focus (out of a text field, so the window's
// shortcuts act again); Tab passes the box by.
PictureCanvas::PictureCanvas(QWidget* parent) : QWidget(parent), backColour_(Qt::white)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    layer_ = &PictureLayer::of(parent);
    layer_->add(this);
}

PictureCanvas::~PictureCanvas()
{
    if (layer_)
        layer_->remove(this);
}

void PictureCanvas::setBackColour(QColor colour)
{
    if (colour == backColour_)
        return;
    backColour_ = colour;
    scheduleRepaint(rect());
}

void PictureCanvas::setPixmap(const QPixmap* pixmap)
{
    if (pixmap == pixmap_)
        return;
    pixmap_ = pixmap;
    scheduleRepaint(rect());
}

void PictureCanvas::fill(int left, int top, int right, int bottom, QRgb colour)
{
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, bufferWidth_ - 1);
    bottom = std::min(bottom, bufferHeight_ - 1);
    if (left > right || top > bottom)
        return;
    // Most fills are a few pixels wide (an overview square is 2 x 2): a plain
    // loop over so few pixels spares the set-up of a vectorised fill.
    const int width = right - left + 1;
    QRgb* line = pixels_.data() + static_cast<std::size_t>(top) * static_cast<std::size_t>(bufferWidth_) + left;
    if (width <= 4) {
        for (int y = top; y <= bottom; ++y, line += bufferWidth_)
            for (int x = 0; x < width; ++x)
                line[x] = colour;
    } else {
        for (int y = top; y <= bottom; ++y, line += bufferWidth_)
            std::fill(line, line + width, colour);
    }
    drawn_ = true;
    if (!wholePending_)
        scheduleRepaint(QRect(QPoint(left, top), QPoint(right, bottom)));
}

void PictureCanvas::resizeBuffer(QSize size)
{
    const int width = std::max(size.width(), 0);
    const int height = std::max(size.height(), 0);
    if (width == bufferWidth_ && height == bufferHeight_)
        return;
    std::vector<QRgb> resized(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
    const int keptWidth = std::min(width, bufferWidth_);
    for (int y = 0; y < std::min(height, bufferHeight_); ++y)
        std::copy_n(pixels_.begin() + static_cast<std::ptrdiff_t>(y) * bufferWidth_, keptWidth,
                    resized.begin() + static_cast<std::ptrdiff_t>(y) * width);
    pixels_ = std::move(resized);
    bufferWidth_ = width;
    bufferHeight_ = height;
    // The image paints straight from the pixels; it never copies them.
    buffer_ = QImage(reinterpret_cast<const uchar*>(pixels_.data()), width, height,
                     static_cast<qsizetype>(width) * static_cast<qsizetype>(sizeof(QRgb)),
                     QImage::Format_ARGB32_Premultiplied);
}

QRgb PictureCanvas::drawnPixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= bufferWidth_ || y >= bufferHeight_)
        return 0;
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(bufferWidth_) + static_cast<std::size_t>(x)];
}

// The first change after a paint repaints just its own area (one painted
// map cell: a 2 x 2 square of the overview); any further change before the
// paint repaints the whole box, so thousands of fills cost two updates. A
// hidden box is painted whole when it is shown.
void PictureCanvas::scheduleRepaint(const QRect& area)
{
    if (wholePending_ || !isVisible() || !layer_)
        return;
    if (pending_.isEmpty()) {
        pending_ = area;
    } else {
        if (pending_.contains(area))
            return;
        pending_ = rect();
        wholePending_ = true;
    }
    layer_->repaintBox(this, pending_);
}

// A bitmap without transparency that covers the area hides the background.
void PictureCanvas::paintArea(QPainter& painter, QPoint origin, const QRect& area) const
{
    const bool hidesBackground = pixmap_ && !pixmap_->hasAlphaChannel() && pixmap_->rect().contains(area);
    if (!hidesBackground)
        painter.fillRect(area.translated(origin), backColour_);
    if (pixmap_) {
        // Drawing a whole pixmap takes Qt's shortest path.
        const QRect source = area & pixmap_->rect();
        if (source == pixmap_->rect())
            painter.drawPixmap(origin, *pixmap_);
        else if (!source.isEmpty())
            painter.drawPixmap(origin + source.topLeft(), *pixmap_, source);
    }
    if (drawn_)
        painter.drawImage(origin + area.topLeft(), buffer_, area);
}

void PictureCanvas::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    paintArea(painter, QPoint(), event->rect());
}

void PictureCanvas::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (pressed)
        pressed(buttonCode(event->button()), modifierCode(event->modifiers()), toTwips(event->position()));
}

void PictureCanvas::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (moved)
        moved(buttonsCode(event->buttons()), modifierCode(event->modifiers()), toTwips(event->position()));
}

QtPictureBox::QtPictureBox(QWidget* parent, const std::string& name, int index, const ui::Geometry& geometry)
    : QtControl(name, index, new PictureCanvas(parent), geometry)
{
    view()->resizeBuffer(view()->size());
    view()->pressed = [this](int button, int shift, QPoint twips) {
        if (onMouseDown)
            onMouseDown({this->index(), button, shift, twips.x(), twips.y()});
    };
    view()->moved = [this](int buttons, int shift, QPoint twips) {
        if (onMouseMove)
            onMouseMove({this->index(), buttons, shift, twips.x(), twips.y()});
    };
}

void QtPictureBox::setGeometry(const ui::Geometry& geometry)
{
    QtControl::setGeometry(geometry);
    view()->resizeBuffer(view()->size());
}

void QtPictureBox::setBackColour(ui::Colour colour)
{
    view()->setBackColour(toQColor(colour));
}

void QtPictureBox::setBitmap(ui::BitmapRef bitmap)
{
    const auto* shown = dynamic_cast<const QtBitmap*>(bitmap.get());
    view()->setPixmap(shown ? &shown->pixmap() : nullptr);
    bitmap_ = std::move(bitmap);
}

void QtPictureBox::fillRect(int x1, int y1, int x2, int y2, ui::Colour colour)
{
    view()->fill(toPixels(std::min(x1, x2)), toPixels(std::min(y1, y2)), toPixels(std::max(x1, x2)),
                 toPixels(std::max(y1, y2)), toQRgb(colour));
}

}  // namespace qtui
