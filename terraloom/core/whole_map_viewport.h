#pragma once
// What part of the whole map a canvas shows, and at what zoom. The zoom is
// a whole number of device pixels a cell, one of a fixed set of levels, so
// every cell shows at the same size. Along each axis the map is centred
// when it is smaller than the canvas, and otherwise scrolled: the scroll
// value is the map's device pixel at the canvas's left (top) edge, from 0
// to the map's size less the canvas's. Every change keeps that range.
#include "formats/map_grid.h"
#include "terraloom/core/script_position.h"
#include "terraloom/core/view_navigation.h"

#include <array>
#include <optional>

namespace terraloom {

// Device pixels a cell; 20 shows the map at its own size (100 %).
constexpr std::array<int, 18> kZoomLevels = {1, 2, 3, 4, 5, 6, 8, 10, 12, 15, 20, 25, 30, 40, 60, 80, 120, 160};
constexpr int kActualSizeZoom = formats::kTilePixels;

int nextZoomIn(int zoom);   // the next larger level, or the largest
int nextZoomOut(int zoom);  // the next smaller level, or the smallest
// The largest level at which the map fits width x height; the smallest
// when none does.
int fittingZoom(int width, int height);

// A device pixel of the canvas.
struct CanvasPoint {
    int x = 0, y = 0;
    bool operator==(const CanvasPoint&) const = default;
};

// A point of the map in cells from its top-left corner (cell (1, 1) spans
// 0 to 1 on both axes).
struct MapPoint {
    double x = 0, y = 0;
};

struct ScrollRange {
    int maximum = 0;  // 0: the map fits
    int page = 0;     // the canvas's length
    int value = 0;
    bool operator==(const ScrollRange&) const = default;
};

class WholeMapViewport {
public:
    int zoom() const { return zoom_; }
    int width() const { return x_.canvas; }
    int height() const { return y_.canvas; }
    // Where the map's top-left corner is drawn on the canvas.
    CanvasPoint origin() const { return {x_.origin(zoom_), y_.origin(zoom_)}; }
    ScrollRange horizontal() const { return x_.range(zoom_); }
    ScrollRange vertical() const { return y_.range(zoom_); }

    // The canvas took a new size; the zoom and scroll values stay, as far as
    // the new size allows.
    void resize(int width, int height);
    void scrollTo(int horizontal, int vertical);
    // Moves the map by (dx, dy) device pixels, as a drag does.
    void moveMapBy(int dx, int dy);
    // Changes the zoom so that the map point under the anchor stays under it
    // (as far as the scroll range allows).
    void zoomAround(int zoom, CanvasPoint anchor);
    // The largest level at which the whole map fits, centred.
    void fit();
    CanvasPoint centre() const { return {x_.canvas / 2, y_.canvas / 2}; }

    // The map point at the centre of a device pixel.
    MapPoint mapPointAt(CanvasPoint point) const;
    // The cell under a device pixel, or nothing outside the map.
    std::optional<MapCell> cellAt(CanvasPoint point) const;
    // The map pixel under a device pixel (the centre of the device pixel
    // decides), or nothing outside the map: what a script row stores.
    std::optional<ScriptPosition> mapPixelAt(CanvasPoint point) const;

private:
    struct Axis {
        int canvas = 0;
        int scroll = 0;
        int mapLength(int zoom) const { return formats::kMapSize * zoom; }
        int maxScroll(int zoom) const;
        int origin(int zoom) const;
        ScrollRange range(int zoom) const;
        void clamp(int zoom);
        // The scroll value at the new zoom that keeps the map point at the
        // centre of the anchor's device pixel under it.
        void zoomAround(int from, int to, int anchor);
    };

    int zoom_ = kActualSizeZoom;
    Axis x_, y_;
};

// The cells the editor's 10 x 10 view shows: its top-left cell and size.
struct MapArea {
    MapCell topLeft;
    int columns = 0, rows = 0;
    bool operator==(const MapArea&) const = default;
};
MapArea viewFrame(const ViewPosition& view);

// The view that an overview click on a cell gives: the cell in the view's
// sixth column and row, unless the map's edge is nearer.
ViewPosition viewAroundCell(const MapCell& cell);

}  // namespace terraloom
