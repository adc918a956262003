#include "toolkit/qt/qt_cell_picture.h"

#include "toolkit/qt/qt_bitmap.h"

#include <QPainter>

#include <algorithm>
#include <cstring>

namespace qtui {
namespace {

// Bitmaps replaced on disk leave their old drawings behind; past this many
// the drawings are made afresh as cells need them.
constexpr std::size_t kMostDrawnBitmaps = 512;

int floorDiv(int a, int b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

int ceilDiv(int a, int b)
{
    return -floorDiv(-a, b);
}

}  // namespace

void CellPicture::setSize(int columns, int rows, int cellPixels)
{
    columns_ = std::max(columns, 0);
    rows_ = std::max(rows, 0);
    cellPixels_ = std::max(cellPixels, 1);
    image_ = QImage(columns_ * cellPixels_, rows_ * cellPixels_, QImage::Format_RGB32);
    image_.fill(backColour_);
    cells_.assign(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), nullptr);
    drawn_.clear();
}

void CellPicture::setBackColour(QColor colour)
{
    if (colour == backColour_)
        return;
    backColour_ = colour;
    drawn_.clear();
    for (int row = 0; row < rows_; ++row)
        for (int column = 0; column < columns_; ++column)
            copyCell(column, row, drawnCell(cells_[indexOf(column, row)]));
}

bool CellPicture::setCell(int column, int row, ui::BitmapRef bitmap)
{
    if (!contains(column, row) || cells_[indexOf(column, row)] == bitmap)
        return false;
    copyCell(column, row, drawnCell(bitmap));
    cells_[indexOf(column, row)] = std::move(bitmap);
    return true;
}

ui::BitmapRef CellPicture::cell(int column, int row) const
{
    return contains(column, row) ? cells_[indexOf(column, row)] : nullptr;
}

QImage CellPicture::cellImage(const ui::BitmapRef& bitmap)
{
    return drawnCell(bitmap);
}

// As the picture box paints: the background, then the bitmap over it (a
// bitmap with transparency lets the background through).
const QImage& CellPicture::drawnCell(const ui::BitmapRef& bitmap)
{
    const auto found = drawn_.find(bitmap.get());
    if (found != drawn_.end())
        return found->second.cell;
    if (drawn_.size() >= kMostDrawnBitmaps)
        drawn_.clear();
    QImage cell(cellPixels_, cellPixels_, QImage::Format_RGB32);
    cell.fill(backColour_);
    if (const auto* shown = dynamic_cast<const QtBitmap*>(bitmap.get())) {
        QPainter painter(&cell);
        painter.drawPixmap(0, 0, shown->pixmap());
    }
    return drawn_.emplace(bitmap.get(), Drawn{bitmap, std::move(cell)}).first->second.cell;
}

// The picture's bits are taken once: each scanLine() would ask whether the
// image must be detached.
void CellPicture::copyCell(int column, int row, const QImage& drawn)
{
    const std::size_t lineBytes = static_cast<std::size_t>(cellPixels_) * sizeof(QRgb);
    const qsizetype stride = image_.bytesPerLine();
    uchar* line = image_.bits() + static_cast<qsizetype>(row) * cellPixels_ * stride +
                  static_cast<qsizetype>(column) * cellPixels_ * static_cast<qsizetype>(sizeof(QRgb));
    for (int y = 0; y < cellPixels_; ++y, line += stride)
        std::memcpy(line, drawn.constScanLine(y), lineBytes);
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
