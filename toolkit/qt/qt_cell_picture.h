#pragma once
// The picture a cell canvas keeps: every cell drawn once, when it changes,
// into one 32-bit RGB image, and drawn from there at any zoom. A cell is
// drawn as a picture box draws its bitmap: the background, then the bitmap
// at the cell's top-left corner, cut at the cell. Each distinct bitmap is
// drawn into a cell only once, while cells show it; every cell showing it
// is a copy of that.
//
// A cell names its bitmap by a slot number, each slot holding one bitmap,
// its drawing and how many cells show it: setting thousands of cells (a
// fill, a paste) touches no bitmap's shared count, whose atomic updates
// would each wait for the cell copies before them to reach memory.
#include "toolkit/ui/controls.h"

#include <QColor>
#include <QImage>

#include <cstdint>
#include <unordered_map>
#include <vector>

class QPainter;

namespace qtui {

class CellPicture {
public:
    void setSize(int columns, int rows, int cellPixels);
    void setBackColour(QColor colour);
    // False when the cell already showed that bitmap (or lies outside).
    bool setCell(int column, int row, const ui::BitmapRef& bitmap);
    ui::BitmapRef cell(int column, int row) const;
    // Whether the cell shows that bitmap, or lies outside the picture.
    bool shows(int column, int row, const ui::BitmapRef& bitmap) const
    {
        return !contains(column, row) || slots_[cells_[indexOf(column, row)]].bitmap == bitmap;
    }

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
    QImage drawCell(const ui::BitmapRef& bitmap) const;
    std::uint32_t slotOf(const ui::BitmapRef& bitmap);
    void release(std::uint32_t slot);
    void copyCell(int column, int row, const QImage& drawn);

    struct Slot {
        ui::BitmapRef bitmap;
        QImage drawn;
        int cells = 0;  // showing it
    };

    int columns_ = 0, rows_ = 0, cellPixels_ = 0;
    QColor backColour_ = Qt::white;
    QImage image_;
    std::vector<std::uint32_t> cells_;
    std::vector<Slot> slots_;
    std::vector<std::uint32_t> freeSlots_;
    // The slot of each bitmap shown (the slot keeps it alive); null is the
    // background's.
    std::unordered_map<const ui::Bitmap*, std::uint32_t> slotByBitmap_;
    const ui::Bitmap* lastBitmap_ = nullptr;  // the last one looked up, and its slot
    std::uint32_t lastSlot_ = 0;
};

}  // namespace qtui
