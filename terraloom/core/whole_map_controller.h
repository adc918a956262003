#pragma once
// What the whole-map canvas's mouse, wheel and keys do, apart from any
// window. The window hands every canvas event over; the controller works on
// the editor's state (the grid, its history, the current tile, the script
// position) and on its viewport, and tells its listener what to show.
//
//  - left press, drag and release: go to the tool chosen (region_tools.h);
//    the pencil, the first tool, paints the current tile into every cell
//    the pointer passes, the line between two events included, and the
//    press, the drag and the release are one step of the history.
//  - right press, and left press with the pick tool: the cell's tile
//    becomes the current tile and the map pixel under the pointer the
//    script position, as the view's right click.
//  - Ctrl+left press: asks for the editor's view around the cell, as an
//    overview click on it.
//  - middle drag, and left drag while Space is held: moves the map. The
//    presses and releases a held key repeats are ignored.
//  - wheel: scrolls (Shift: sideways); Ctrl+wheel zooms around the pointer.
//  - Ctrl++ (also Ctrl+=, with or without Shift) and Ctrl+-, the keypad's +
//    and -: one zoom level in or out around the canvas's centre; Ctrl+0 fits
//    the map; Ctrl+1 shows it at its own size; Ctrl+Home its top-left
//    corner; Ctrl+P shows or hides the script's markers. The tools' keys
//    (region_tools.h) go to the tools.
// Every event ends the stroke under way in the editor's view, except those
// of a drag that paints here, which is a stroke of its own.
#include "terraloom/core/editor_state.h"
#include "terraloom/core/region_tools.h"
#include "terraloom/core/whole_map_status.h"
#include "terraloom/core/whole_map_viewport.h"

#include <optional>
#include <vector>

namespace terraloom {

// Key codes as the toolkit counts them (Windows virtual-key codes).
namespace key {
constexpr int kSpace = 32;
constexpr int kHome = 36;
constexpr int kZero = '0';
constexpr int kOne = '1';
constexpr int kP = 'P';
constexpr int kKeypadZero = 96;
constexpr int kKeypadOne = 97;
constexpr int kKeypadPlus = 107;
constexpr int kKeypadMinus = 109;
constexpr int kPlus = 187;   // the key of "=" and "+"
constexpr int kMinus = 189;  // the key of "-" and "_"
}  // namespace key

// Buttons and modifier keys, numbered as the toolkit numbers them.
namespace button {
constexpr int kLeft = 1, kRight = 2, kMiddle = 4;
}  // namespace button
namespace modifier {
constexpr int kShift = 1, kCtrl = 2, kAlt = 4;
}  // namespace modifier

struct WholeMapPointer {
    int button = 0;  // a press's or release's button; a move's held buttons
    int shift = 0;
    CanvasPoint at;
};

struct WholeMapWheel {
    int angleX = 0, angleY = 0;  // eighths of a degree, 120 a notch
    int pixelX = 0, pixelY = 0;  // a touchpad's pixels, 0 when it gives none
    int shift = 0;
    CanvasPoint at;
};

class WholeMapListener : public RegionToolsListener {
public:
    // The zoom or the scroll values changed.
    virtual void viewportChanged() = 0;
    // A right click set the current tile and the script position from a cell.
    virtual void tilePicked(const MapCell& cell) = 0;
    // Ctrl+left click: the editor's view should move there.
    virtual void viewMoveAsked(const ViewPosition& view) = 0;
    virtual void markersShownChanged() = 0;
};

class WholeMapController {
public:
    // A map point scrolls this many cells for a wheel notch.
    static constexpr int kCellsPerNotch = 3;

    WholeMapController(EditorState& state, WholeMapListener& listener)
        : state_(state), listener_(listener), tools_(state, listener)
    {
    }

    const WholeMapViewport& viewport() const { return viewport_; }
    RegionTools& tools() { return tools_; }
    const RegionTools& tools() const { return tools_; }
    // The cell under the pointer, if it is over the map.
    std::optional<MapCell> pointedCell() const;
    bool markersShown() const { return markersShown_; }
    WholeMapStatus status() const;

    // While the map is fitted (from the first size on, and after Ctrl+0,
    // until the zoom or scroll changes), a new size fits it again; otherwise
    // the zoom and scroll values stay as far as the new size allows.
    void resized(int width, int height);
    void scrolled(int horizontal, int vertical);
    void pressed(const WholeMapPointer& event);
    void moved(const WholeMapPointer& event);
    void released(const WholeMapPointer& event);
    void left();
    void wheel(const WholeMapWheel& event);
    // False when the key means nothing here.
    bool keyPressed(int keyCode, int shift, bool autoRepeat);
    void keyReleased(int keyCode, bool autoRepeat);
    void focusLost();

    void zoomIn();
    void zoomOut();
    void fit();
    void showActualSize();
    void showTopLeft();
    void toggleMarkers();

private:
    // Tool: a left drag that the tools take.
    enum class Drag { None, Tool, Moving };

    void endViewStroke();
    void showViewport();
    void pick(CanvasPoint at);
    void zoomAround(int zoom, CanvasPoint anchor);
    void zoomByWheel(int angle, CanvasPoint anchor);
    void scrollByWheel(const WholeMapWheel& event);
    bool runKey(int keyCode, int shift);

    EditorState& state_;
    WholeMapListener& listener_;
    RegionTools tools_;
    WholeMapViewport viewport_;
    bool fitted_ = true;
    bool markersShown_ = true;
    bool spaceHeld_ = false;
    Drag drag_ = Drag::None;
    int dragButton_ = 0;
    CanvasPoint lastAt_;     // the drag's last pointer
    int wheelZoomAngle_ = 0;  // Ctrl+wheel turned less than a notch so far
    std::optional<CanvasPoint> pointer_;
};

}  // namespace terraloom
