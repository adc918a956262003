#pragma once
// What a cell canvas draws over its picture: the frame around a rectangle
// of cells, the previews of region work, and numbered markers. Markers keep
// their size at every zoom; each distinct label is drawn once, with the
// canvas's font, into a small image that every marker with that label
// copies, and only the markers that reach the area being painted are
// drawn. Of markers on the same device pixel only the topmost (the latest)
// is drawn: the others lie hidden beneath it.
#include "ui/cell_canvas.h"

#include <QFont>
#include <QImage>
#include <QRect>

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
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
// The device area drawCellsOutline paints.
QRect outlineBounds(const QRect& cells);

class CanvasMarks {
public:
    CanvasMarks();

    void setMarkers(const std::vector<ui::CanvasMarker>& markers);
    void setHighlighted(int index);
    int highlighted() const { return highlighted_; }
    void setShown(bool shown) { shown_ = shown; }
    bool shown() const { return shown_; }
    // The device area a marker covers; empty for none.
    QRect bounds(int index, const CanvasPlacement& at);

    void draw(QPainter& painter, const QRect& area, const CanvasPlacement& at);

private:
    struct Mark {
        int x = 0, y = 0;
        int label = 0;
    };
    const QImage& sprite(int label);
    QImage drawSprite(const std::string& label, QColor colour) const;

    QFont font_;
    int textHeight_ = 0, textAscent_ = 0;
    std::vector<Mark> marks_;
    std::vector<std::string> labels_;
    std::vector<QImage> sprites_;  // by label, drawn on first use
    QImage highlightSprite_;
    int highlightLabel_ = -1;
    int highlighted_ = -1;
    bool shown_ = true;
    int widest_ = 0;  // the widest sprite so far
    // The device pixels a marker was drawn at during one paint.
    std::vector<std::uint64_t> taken_;
    std::vector<int> drawOrder_;
};

class CanvasPreviewLayer {
public:
    void set(const ui::CanvasPreview& preview, CellPicture& picture);
    bool empty() const;
    // The device area the preview covers.
    QRect bounds(const CanvasPlacement& at) const;
    void draw(QPainter& painter, const QRect& area, const CanvasPlacement& at) const;

private:
    std::optional<ui::CellRect> rectangle_;
    bool tint_ = false;
    // The region's outline as runs of cell sides, from corner to corner of
    // cells: (x1, y) to (x2, y) and (x, y1) to (x, y2); and the corners'
    // bounding box (both corners included).
    std::vector<QLine> regionEdges_;
    QRect regionCorners_;
    ui::CellRect stampAt_;
    QImage stamp_;
    int pictureColumns_ = 0, pictureRows_ = 0;
};

}  // namespace qtui
