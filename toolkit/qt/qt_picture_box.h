#pragma once
// A picture box. It paints its background colour, then the shown bitmap at
// its top-left corner at natural size, then a persistent drawing buffer that
// filled rectangles are written into, so drawings survive any repaint. On
// screen the boxes of a container are painted together by their picture
// layer (qt_picture_layer.h); each box repaints only the area it changed.
#include "toolkit/qt/qt_control.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

class QPainter;

namespace qtui {

class QtBitmap;
class PictureLayer;

class PictureCanvas : public QWidget {
public:
    explicit PictureCanvas(QWidget* parent);
    ~PictureCanvas() override;

    void setBackColour(QColor colour);
    void setPixmap(const QPixmap* pixmap);  // not owned; null shows nothing
    // Fills the pixel rectangle, both corners included and clipped to the
    // buffer, by writing the buffer's pixels directly.
    void fill(int left, int top, int right, int bottom, QRgb colour);
    // Keeps the drawing where the new size overlaps the old one.
    void resizeBuffer(QSize size);
    // The drawn pixel (premultiplied ARGB), transparent where nothing is drawn.
    QRgb drawnPixel(int x, int y) const;

    // Paints an area of the box (box coordinates) with its top-left corner at
    // origin.
    void paintArea(QPainter& painter, QPoint origin, const QRect& area) const;
    // The layer has painted the box: the next change schedules a repaint.
    void markPainted()
    {
        pending_ = QRect();
        wholePending_ = false;
    }

    // The pressed button or the held buttons, the modifier keys and the
    // position in twips.
    std::function<void(int button, int shift, QPoint twips)> pressed;
    std::function<void(int buttons, int shift, QPoint twips)> moved;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void scheduleRepaint(const QRect& area);

    QColor backColour_;
    const QPixmap* pixmap_ = nullptr;
    // The drawing buffer: its pixels, and an image that paints them.
    std::vector<QRgb> pixels_;
    int bufferWidth_ = 0, bufferHeight_ = 0;
    QImage buffer_;
    bool drawn_ = false;
    QPointer<PictureLayer> layer_;
    QRect pending_;
    bool wholePending_ = false;
};

class QtPictureBox : public QtControl<ui::PictureBox, PictureCanvas> {
public:
    QtPictureBox(QWidget* parent, const std::string& name, int index, const ui::Geometry& geometry);

    void setGeometry(const ui::Geometry& geometry) override;
    void setBackColour(ui::Colour colour) override;
    void setBitmap(ui::BitmapRef bitmap) override;
    ui::BitmapRef bitmap() const override { return bitmap_; }
    void fillRect(int x1, int y1, int x2, int y2, ui::Colour colour) override;

private:
    ui::BitmapRef bitmap_;
};

}  // namespace qtui
