#include "toolkit/qt/qt_cell_canvas.h"

#include "toolkit/qt/qt_colour.h"
#include "toolkit/qt/qt_flat_scroll_bars.h"
#include "toolkit/qt/qt_keys.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <cmath>

namespace qtui {
namespace {

// What lies around a map smaller than the view.
const QColor kMargin(0x50, 0x50, 0x50);

}  // namespace

CanvasView::CanvasView(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    useFlatScrollBars(*this);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAttribute(Qt::WA_NoSystemBackground);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { userScrolled(); });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { userScrolled(); });
}

QSize CanvasView::deviceSize() const
{
    const qreal ratio = viewport()->devicePixelRatioF();
    return {static_cast<int>(std::floor(viewport()->width() * ratio)),
            static_cast<int>(std::floor(viewport()->height() * ratio))};
}

QPoint CanvasView::devicePoint(const QPointF& position) const
{
    const qreal ratio = viewport()->devicePixelRatioF();
    return {static_cast<int>(std::floor(position.x() * ratio)), static_cast<int>(std::floor(position.y() * ratio))};
}

// A hidden canvas repaints nothing (as update() does nothing there), so a
// picture filled before the window shows costs no screen look-up per cell.
void CanvasView::repaintArea(const QRect& area)
{
    if (area.isEmpty() || !viewport()->isVisible())
        return;
    const qreal ratio = viewport()->devicePixelRatioF();
    if (ratio == 1.0) {
        viewport()->update(area);
        return;
    }
    viewport()->update(QRectF(area.x() / ratio, area.y() / ratio, area.width() / ratio, area.height() / ratio)
                           .toAlignedRect());
}

void CanvasView::repaintCell(int column, int row)
{
    ++cellsToRepaint_;
    const QRect around = cellsAround_ | QRect(column, row, 1, 1);
    if (cellsToRepaint_ <= kMostCellRepaints) {
        cellsAround_ = around;
        repaintArea(placement_.cells({column, row, 1, 1}));
    } else if (around != cellsAround_ || cellsToRepaint_ == kMostCellRepaints + 1) {
        cellsAround_ = around;
        repaintArea(placement_.cells({around.x(), around.y(), around.width(), around.height()}));
    }
}

void CanvasView::setPictureSize(int columns, int rows, int cellPixels)
{
    picture_.setSize(columns, rows, cellPixels);
    placement_.cellPixels = picture_.cellPixels();
    repaintAll();
}

void CanvasView::setPlacement(int zoom, QPoint origin)
{
    if (zoom == placement_.zoom && origin == placement_.origin)
        return;
    placement_.zoom = std::max(zoom, 1);
    placement_.origin = origin;
    repaintAll();
}

void CanvasView::setScrollBars(const ui::ScrollBarState& horizontal, const ui::ScrollBarState& vertical)
{
    settingBars_ = true;
    const std::pair<QScrollBar*, ui::ScrollBarState> bars[] = {{horizontalScrollBar(), horizontal},
                                                                {verticalScrollBar(), vertical}};
    for (const auto& [bar, state] : bars) {
        bar->setRange(0, std::max(state.maximum, 0));
        bar->setPageStep(std::max(state.page, 1));
        bar->setSingleStep(std::max(state.step, 1));
        bar->setValue(state.value);
    }
    settingBars_ = false;
}

void CanvasView::userScrolled()
{
    if (!settingBars_ && scrolled)
        scrolled(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void CanvasView::setFrame(std::optional<ui::CellRect> cells)
{
    if (cells == frame_)
        return;
    if (frame_)
        repaintArea(outlineBounds(placement_.cells(*frame_)));
    frame_ = cells;
    if (frame_)
        repaintArea(outlineBounds(placement_.cells(*frame_)));
}

// The picture, then the overlays, each only where the area asks.
void CanvasView::paintEvent(QPaintEvent* event)
{
    cellsToRepaint_ = 0;
    cellsAround_ = QRect();
    QPainter painter(viewport());
    const qreal ratio = viewport()->devicePixelRatioF();
    QRect area = event->rect();
    if (ratio != 1.0) {
        painter.scale(1 / ratio, 1 / ratio);
        area = QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio).toAlignedRect();
    }
    const QRect map = placement_.cells({0, 0, picture_.columns(), picture_.rows()});
    const QRegion margin = QRegion(area).subtracted(map);
    for (const QRect& part : margin)
        painter.fillRect(part, kMargin);
    picture_.draw(painter, area, placement_.zoom, placement_.origin);
    if (frame_)
        drawCellsOutline(painter, placement_.cells(*frame_), Qt::white);
    preview_.draw(painter, area, placement_, picture_);
    marks_.draw(painter, ratio == 1.0 ? event->region() : QRegion(area), QRect(QPoint(), deviceSize()), placement_);
}

// Leaving is not among the view's events the scroll area passes on.
bool CanvasView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Leave && left)
        left();
    return QAbstractScrollArea::viewportEvent(event);
}

void CanvasView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    if (resized)
        resized(deviceSize());
}

