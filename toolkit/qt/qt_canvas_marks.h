#pragma once
// The numbered markers of a cell canvas. They keep their size at every zoom
// and only those that reach the area being painted are drawn; of markers on
// the same device pixel only the topmost (the latest) is drawn, the others
// lying hidden beneath it.
//
// A marker is a cross with its label beside it. Each distinct label is drawn
// once, with the canvas's font, into a small image that every marker with
// that label copies. Where more markers are in view than can be told apart
// (kMostLabelled), they are drawn as small crosses without labels, written
// straight into the window's drawing buffer; zooming in shows the labels.
// The highlighted marker is always drawn whole, above the others.
#include "toolkit/qt/qt_canvas_overlays.h"
#include "toolkit/ui/cell_canvas.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QRegion>

#include <cstdint>
#include <string>
#include <vector>

class QPainter;

namespace qtui {

class CanvasMarks {
public:
    static constexpr std::size_t kMostLabelled = 3000;

    CanvasMarks();

    void setMarkers(const std::vector<ui::CanvasMarker>& markers);
    void setHighlighted(int index);
    int highlighted() const { return highlighted_; }
    void setShown(bool shown) { shown_ = shown; }
    bool shown() const { return shown_; }
    // The device area a marker covers, its label included; empty for none.
    QRect bounds(int index, const CanvasPlacement& at);

    // Draws what reaches the region (device pixels) being painted of the
    // view (the device rectangle the canvas shows).
    void draw(QPainter& painter, const QRegion& region, const QRect& view, const CanvasPlacement& at);

private:
    struct Mark {
        int x = 0, y = 0;
        int label = 0;
    };
    void findMarksInReach(const QRect& area, const CanvasPlacement& at);
    void sortIntoBuckets();
    std::size_t bucketOf(const Mark& mark) const;
    bool gatherNear(const QRect& points, const CanvasPlacement& at);
    void fillPlaces(const CanvasPlacement& at);
    QPoint placeOf(const Mark& mark) const;
    void drawLabelled(QPainter& painter);
    void drawCrosses(QPainter& painter, const QRegion& region);
    void drawHighlighted(QPainter& painter, const CanvasPlacement& at);
    const QImage& sprite(int label);
    QImage drawSprite(const std::string& label, QColor colour) const;

    QFont font_;
    int spriteHeight_ = 0, textHeight_ = 0, textAscent_ = 0;
    std::vector<Mark> marks_;
    std::vector<std::string> labels_;
    std::vector<QImage> sprites_;  // by label, drawn on first use
    QImage smallCross_;
    QImage highlightSprite_;
    int highlightLabel_ = -1;
    int highlighted_ = -1;
    bool shown_ = true;
    int widest_ = 0;  // the widest sprite so far
    // One paint's bookkeeping: the device pixels that hold a marker's point,
    // and the markers to draw, topmost first.
    std::vector<std::uint64_t> taken_;
    std::vector<int> found_;
    // Whether the view was too crowded for labels, when last counted.
    bool counted_ = false, crowded_ = false;
    QRect countedView_;
    CanvasPlacement countedAt_;
    std::size_t farthest_ = 0;  // the largest coordinate of a marker
    // The markers by square of kBucketPixels picture pixels, row by row:
    // the markers of square b are bucketMarks_[bucketStart_[b]] up to
    // bucketMarks_[bucketStart_[b + 1]], in their order.
    static constexpr int kBucketPixels = 16;
    int bucketColumns_ = 0;
    std::vector<int> bucketStart_;
    std::vector<int> bucketMarks_;
    std::vector<int> near_;
    std::vector<int> places_;   // the device pixel of each picture pixel, from the origin
    int placeZoom_ = 0, placeCellPixels_ = 0;
    QPoint placeOrigin_;
};

}  // namespace qtui
