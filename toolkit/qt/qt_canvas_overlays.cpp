#include "toolkit/qt/qt_canvas_overlays.h"

#include "toolkit/qt/qt_cell_picture.h"

#include <QPainter>

#include <algorithm>

namespace qtui {
namespace {

constexpr QRgb kDark = 0xFF000000;
constexpr QRgb kRegionColour = 0xFFFF8000;
constexpr QRgb kRectangleColour = 0xFF40C0FF;
const QColor kTint(64, 192, 255, 72);

}  // namespace

void drawCellsOutline(QPainter& painter, const QRect& cells, QColor light)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::NoBrush);
    const auto ring = [&](int grow, QColor colour, int width) {
        const QRect r = cells.adjusted(-grow, -grow, grow, grow);
        painter.fillRect(r.left(), r.top(), r.width(), width, colour);
        painter.fillRect(r.left(), r.bottom() + 1 - width, r.width(), width, colour);
        painter.fillRect(r.left(), r.top(), width, r.height(), colour);
        painter.fillRect(r.right() + 1 - width, r.top(), width, r.height(), colour);
    };
    ring(2, QColor::fromRgb(kDark), 4);
    ring(1, light, 2);
}

// Dashes of kDash pixels along the ring, counted from its top-left corner,
// so a mark drawn in pieces (repainted areas) joins up.
void drawSelectionOutline(QPainter& painter, const QRect& cells)
{
    constexpr int kDash = 4;
    const QRect r = cells.adjusted(-1, -1, 1, 1);
    painter.setPen(Qt::NoPen);
    const auto run = [&](int x, int y, int length, bool across) {
        for (int at = 0; at < length; at += kDash) {
            const int piece = std::min(kDash, length - at);
            const QColor colour = (at / kDash) % 2 == 0 ? QColor::fromRgb(kDark) : QColor(Qt::white);
            if (across)
                painter.fillRect(x + at, y, piece, 2, colour);
            else
                painter.fillRect(x, y + at, 2, piece, colour);
        }
    };
    run(r.left(), r.top(), r.width(), true);
    run(r.left(), r.bottom() - 1, r.width(), true);
    run(r.left(), r.top(), r.height(), false);
    run(r.right() - 1, r.top(), r.height(), false);
}

QRect outlineBounds(const QRect& cells)
{
    return cells.adjusted(-2, -2, 2, 2);
}

void CanvasPreviewLayer::set(const ui::CanvasPreview& preview, CellPicture& picture)
{
    selection_ = preview.selection;
    rectangle_ = preview.rectangle;
    tint_ = preview.tintRectangle;
    if (picture.columns() != pictureColumns_ || picture.rows() != pictureRows_) {
        pictureColumns_ = picture.columns();
        pictureRows_ = picture.rows();
        region_.clear();
        regionEdges_.clear();
        stampCells_.clear();
    }
    if (preview.region != region_)
        setRegion(preview.region);
    stampAt_ = preview.stampAt;
    setStamp(preview, picture);
}

void CanvasPreviewLayer::setRegion(const std::vector<std::uint8_t>& region)
{
    region_ = region;
    regionEdges_.clear();
    regionCorners_ = QRect();
    const int columns = pictureColumns_;
    const int rows = pictureRows_;
    if (region.size() != static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows))
        return;
    const auto flagged = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < columns && y < rows &&
               region[static_cast<std::size_t>(y) * static_cast<std::size_t>(columns) + static_cast<std::size_t>(x)] !=
                   0;
    };
    // A side is part of the outline where it parts a flagged cell from one
    // that is not; neighbouring sides join into one run.
    for (int y = 0; y <= rows; ++y)
        for (int x = 0; x < columns;) {
            if (flagged(x, y - 1) == flagged(x, y)) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < columns && flagged(x, y - 1) != flagged(x, y))
                ++x;
            regionEdges_.emplace_back(start, y, x, y);
        }
    for (int x = 0; x <= columns; ++x)
        for (int y = 0; y < rows;) {
            if (flagged(x - 1, y) == flagged(x, y)) {
                ++y;
                continue;
            }
            const int start = y;
            while (y < rows && flagged(x - 1, y) != flagged(x, y))
                ++y;
            regionEdges_.emplace_back(x, start, x, y);
        }
    for (const QLine& edge : regionEdges_)
        regionCorners_ |= QRect(edge.p1(), edge.p2());
}

