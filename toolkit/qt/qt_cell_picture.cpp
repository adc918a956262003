#include "toolkit/qt/qt_cell_picture.h"

#include "toolkit/qt/qt_bitmap.h"

#include <QPainter>

#include <algorithm>
#include <cstring>

namespace qtui {
namespace {

int floorDiv(int a, int b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

int ceilDiv(int a, int b)
{
    return -floorDiv(-a, b);
}

}  // namespace

// Every cell shows the background, slot 0.
void CellPicture::setSize(int columns, int rows, int cellPixels)
{
    columns_ = std::max(columns, 0);
    rows_ = std::max(rows, 0);
    cellPixels_ = std::max(cellPixels, 1);
    image_ = QImage(columns_ * cellPixels_, rows_ * cellPixels_, QImage::Format_RGB32);
    image_.fill(backColour_);
    slots_.clear();
    freeSlots_.clear();
    slotByBitmap_.clear();
    slots_.push_back({nullptr, drawCell(nullptr), columns_ * rows_});
    slotByBitmap_.emplace(nullptr, 0);
    lastBitmap_ = nullptr;
    lastSlot_ = 0;
    cells_.assign(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), 0);
}

void CellPicture::setBackColour(QColor colour)
{
    if (colour == backColour_)
        return;
    backColour_ = colour;
    for (Slot& slot : slots_)
        if (slot.cells > 0)
            slot.drawn = drawCell(slot.bitmap);
    for (int row = 0; row < rows_; ++row)
        for (int column = 0; column < columns_; ++column)
            copyCell(column, row, slots_[cells_[indexOf(column, row)]].drawn);
}

bool CellPicture::setCell(int column, int row, const ui::BitmapRef& bitmap)
{
    if (!contains(column, row))
        return false;
    std::uint32_t& shown = cells_[indexOf(column, row)];
    if (slots_[shown].bitmap == bitmap)
        return false;
    const std::uint32_t slot = slotOf(bitmap);
    ++slots_[slot].cells;
    release(shown);
    shown = slot;
    copyCell(column, row, slots_[slot].drawn);
    return true;
}

ui::BitmapRef CellPicture::cell(int column, int row) const
{
    return contains(column, row) ? slots_[cells_[indexOf(column, row)]].bitmap : nullptr;
}

QImage CellPicture::cellImage(const ui::BitmapRef& bitmap)
{
    const auto found = slotByBitmap_.find(bitmap.get());
    return found != slotByBitmap_.end() ? slots_[found->second].drawn : drawCell(bitmap);
}

// As the picture box paints: the background, then the bitmap over it (a
// bitmap with transparency lets the background through).
QImage CellPicture::drawCell(const ui::BitmapRef& bitmap) const
{
    QImage cell(cellPixels_, cellPixels_, QImage::Format_RGB32);
    cell.fill(backColour_);
    if (const auto* shown = dynamic_cast<const QtBitmap*>(bitmap.get())) {
        QPainter painter(&cell);
        painter.drawPixmap(0, 0, shown->pixmap());
    }
    return cell;
}

// A bitmap shown for the first time gets a slot and its drawing.
std::uint32_t CellPicture::slotOf(const ui::BitmapRef& bitmap)
{
    if (bitmap.get() == lastBitmap_ && slots_[lastSlot_].bitmap == bitmap)
        return lastSlot_;
    const auto found = slotByBitmap_.find(bitmap.get());
    std::uint32_t slot = 0;
    if (found != slotByBitmap_.end()) {
        slot = found->second;
    } else {
        if (freeSlots_.empty()) {
            slot = static_cast<std::uint32_t>(slots_.size());
            slots_.emplace_back();
        } else {
            slot = freeSlots_.back();
            freeSlots_.pop_back();
        }
        slots_[slot] = {bitmap, drawCell(bitmap), 0};
        slotByBitmap_.emplace(bitmap.get(), slot);
    }
    lastBitmap_ = bitmap.get();
    lastSlot_ = slot;
    return slot;
}

// A bitmap no cell shows any more is let go, with its drawing.
void CellPicture::release(std::uint32_t slot)
{
    Slot& released = slots_[slot];
    if (--released.cells > 0)
        return;
    slotByBitmap_.erase(released.bitmap.get());
    if (lastBitmap_ == released.bitmap.get())
        lastBitmap_ = nullptr;
    released = {};
    freeSlots_.push_back(slot);
}

namespace {

// A cell's lines, each copied as one block of a size the compiler knows for
// the tile size, which it copies in a few moves instead of a call.
template <std::size_t kLineBytes>
void copyLines(uchar* to, qsizetype stride, const uchar* from, qsizetype fromStride, int lines)
{
    for (int y = 0; y < lines; ++y, to += stride, from += fromStride)
        std::memcpy(to, from, kLineBytes);
}

}  // namespace

// The lines are reached through the images' strides: asking the picture for
// each line would check it for sharing every time.
void CellPicture::copyCell(int column, int row, const QImage& drawn)
{
    const qsizetype stride = image_.bytesPerLine();
    const qsizetype drawnStride = drawn.bytesPerLine();
    uchar* to = image_.bits() + row * cellPixels_ * stride + static_cast<qsizetype>(column * cellPixels_) * 4;
    const uchar* from = drawn.constBits();
    constexpr int kTilePixels = 20;
    if (cellPixels_ == kTilePixels) {
        copyLines<kTilePixels * sizeof(QRgb)>(to, stride, from, drawnStride, kTilePixels);
        return;
    }
    const std::size_t lineBytes = static_cast<std::size_t>(cellPixels_) * sizeof(QRgb);
    for (int y = 0; y < cellPixels_; ++y, to += stride, from += drawnStride)
        std::memcpy(to, from, lineBytes);
}

void CellPicture::draw(QPainter& painter, const QRect& area, int zoom, QPoint origin) const
{
    if (image_.isNull() || zoom < 1)
        return;
    const int left = std::max(floorDiv(area.left() - origin.x(), zoom), 0);
    const int top = std::max(floorDiv(area.top() - origin.y(), zoom), 0);
    const int right = std::min(ceilDiv(area.right() + 1 - origin.x(), zoom), columns_);
    const int bottom = std::min(ceilDiv(area.bottom() + 1 - origin.y(), zoom), rows_);
    if (left >= right || top >= bottom)
        return;
    const QRect target(origin.x() + left * zoom, origin.y() + top * zoom, (right - left) * zoom,
                       (bottom - top) * zoom);
    const QRect source(left * cellPixels_, top * cellPixels_, (right - left) * cellPixels_,
                       (bottom - top) * cellPixels_);
    painter.drawImage(target, image_, source);
}

}  // namespace qtui
