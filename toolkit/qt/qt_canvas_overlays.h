#pragma once
// What a cell canvas draws over its picture besides its markers
// (qt_canvas_marks.h): the frame around a rectangle of cells and the
// previews of region work; and where the picture is placed.
#include "toolkit/ui/cell_canvas.h"

#include <QColor>
#include <QImage>
#include <QLine>
#include <QRect>

#include <cstdint>

#include <optional>
#include <vector>

class QPainter;

namespace qtui {

class CellPicture;

// Where the picture is shown: zoom device pixels a cell, top-left corner at
// origin, cellPixels picture pixels a cell.
struct CanvasPlacement {
    int zoom = 1;
    QPoint origin;
    int cellPixels = 1;

    QRect cells(const ui::CellRect& cells) const
    {
        return {origin.x() + cells.column * zoom, origin.y() + cells.row * zoom, cells.columns * zoom,
                cells.rows * zoom};
    }
    QPoint picturePoint(int x, int y) const
    {
        return {origin.x() + (2 * x + 1) * zoom / (2 * cellPixels), origin.y() + (2 * y + 1) * zoom / (2 * cellPixels)};
    }
};

// A rectangle of cells outlined so that it shows on any tile: a light line
// between two dark ones, centred on the cells' border.
void drawCellsOutline(QPainter& painter, const QRect& cells, QColor light);
// The selection's mark: a dashed line, dark and light in turn, two pixels
// wide on the cells' border.
void drawSelectionOutline(QPainter& painter, const QRect& cells);
// The device area drawCellsOutline paints.
QRect outlineBounds(const QRect& cells);

// The stamp's picture is drawn again only when its cells change, not when
// it merely moves; the region's outline likewise.
class CanvasPreviewLayer {
public:
    void set(const ui::CanvasPreview& preview, CellPicture& picture);
    bool empty() const;
    // The device area the preview covers.
    QRect bounds(const CanvasPlacement& at) const;
    // A stamp over cells that show its own bitmaps (where it was just
    // placed) would change no pixel: it is not blended then.
    void draw(QPainter& painter, const QRect& area, const CanvasPlacement& at, const CellPicture& picture) const;

private:
    void setRegion(const std::vector<std::uint8_t>& region);
    void setStamp(const ui::CanvasPreview& preview, CellPicture& picture);
    const QImage& stampAtZoom(int zoom) const;
    bool stampShowsOnly(const CellPicture& picture) const;

    std::optional<ui::CellRect> selection_;
    std::optional<ui::CellRect> rectangle_;
    bool tint_ = false;
    std::vector<std::uint8_t> region_;
    // The region's outline as runs of cell sides, from corner to corner of
    // cells: (x1, y) to (x2, y) and (x, y1) to (x, y2); and the corners'
    // bounding box (both corners included).
    std::vector<QLine> regionEdges_;
    QRect regionCorners_;
    ui::CellRect stampAt_;
    std::vector<ui::BitmapRef> stampCells_;
    int stampColumns_ = 0;
    QImage stamp_;
    mutable QImage stampShown_;  // the stamp at stampShownZoom_ device pixels a cell
    mutable int stampShownZoom_ = 0;
    int pictureColumns_ = 0, pictureRows_ = 0;
};

}  // namespace qtui