void CanvasPreviewLayer::setStamp(const ui::CanvasPreview& preview, CellPicture& picture)
{
    const std::size_t stampCells = static_cast<std::size_t>(std::max(stampAt_.columns, 0)) *
                                   static_cast<std::size_t>(std::max(stampAt_.rows, 0));
    if (stampCells == 0 || preview.stamp.size() != stampCells) {
        stamp_ = QImage();
        stampCells_.clear();
        return;
    }
    if (!stamp_.isNull() && stampColumns_ == stampAt_.columns && preview.stamp == stampCells_)
        return;
    stampCells_ = preview.stamp;
    stampColumns_ = stampAt_.columns;
    stampShown_ = QImage();
    const int cell = picture.cellPixels();
    stamp_ = QImage(stampAt_.columns * cell, stampAt_.rows * cell, QImage::Format_RGB32);
    QPainter painter(&stamp_);
    for (int y = 0; y < stampAt_.rows; ++y)
        for (int x = 0; x < stampAt_.columns; ++x)
            painter.drawImage(x * cell, y * cell,
                              picture.cellImage(preview.stamp[static_cast<std::size_t>(y * stampAt_.columns + x)]));
}

bool CanvasPreviewLayer::empty() const
{
    return !selection_ && !rectangle_ && regionEdges_.empty() && stamp_.isNull();
}

QRect CanvasPreviewLayer::bounds(const CanvasPlacement& at) const
{
    QRect covered;
    if (selection_)
        covered |= outlineBounds(at.cells(*selection_));
    if (rectangle_)
        covered |= outlineBounds(at.cells(*rectangle_));
    if (!regionEdges_.empty())
        covered |= QRect(at.origin + regionCorners_.topLeft() * at.zoom - QPoint(1, 1),
                         at.origin + regionCorners_.bottomRight() * at.zoom);
    if (!stamp_.isNull())
        covered |= at.cells(stampAt_);
    return covered;
}

// Drawn half-transparent, a stamp is blended pixel by pixel: scaling it as
// well at every paint would cost as much again, so it is kept at the zoom
// it was last drawn at, without blending pixels.
const QImage& CanvasPreviewLayer::stampAtZoom(int zoom) const
{
    const int cell = stampColumns_ > 0 ? stamp_.width() / stampColumns_ : 0;
    if (zoom == cell || cell == 0)
        return stamp_;
    if (stampShownZoom_ != zoom || stampShown_.isNull()) {
        const int rows = stamp_.height() / cell;
        stampShown_ = stamp_.scaled(stampColumns_ * zoom, rows * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        stampShownZoom_ = zoom;
    }
    return stampShown_;
}

// Cells of the stamp beyond the picture are never drawn.
bool CanvasPreviewLayer::stampShowsOnly(const CellPicture& picture) const
{
    for (int y = 0; y < stampAt_.rows; ++y)
        for (int x = 0; x < stampAt_.columns; ++x) {
            const auto& bitmap = stampCells_[static_cast<std::size_t>(y * stampAt_.columns + x)];
            if (!picture.shows(stampAt_.column + x, stampAt_.row + y, bitmap))
                return false;
        }
    return true;
}

void CanvasPreviewLayer::draw(QPainter& painter, const QRect& area, const CanvasPlacement& at,
                              const CellPicture& picture) const
{
    if (!stamp_.isNull() && !stampShowsOnly(picture)) {
        painter.save();
        painter.setClipRect(area & at.cells({0, 0, pictureColumns_, pictureRows_}));
        painter.setOpacity(0.5);
        painter.drawImage(at.cells(stampAt_).topLeft(), stampAtZoom(at.zoom));
        painter.restore();
    }
    if (rectangle_) {
        const QRect cells = at.cells(*rectangle_);
        if (tint_)
            painter.fillRect(cells & area, kTint);
        drawCellsOutline(painter, cells, QColor::fromRgb(kRectangleColour));
    }
    if (selection_)
        drawSelectionOutline(painter, at.cells(*selection_));
    const QColor region = QColor::fromRgb(kRegionColour);
    for (const QLine& edge : regionEdges_) {
        const QPoint from = at.origin + edge.p1() * at.zoom;
        const QPoint to = at.origin + edge.p2() * at.zoom;
        const QRect line = QRect(from, to).adjusted(-1, -1, 0, 0);
        if (line.intersects(area))
            painter.fillRect(line, region);
    }
}

}  // namespace qtui
