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

QRect outlineBounds(const QRect& cells)
{
    return cells.adjusted(-2, -2, 2, 2);
}

void CanvasPreviewLayer::set(const ui::CanvasPreview& preview, CellPicture& picture)
{
    rectangle_ = preview.rectangle;
    tint_ = preview.tintRectangle;
    pictureColumns_ = picture.columns();
    pictureRows_ = picture.rows();
    regionEdges_.clear();
    regionCorners_ = QRect();
    const int columns = pictureColumns_;
    const int rows = pictureRows_;
    if (preview.region.size() == static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows)) {
        const auto flagged = [&](int x, int y) {
            return x >= 0 && y >= 0 && x < columns && y < rows &&
                   preview.region[static_cast<std::size_t>(y) * static_cast<std::size_t>(columns) +
                                  static_cast<std::size_t>(x)] != 0;
        };
        // A side is part of the outline where it parts a flagged cell from
        // one that is not; neighbouring sides join into one run.
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
    stampAt_ = preview.stampAt;
    stamp_ = QImage();
    const std::size_t stampCells = static_cast<std::size_t>(std::max(stampAt_.columns, 0)) *
                                   static_cast<std::size_t>(std::max(stampAt_.rows, 0));
    if (stampCells > 0 && preview.stamp.size() == stampCells) {
        const int cell = picture.cellPixels();
        stamp_ = QImage(stampAt_.columns * cell, stampAt_.rows * cell, QImage::Format_RGB32);
        QPainter painter(&stamp_);
        for (int y = 0; y < stampAt_.rows; ++y)
            for (int x = 0; x < stampAt_.columns; ++x)
                painter.drawImage(x * cell, y * cell,
                                  picture.cellImage(preview.stamp[static_cast<std::size_t>(y * stampAt_.columns + x)]));
    }
}

bool CanvasPreviewLayer::empty() const
{
    return !rectangle_ && regionEdges_.empty() && stamp_.isNull();
}

QRect CanvasPreviewLayer::bounds(const CanvasPlacement& at) const
{
    QRect covered;
    if (rectangle_)
        covered |= outlineBounds(at.cells(*rectangle_));
    if (!regionEdges_.empty())
        covered |= QRect(at.origin + regionCorners_.topLeft() * at.zoom - QPoint(1, 1),
                         at.origin + regionCorners_.bottomRight() * at.zoom);
    if (!stamp_.isNull())
        covered |= at.cells(stampAt_);
    return covered;
}

void CanvasPreviewLayer::draw(QPainter& painter, const QRect& area, const CanvasPlacement& at) const
{
    if (!stamp_.isNull()) {
        painter.save();
        painter.setClipRect(area & at.cells({0, 0, pictureColumns_, pictureRows_}));
        painter.setOpacity(0.5);
        painter.drawImage(at.cells(stampAt_), stamp_);
        painter.restore();
    }
    if (rectangle_) {
        const QRect cells = at.cells(*rectangle_);
        if (tint_)
            painter.fillRect(cells & area, kTint);
        drawCellsOutline(painter, cells, QColor::fromRgb(kRectangleColour));
    }
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
