#pragma once
// The cell canvas: a scroll area whose view paints, for the area Qt asks
// for, the kept picture at the zoom (qt_cell_picture.h), then the frame, the
// preview and the markers (qt_canvas_overlays.h). A changed cell, frame or
// highlight repaints only its own area. The scroll bars are always there,
// so showing the map larger never changes the view's size. Positions and
// sizes are in device pixels: on a screen with more than one device pixel
// to a logical pixel the view paints in device pixels all the same.
#include "toolkit/qt/qt_canvas_marks.h"
#include "toolkit/qt/qt_canvas_overlays.h"
#include "toolkit/qt/qt_cell_picture.h"
#include "toolkit/qt/qt_control.h"
#include "toolkit/ui/cell_canvas.h"

#include <QAbstractScrollArea>
#include <QEvent>

#include <functional>

namespace qtui {

class CanvasView : public QAbstractScrollArea {
public:
    explicit CanvasView(QWidget* parent);

    CellPicture& picture() { return picture_; }
    const CellPicture& picture() const { return picture_; }
    CanvasMarks& marks() { return marks_; }
    CanvasPreviewLayer& preview() { return preview_; }
    const CanvasPlacement& placement() const { return placement_; }

    void setPictureSize(int columns, int rows, int cellPixels);
    void setPlacement(int zoom, QPoint origin);
    void setScrollBars(const ui::ScrollBarState& horizontal, const ui::ScrollBarState& vertical);
    void setFrame(std::optional<ui::CellRect> cells);
    const std::optional<ui::CellRect>& frame() const { return frame_; }
    // Schedules a repaint of a device area of the view.
    void repaintArea(const QRect& area);
    // Past kMostCellRepaints cells before the next paint (a fill, a paste,
    // an undo), the rectangle around them is repainted instead: a region of
    // thousands of cells costs more to paint, its markers above all, than
    // the rectangle around it, and a row of cells stays a row. That
    // rectangle is handed on only when it grows: at most once a column and
    // once a row.
    static constexpr int kMostCellRepaints = 64;
    void repaintCell(int column, int row);
    void repaintAll() { viewport()->update(); }
    QSize deviceSize() const;

    std::function<void(QEvent::Type type, int button, int shift, QPoint at)> pointer;
    std::function<void()> left;
    std::function<void()> focusLost;
    std::function<void(const ui::CanvasWheel&)> wheeled;
    std::function<void(const ui::CanvasKey&, bool down)> key;
    std::function<void(QSize)> resized;
    std::function<void(int horizontal, int vertical)> scrolled;

protected:
    bool viewportEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void scrollContentsBy(int, int) override {}

private:
    QPoint devicePoint(const QPointF& position) const;
    void forwardPointer(QEvent::Type type, int button, QMouseEvent* event);
    void forwardKey(QKeyEvent* event, bool down);
    void userScrolled();

    CellPicture picture_;
    CanvasMarks marks_;
    CanvasPreviewLayer preview_;
    CanvasPlacement placement_;
    std::optional<ui::CellRect> frame_;
    bool settingBars_ = false;
    int cellsToRepaint_ = 0;
    QRect cellsAround_;  // in cells: around those since the last paint
};

class QtCellCanvas : public QtControl<ui::CellCanvas, CanvasView> {
public:
    QtCellCanvas(QWidget* parent, const std::string& name);

    void setPictureSize(int columns, int rows, int cellPixels) override;
    void setBackColour(ui::Colour colour) override;
    void setCell(int column, int row, const ui::BitmapRef& bitmap) override;
    ui::BitmapRef cell(int column, int row) const override { return view()->picture().cell(column, row); }
    void setZoom(int zoom, int originX, int originY) override;
    void setScrollBars(const ui::ScrollBarState& horizontal, const ui::ScrollBarState& vertical) override;
    int viewWidth() const override { return view()->deviceSize().width(); }
    int viewHeight() const override { return view()->deviceSize().height(); }
    void setFrame(std::optional<ui::CellRect> cells) override { view()->setFrame(cells); }
    void setMarkers(std::vector<ui::CanvasMarker> markers) override;
    void setHighlightedMarker(int index) override;
    void setMarkersShown(bool shown) override;
    void setPreview(ui::CanvasPreview preview) override;

private:
    void bindEvents();
};

}  // namespace qtui