void CanvasView::forwardPointer(QEvent::Type type, int button, QMouseEvent* event)
{
    event->accept();
    if (pointer)
        pointer(type, button, modifierCode(event->modifiers()), devicePoint(event->position()));
}

void CanvasView::mousePressEvent(QMouseEvent* event)
{
    forwardPointer(QEvent::MouseButtonPress, buttonCode(event->button()), event);
}

// The second press of a double click is a press like the first.
void CanvasView::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
}

void CanvasView::mouseMoveEvent(QMouseEvent* event)
{
    forwardPointer(QEvent::MouseMove, buttonsCode(event->buttons()), event);
}

void CanvasView::mouseReleaseEvent(QMouseEvent* event)
{
    forwardPointer(QEvent::MouseButtonRelease, buttonCode(event->button()), event);
}

// The wheel is the program's: the scroll area does not scroll by itself.
void CanvasView::wheelEvent(QWheelEvent* event)
{
    event->accept();
    const QPoint at = devicePoint(event->position());
    const qreal ratio = viewport()->devicePixelRatioF();
    const QPoint pixels = event->pixelDelta() * ratio;
    if (wheeled)
        wheeled({event->angleDelta().x(), event->angleDelta().y(), pixels.x(), pixels.y(),
                 modifierCode(event->modifiers()), at.x(), at.y()});
}

void CanvasView::keyPressEvent(QKeyEvent* event)
{
    forwardKey(event, true);
}

void CanvasView::keyReleaseEvent(QKeyEvent* event)
{
    forwardKey(event, false);
}

void CanvasView::forwardKey(QKeyEvent* event, bool down)
{
    if (key)
        key({windowsKeyCode(event->key(), event->modifiers()), modifierCode(event->modifiers()), event->isAutoRepeat()},
            down);
}

void CanvasView::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    if (focusLost)
        focusLost();
}

QtCellCanvas::QtCellCanvas(QWidget* parent, const std::string& name)
    : QtControl(name, -1, new CanvasView(parent), ui::Geometry{})
{
    view()->setAccessibleName(toQt(name));
    bindEvents();
}

void QtCellCanvas::bindEvents()
{
    CanvasView& v = *view();
    v.pointer = [this](QEvent::Type type, int button, int shift, QPoint at) {
        const ui::CanvasPointer event{button, shift, at.x(), at.y()};
        const auto& handler = type == QEvent::MouseButtonPress  ? onPress
                              : type == QEvent::MouseMove       ? onMove
                                                                : onRelease;
        if (handler)
            handler(event);
    };
    v.left = [this] {
        if (onLeave)
            onLeave();
    };
    v.focusLost = [this] {
        if (onFocusLost)
            onFocusLost();
    };
    v.wheeled = [this](const ui::CanvasWheel& wheel) {
        if (onWheel)
            onWheel(wheel);
    };
    v.key = [this](const ui::CanvasKey& key, bool down) {
        const auto& handler = down ? onKeyDown : onKeyUp;
        if (handler)
            handler(key);
    };
    v.resized = [this](QSize size) {
        if (onResize)
            onResize(size.width(), size.height());
    };
    v.scrolled = [this](int horizontal, int vertical) {
        if (onScroll)
            onScroll(horizontal, vertical);
    };
}

void QtCellCanvas::setPictureSize(int columns, int rows, int cellPixels)
{
    view()->setPictureSize(columns, rows, cellPixels);
}

void QtCellCanvas::setBackColour(ui::Colour colour)
{
    view()->picture().setBackColour(toQColor(colour));
    view()->repaintAll();
}

void QtCellCanvas::setCell(int column, int row, const ui::BitmapRef& bitmap)
{
    if (view()->picture().setCell(column, row, bitmap))
        view()->repaintCell(column, row);
}

void QtCellCanvas::setZoom(int zoom, int originX, int originY)
{
    view()->setPlacement(zoom, {originX, originY});
}

void QtCellCanvas::setScrollBars(const ui::ScrollBarState& horizontal, const ui::ScrollBarState& vertical)
{
    view()->setScrollBars(horizontal, vertical);
}

void QtCellCanvas::setMarkers(std::vector<ui::CanvasMarker> markers)
{
    view()->marks().setMarkers(markers);
    view()->repaintAll();
}

void QtCellCanvas::setHighlightedMarker(int index)
{
    CanvasMarks& marks = view()->marks();
    if (index == marks.highlighted())
        return;
    const CanvasPlacement& at = view()->placement();
    view()->repaintArea(marks.bounds(marks.highlighted(), at));
    marks.setHighlighted(index);
    view()->repaintArea(marks.bounds(marks.highlighted(), at));
}

void QtCellCanvas::setMarkersShown(bool shown)
{
    if (shown == view()->marks().shown())
        return;
    view()->marks().setShown(shown);
    view()->repaintAll();
}

void QtCellCanvas::setPreview(ui::CanvasPreview preview)
{
    CanvasPreviewLayer& layer = view()->preview();
    view()->repaintArea(layer.bounds(view()->placement()));
    layer.set(preview, view()->picture());
    view()->repaintArea(layer.bounds(view()->placement()));
}

}  // namespace qtui
