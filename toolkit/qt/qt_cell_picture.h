#pragma once
// The picture a cell canvas keeps: every cell drawn once, when it changes,
// into one 32-bit RGB image, and drawn from there at any zoom. A cell is
// drawn as a picture box draws its bitmap: the background, then the bitmap
// at the cell's top-left corner, cut at the cell. Each distinct bitmap is
// drawn into a cell only once; every cell showing it is a copy of that.
#include "toolkit/ui/controls.h"

#include <QColor>
#include <QImage>

#include <unordered_map>
#include <vector>

class QPainter;

namespace qtui {

class CellPicture {
public:
    void setSize(int columns, int rows, int cellPixels);
    void setBackColour(QColor colour);
    // False when the cell already showed that bitmap (or lies outside).
    bool setCell(int column, int row, ui::BitmapRef bitmap);
    ui::BitmapRef cell(int column, int row) const;

    int columns() const { return columns_; }
    int rows() const { return rows_; }
    int cellPixels() const { return cellPixels_; }
    const QImage& image() const { return image_; }
    // One cell as setCell draws it (the background for null).
    QImage cellImage(const ui::BitmapRef& bitmap);

    // Draws the cells that cross the device rectangle area, at zoom device
    // pixels a cell with the picture's top-left corner at origin, without
    // blending pixels. Whole cells are drawn, so every cell keeps its size.
    void draw(QPainter& painter, const QRect& area, int zoom, QPoint origin) const;

private:
    bool contains(int column, int row) const
    {
        return column >= 0 && row >= 0 && column < columns_ && row < rows_;
    }
    std::size_t indexOf(int column, int row) const
    {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(column);
    }
    const QImage& drawnCell(const ui::BitmapRef& bitmap);
    void copyCell(int column, int row, const QImage& drawn);

    int columns_ = 0, rows_ = 0, cellPixels_ = 0;
    QColor backColour_ = Qt::white;
    QImage image_;
    std::vector<ui::BitmapRef> cells_;
    // Cells as each bitmap draws them; the key stays alive with its entry.
    struct Drawn {
        ui::BitmapRef bitmap;
        QImage cell;
    };
    std::unordered_map<const ui::Bitmap*, Drawn> drawn_;
};

}  // namespace qtui
