#include "qt_canvas_overlays.h"

#include "qt_cell_picture.h"
#include "qt_convert.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace qtui {
namespace {

constexpr QRgb kDark = 0xFF000000;
constexpr QRgb kMarkColour = 0xFFFF00FF;       // magenta, as tervok-render marks players
constexpr QRgb kLabelColour = 0xFFFFFFFF;
constexpr QRgb kHighlightColour = 0xFFFFFF00;  // the selected row's marker
constexpr QRgb kRegionColour = 0xFFFF8000;
constexpr QRgb kRectangleColour = 0xFF40C0FF;
const QColor kTint(64, 192, 255, 72);

// The cross reaches this far from the marker's point, its outline one
// pixel more; the label starts a little right of it.
constexpr int kArm = 4;
constexpr int kLabelLeft = kArm + 4;

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

CanvasMarks::CanvasMarks() : font_(QApplication::font())
{
    font_.setPixelSize(11);
    font_.setBold(true);
    font_.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics metrics(font_);
    textHeight_ = metrics.height();
    textAscent_ = metrics.ascent();
}

// Labels are numbered as they come, so a paint finds each marker's image
// by its number instead of by its text.
void CanvasMarks::setMarkers(const std::vector<ui::CanvasMarker>& markers)
{
    std::unordered_map<std::string, int> numbers;
    for (std::size_t i = 0; i < labels_.size(); ++i)
        numbers.emplace(labels_[i], static_cast<int>(i));
    marks_.clear();
    marks_.reserve(markers.size());
    for (const ui::CanvasMarker& marker : markers) {
        const auto [at, added] = numbers.emplace(marker.label, static_cast<int>(labels_.size()));
        if (added)
            labels_.push_back(marker.label);
        marks_.push_back({std::max(marker.x, 0), std::max(marker.y, 0), at->second});
    }
    sprites_.resize(labels_.size());
    if (highlighted_ >= static_cast<int>(marks_.size()))
        highlighted_ = -1;
    highlightLabel_ = -1;
}

void CanvasMarks::setHighlighted(int index)
{
    highlighted_ = index >= 0 && index < static_cast<int>(marks_.size()) ? index : -1;
}

QImage CanvasMarks::drawSprite(const std::string& label, QColor colour) const
{
    const QString text = toQt(label);
    const int width = kLabelLeft + QFontMetrics(font_).horizontalAdvance(text) + 2 * kArm;
    const int height = std::max(2 * kArm + 3, textHeight_ + 2);
    QImage sprite(width, height, QImage::Format_ARGB32_Premultiplied);
    sprite.fill(Qt::transparent);
    QPainter painter(&sprite);
    const int cx = kArm + 1;
    const int cy = height / 2;
    const QColor dark = QColor::fromRgb(kDark);
    painter.fillRect(cx - kArm - 1, cy - 1, 2 * kArm + 3, 3, dark);
    painter.fillRect(cx - 1, cy - kArm - 1, 3, 2 * kArm + 3, dark);
    painter.fillRect(cx - kArm, cy, 2 * kArm + 1, 1, colour);
    painter.fillRect(cx, cy - kArm, 1, 2 * kArm + 1, colour);
    painter.setFont(font_);
    const int left = cx + kLabelLeft - kArm;
    const int baseline = cy - textHeight_ / 2 + textAscent_;
    painter.setPen(dark);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (dx != 0 || dy != 0)
                painter.drawText(left + dx, baseline + dy, text);
    painter.setPen(colour == QColor::fromRgb(kMarkColour) ? QColor::fromRgb(kLabelColour) : colour);
    painter.drawText(left, baseline, text);
    return sprite;
}

const QImage& CanvasMarks::sprite(int label)
{
    QImage& sprite = sprites_[static_cast<std::size_t>(label)];
    if (sprite.isNull()) {
        sprite = drawSprite(labels_[static_cast<std::size_t>(label)], QColor::fromRgb(kMarkColour));
        widest_ = std::max(widest_, sprite.width());
    }
    return sprite;
}

// The marker's point is the cross's centre, at (kArm + 1, height / 2) of
// its image.
QRect CanvasMarks::bounds(int index, const CanvasPlacement& at)
{
    if (index < 0 || index >= static_cast<int>(marks_.size()))
        return {};
    const Mark& mark = marks_[static_cast<std::size_t>(index)];
    const QImage& image = index == highlighted_ && !highlightSprite_.isNull() ? highlightSprite_ : sprite(mark.label);
    const QPoint point = at.picturePoint(mark.x, mark.y);
    return {point - QPoint(kArm + 1, image.height() / 2), image.size()};
}

// Markers are looked at from the topmost down; a device pixel that already
// holds the point of a marker above keeps it. The ones found are then drawn
// bottom up, the highlighted one last.
void CanvasMarks::draw(QPainter& painter, const QRect& area, const CanvasPlacement& at)
{
    if (!shown_ || marks_.empty())
        return;
    for (std::size_t label = 0; label < labels_.size(); ++label)
        if (sprites_[label].isNull())
            sprite(static_cast<int>(label));
    const int height = std::max(2 * kArm + 3, textHeight_ + 2);
    const QRect points = area.adjusted(-(widest_ - kArm - 1), -(height - height / 2), kArm + 1, height / 2);
    const std::size_t words = (static_cast<std::size_t>(points.width()) * static_cast<std::size_t>(points.height()) + 63) / 64;
    taken_.assign(words, 0);
    drawOrder_.clear();
    for (int i = static_cast<int>(marks_.size()) - 1; i >= 0; --i) {
        const Mark& mark = marks_[static_cast<std::size_t>(i)];
        const QPoint point = at.picturePoint(mark.x, mark.y);
        if (i == highlighted_ || !points.contains(point))
            continue;
        const std::size_t bit = static_cast<std::size_t>(point.y() - points.top()) * static_cast<std::size_t>(points.width()) +
                                static_cast<std::size_t>(point.x() - points.left());
        std::uint64_t& word = taken_[bit / 64];
        const std::uint64_t mask = std::uint64_t{1} << (bit % 64);
        if (word & mask)
            continue;
        word |= mask;
        drawOrder_.push_back(i);
    }
    const QPoint anchor(kArm + 1, height / 2);
    for (auto i = drawOrder_.rbegin(); i != drawOrder_.rend(); ++i) {
        const Mark& mark = marks_[static_cast<std::size_t>(*i)];
        painter.drawImage(at.picturePoint(mark.x, mark.y) - anchor, sprites_[static_cast<std::size_t>(mark.label)]);
    }
    if (highlighted_ >= 0) {
        const Mark& mark = marks_[static_cast<std::size_t>(highlighted_)];
        if (highlightLabel_ != mark.label) {
            highlightSprite_ = drawSprite(labels_[static_cast<std::size_t>(mark.label)], QColor::fromRgb(kHighlightColour));
            highlightLabel_ = mark.label;
        }
        painter.drawImage(at.picturePoint(mark.x, mark.y) - anchor, highlightSprite_);
    }
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
