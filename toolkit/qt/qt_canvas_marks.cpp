#include "toolkit/qt/qt_canvas_marks.h"

#include "toolkit/qt/qt_convert.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <functional>
#include <unordered_map>

namespace qtui {
namespace {

constexpr QRgb kDark = 0xFF000000;
constexpr QRgb kMarkColour = 0xFFFF00FF;  // magenta, as tervok-render marks players
constexpr QRgb kLabelColour = 0xFFFFFFFF;
constexpr QRgb kHighlightColour = 0xFFFFFF00;  // the selected row's marker

// The cross reaches this far from the marker's point, its outline one
// pixel more; the label starts a little right of it. A small cross reaches
// kSmallArm, its outline one pixel more.
constexpr int kArm = 4;
constexpr int kLabelLeft = kArm + 4;
constexpr int kSmallArm = 2;

// The 32-bit image a painter draws into, seen without scaling, or null.
QImage* plainImageOf(QPainter& painter)
{
    QPaintEngine* engine = painter.paintEngine();
    QPaintDevice* device = engine ? engine->paintDevice() : nullptr;
    if (!device || device->devType() != QInternal::Image || painter.deviceTransform().type() > QTransform::TxTranslate)
        return nullptr;
    auto* image = static_cast<QImage*>(device);
    const QImage::Format format = image->format();
    const bool plain = format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
                       format == QImage::Format_ARGB32_Premultiplied;
    return plain ? image : nullptr;
}

// A small cross with its dark outline, its centre at (cx, cy), cut at clip.
// Opaque colours are the same bits in the three formats plainImageOf takes.
// Most crosses lie wholly inside: they are written without cutting.
void writeSmallCross(QRgb* bits, qsizetype stride, const QRect& clip, int cx, int cy)
{
    constexpr int outline = kSmallArm + 1;
    const bool inside = cx - outline >= clip.left() && cx + outline <= clip.right() && cy - outline >= clip.top() &&
                        cy + outline <= clip.bottom();
    const auto bar = [&](int left, int top, int width, int height, QRgb colour) {
        const QRect r = inside ? QRect(left, top, width, height) : QRect(left, top, width, height) & clip;
        for (int y = r.top(); y <= r.bottom(); ++y) {
            QRgb* line = bits + y * stride + r.left();
            for (int x = 0; x < r.width(); ++x)
                line[x] = colour;
        }
    };
    bar(cx - outline, cy - 1, 2 * outline + 1, 3, kDark);
    bar(cx - 1, cy - outline, 3, 2 * outline + 1, kDark);
    bar(cx - kSmallArm, cy, 2 * kSmallArm + 1, 1, kMarkColour);
    bar(cx, cy - kSmallArm, 1, 2 * kSmallArm + 1, kMarkColour);
}

}  // namespace

CanvasMarks::CanvasMarks() : font_(QApplication::font())
{
    font_.setPixelSize(11);
    font_.setBold(true);
    font_.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics metrics(font_);
    textHeight_ = metrics.height();
    textAscent_ = metrics.ascent();
    spriteHeight_ = std::max(2 * kArm + 3, textHeight_ + 2);
    constexpr int side = 2 * kSmallArm + 3;
    smallCross_ = QImage(side, side, QImage::Format_ARGB32_Premultiplied);
    smallCross_.fill(Qt::transparent);
    writeSmallCross(reinterpret_cast<QRgb*>(smallCross_.bits()), side, smallCross_.rect(), side / 2, side / 2);
}

// Labels are numbered as they come, so a paint finds each marker's image
// by its number instead of by its text.
void CanvasMarks::setMarkers(const std::vector<ui::CanvasMarker>& markers)
{
    std::unordered_map<std::string, int> numbers;
    for (std::size_t i = 0; i < labels_.size(); ++i)
        numbers.emplace(labels_[i], static_cast<int>(i));
    marks_.clear();
    marks_.shrink_to_fit();
    farthest_ = 0;
    marks_.reserve(markers.size());
    for (const ui::CanvasMarker& marker : markers) {
        const auto [at, added] = numbers.emplace(marker.label, static_cast<int>(labels_.size()));
        if (added)
            labels_.push_back(marker.label);
        marks_.push_back({std::max(marker.x, 0), std::max(marker.y, 0), at->second});
        farthest_ = std::max({farthest_, static_cast<std::size_t>(marks_.back().x),
                              static_cast<std::size_t>(marks_.back().y)});
    }
    sprites_.resize(labels_.size());
    sortIntoBuckets();
    counted_ = false;
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
    QImage sprite(width, spriteHeight_, QImage::Format_ARGB32_Premultiplied);
    sprite.fill(Qt::transparent);
    QPainter painter(&sprite);
    const int cx = kArm + 1;
    const int cy = spriteHeight_ / 2;
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
    return {point - QPoint(kArm + 1, spriteHeight_ / 2), image.size()};
}

// Whether markers are drawn with their labels depends on how many are in
// the whole view, whatever part of it is painted, so that a repainted cell
// shows its markers as the rest of the view does.
void CanvasMarks::draw(QPainter& painter, const QRegion& region, const QRect& view, const CanvasPlacement& at)
{
    if (!shown_ || marks_.empty())
        return;
    const QRect reach = region.boundingRect();
    const bool counted = counted_ && view == countedView_ && at.zoom == countedAt_.zoom &&
                         at.origin == countedAt_.origin && at.cellPixels == countedAt_.cellPixels;
    if (!counted) {
        findMarksInReach(view, at);
        crowded_ = found_.size() > kMostLabelled;
        counted_ = true;
        countedView_ = view;
        countedAt_ = at;
    }
    if (counted || !reach.contains(view))
        findMarksInReach(reach, at);
    if (crowded_)
        drawCrosses(painter, region);
    else
        drawLabelled(painter);
    drawHighlighted(painter, at);
}

// Markers are looked at from the topmost down; a device pixel that already
// holds the point of a marker above keeps it.
void CanvasMarks::findMarksInReach(const QRect& area, const CanvasPlacement& at)
{
    for (std::size_t label = 0; label < labels_.size(); ++label)
        sprite(static_cast<int>(label));
    const int height = spriteHeight_;
    const QRect points = area.adjusted(-(widest_ - kArm - 1), -(height - height / 2), kArm + 1, height / 2);
    const auto width = static_cast<std::size_t>(points.width());
    taken_.assign((width * static_cast<std::size_t>(points.height()) + 63) / 64, 0);
    found_.clear();
    fillPlaces(at);
    const auto look = [&](int i) {
        const QPoint point = placeOf(marks_[static_cast<std::size_t>(i)]);
        if (i == highlighted_ || !points.contains(point))
            return;
        const std::size_t bit = static_cast<std::size_t>(point.y() - points.top()) * width +
                                static_cast<std::size_t>(point.x() - points.left());
        std::uint64_t& word = taken_[bit / 64];
        const std::uint64_t mask = std::uint64_t{1} << (bit % 64);
        if (word & mask)
            return;
        word |= mask;
        found_.push_back(i);
    };
    if (gatherNear(points, at)) {
        for (const int i : near_)
            look(i);
    } else {
        for (int i = static_cast<int>(marks_.size()) - 1; i >= 0; --i)
            look(i);
    }
}

// Markers sorted into squares of the picture, so that painting a small
// area (one painted cell) looks at the markers near it only.
void CanvasMarks::sortIntoBuckets()
{
    bucketColumns_ = static_cast<int>(farthest_ / kBucketPixels) + 1;
    const auto buckets = static_cast<std::size_t>(bucketColumns_) * static_cast<std::size_t>(bucketColumns_);
    bucketStart_.assign(buckets + 1, 0);
    for (const Mark& mark : marks_)
        ++bucketStart_[bucketOf(mark) + 1];
    for (std::size_t b = 0; b < buckets; ++b)
        bucketStart_[b + 1] += bucketStart_[b];
    bucketMarks_.resize(marks_.size());
    std::vector<int> next(bucketStart_.begin(), bucketStart_.end() - 1);
    for (std::size_t i = 0; i < marks_.size(); ++i)
        bucketMarks_[static_cast<std::size_t>(next[bucketOf(marks_[i])]++)] = static_cast<int>(i);
}

std::size_t CanvasMarks::bucketOf(const Mark& mark) const
{
    return static_cast<std::size_t>(mark.y / kBucketPixels) * static_cast<std::size_t>(bucketColumns_) +
           static_cast<std::size_t>(mark.x / kBucketPixels);
}

// The markers of the squares under the device rectangle, topmost first;
// false when the rectangle covers so much of the picture that looking at
// every marker costs less.
bool CanvasMarks::gatherNear(const QRect& points, const CanvasPlacement& at)
{
    const auto picture = [&](int device) {
        const long long offset = static_cast<long long>(device) * at.cellPixels;
        return static_cast<int>(offset >= 0 ? offset / at.zoom : -((-offset + at.zoom - 1) / at.zoom));
    };
    const int last = bucketColumns_ - 1;
    const int left = std::clamp(picture(points.left() - at.origin.x()) / kBucketPixels - 1, 0, last);
    const int right = std::clamp(picture(points.right() + 1 - at.origin.x()) / kBucketPixels + 1, 0, last);
    const int top = std::clamp(picture(points.top() - at.origin.y()) / kBucketPixels - 1, 0, last);
    const int bottom = std::clamp(picture(points.bottom() + 1 - at.origin.y()) / kBucketPixels + 1, 0, last);
    if (4LL * (right - left + 1) * (bottom - top + 1) > static_cast<long long>(bucketColumns_) * bucketColumns_)
        return false;
    near_.clear();
    for (int row = top; row <= bottom; ++row) {
        const std::size_t first = static_cast<std::size_t>(row) * static_cast<std::size_t>(bucketColumns_);
        near_.insert(near_.end(), bucketMarks_.begin() + bucketStart_[first + static_cast<std::size_t>(left)],
                     bucketMarks_.begin() + bucketStart_[first + static_cast<std::size_t>(right) + 1]);
    }
    std::sort(near_.begin(), near_.end(), std::greater<>());
    return true;
}

// Every paint places thousands of markers at one zoom: the device pixel of
// each picture pixel up to the farthest marker is worked out once a zoom.
void CanvasMarks::fillPlaces(const CanvasPlacement& at)
{
    placeOrigin_ = at.origin;
    if (at.zoom == placeZoom_ && at.cellPixels == placeCellPixels_ && places_.size() == farthest_ + 1)
        return;
    placeZoom_ = at.zoom;
    placeCellPixels_ = at.cellPixels;
    places_.resize(farthest_ + 1);
    for (std::size_t p = 0; p < places_.size(); ++p)
        places_[p] = static_cast<int>((2 * static_cast<long long>(p) + 1) * at.zoom / (2 * at.cellPixels));
}

QPoint CanvasMarks::placeOf(const Mark& mark) const
{
    return placeOrigin_ + QPoint(places_[static_cast<std::size_t>(mark.x)], places_[static_cast<std::size_t>(mark.y)]);
}

void CanvasMarks::drawLabelled(QPainter& painter)
{
    const QPoint anchor(kArm + 1, spriteHeight_ / 2);
    for (auto i = found_.rbegin(); i != found_.rend(); ++i) {
        const Mark& mark = marks_[static_cast<std::size_t>(*i)];
        painter.drawImage(placeOf(mark) - anchor, sprites_[static_cast<std::size_t>(mark.label)]);
    }
}

// Written straight into the buffer where the painter allows (one small
// cross costs less than the painter's own bookkeeping for it), cut at each
// part of the region as the painter would cut it; drawn through the painter
// otherwise.
void CanvasMarks::drawCrosses(QPainter& painter, const QRegion& region)
{
    QImage* image = plainImageOf(painter);
    if (!image) {
        const QPoint centre(kSmallArm + 1, kSmallArm + 1);
        for (auto i = found_.rbegin(); i != found_.rend(); ++i) {
            const Mark& mark = marks_[static_cast<std::size_t>(*i)];
            painter.drawImage(placeOf(mark) - centre, smallCross_);
        }
        return;
    }
    const QPoint offset(static_cast<int>(painter.deviceTransform().dx()),
                        static_cast<int>(painter.deviceTransform().dy()));
    // The painter holds the buffer for its own drawing; this writes where it
    // would, without making a copy of it.
    auto* bits = reinterpret_cast<QRgb*>(const_cast<uchar*>(image->constBits()));
    const qsizetype stride = image->bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    for (const QRect& part : region) {
        const QRect clip = part.translated(offset) & image->rect();
        for (auto i = found_.rbegin(); i != found_.rend(); ++i) {
            const Mark& mark = marks_[static_cast<std::size_t>(*i)];
            const QPoint point = placeOf(mark) + offset;
            writeSmallCross(bits, stride, clip, point.x(), point.y());
        }
    }
}

void CanvasMarks::drawHighlighted(QPainter& painter, const CanvasPlacement& at)
{
    if (highlighted_ < 0)
        return;
    const Mark& mark = marks_[static_cast<std::size_t>(highlighted_)];
    if (highlightLabel_ != mark.label) {
        highlightSprite_ = drawSprite(labels_[static_cast<std::size_t>(mark.label)], QColor::fromRgb(kHighlightColour));
        highlightLabel_ = mark.label;
    }
    painter.drawImage(at.picturePoint(mark.x, mark.y) - QPoint(kArm + 1, spriteHeight_ / 2), highlightSprite_);
}

}  // namespace qtui
