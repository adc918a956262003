#include "terraloom/core/whole_map_viewport.h"

#include <algorithm>

namespace terraloom {
namespace {

// The nearest whole number to n / d (d > 0), a half rounded up.
long long roundedQuotient(long long n, long long d)
{
    const long long twice = 2 * n + d;
    const long long q = twice / (2 * d);
    return twice % (2 * d) < 0 ? q - 1 : q;
}

}  // namespace

int nextZoomIn(int zoom)
{
    for (const int level : kZoomLevels)
        if (level > zoom)
            return level;
    return kZoomLevels.back();
}

int nextZoomOut(int zoom)
{
    for (auto level = kZoomLevels.rbegin(); level != kZoomLevels.rend(); ++level)
        if (*level < zoom)
            return *level;
    return kZoomLevels.front();
}

int fittingZoom(int width, int height)
{
    for (auto level = kZoomLevels.rbegin(); level != kZoomLevels.rend(); ++level)
        if (formats::kMapSize * *level <= width && formats::kMapSize * *level <= height)
            return *level;
    return kZoomLevels.front();
}

int WholeMapViewport::Axis::maxScroll(int zoom) const
{
    return std::max(0, mapLength(zoom) - canvas);
}

// A map no longer than the canvas is centred, the odd pixel to the right
// (below).
int WholeMapViewport::Axis::origin(int zoom) const
{
    const int length = mapLength(zoom);
    return length <= canvas ? (canvas - length) / 2 : -scroll;
}

ScrollRange WholeMapViewport::Axis::range(int zoom) const
{
    return {maxScroll(zoom), canvas, scroll};
}

void WholeMapViewport::Axis::clamp(int zoom)
{
    scroll = std::clamp(scroll, 0, maxScroll(zoom));
}

// The map point at the centre of the anchor's pixel, u cells from the map's
// edge, is u * from device pixels from the origin before and must be
// u * to after: the new scroll is u * to - (anchor + 1/2).
void WholeMapViewport::Axis::zoomAround(int from, int to, int anchor)
{
    const long long offset = 2LL * (anchor - origin(from)) + 1;
    const long long numerator = offset * to - (2LL * anchor + 1) * from;
    scroll = static_cast<int>(roundedQuotient(numerator, 2LL * from));
    clamp(to);
}

void WholeMapViewport::resize(int width, int height)
{
    x_.canvas = std::max(width, 0);
    y_.canvas = std::max(height, 0);
    x_.clamp(zoom_);
    y_.clamp(zoom_);
}

void WholeMapViewport::scrollTo(int horizontal, int vertical)
{
    x_.scroll = horizontal;
    y_.scroll = vertical;
    x_.clamp(zoom_);
    y_.clamp(zoom_);
}

void WholeMapViewport::moveMapBy(int dx, int dy)
{
    scrollTo(x_.scroll - dx, y_.scroll - dy);
}

void WholeMapViewport::zoomAround(int zoom, CanvasPoint anchor)
{
    zoom = std::max(zoom, 1);
    x_.zoomAround(zoom_, zoom, anchor.x);
    y_.zoomAround(zoom_, zoom, anchor.y);
    zoom_ = zoom;
}

void WholeMapViewport::fit()
{
    zoom_ = fittingZoom(x_.canvas, y_.canvas);
    x_.clamp(zoom_);
    y_.clamp(zoom_);
}

MapPoint WholeMapViewport::mapPointAt(CanvasPoint point) const
{
    const CanvasPoint o = origin();
    return {(point.x - o.x + 0.5) / zoom_, (point.y - o.y + 0.5) / zoom_};
}

std::optional<MapCell> WholeMapViewport::cellAt(CanvasPoint point) const
{
    const CanvasPoint o = origin();
    const int dx = point.x - o.x;
    const int dy = point.y - o.y;
    const int length = formats::kMapSize * zoom_;
    if (dx < 0 || dy < 0 || dx >= length || dy >= length)
        return std::nullopt;
    return MapCell{dx / zoom_ + 1, dy / zoom_ + 1};
}

std::optional<ScriptPosition> WholeMapViewport::mapPixelAt(CanvasPoint point) const
{
    if (!cellAt(point))
        return std::nullopt;
    const CanvasPoint o = origin();
    const int x = (2 * (point.x - o.x) + 1) * formats::kTilePixels / (2 * zoom_);
    const int y = (2 * (point.y - o.y) + 1) * formats::kTilePixels / (2 * zoom_);
    return ScriptPosition{static_cast<double>(x), static_cast<std::int16_t>(y)};
}

MapArea viewFrame(const ViewPosition& view)
{
    return {{view.column, view.row}, kViewSize, kViewSize};
}

ViewPosition viewAroundCell(const MapCell& cell)
{
    return {clampViewStart(cell.x - 5), clampViewStart(cell.y - 5)};
}

}  // namespace terraloom
