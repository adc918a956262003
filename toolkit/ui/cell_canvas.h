#pragma once
// A window of its own that shows a picture of cells: the user resizes it,
// zooms and scrolls the picture, and works on it with the mouse and keys.
// The canvas keeps the whole picture, drawn cell by cell from bitmaps as a
// picture box draws its bitmap, and shows only the part in view, every
// cell enlarged or reduced to the same whole number of device pixels,
// without blending pixels. Over the picture it draws overlays: a frame
// around a rectangle of cells, numbered markers, and the previews of region
// work (a rectangle, a region of cells, a half-transparent stamp of cells).
//
// Positions and sizes on a canvas are in device pixels (the screen's own
// pixels), not twips: at every zoom a cell is a whole number of them.
#include "toolkit/ui/controls.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ui {

// A rectangle of cells: its top-left cell (column and row counted from 0)
// and its size in cells.
struct CellRect {
    int column = 0, row = 0, columns = 0, rows = 0;
    bool operator==(const CellRect&) const = default;
};

// A marker: its point on the picture, in picture pixels, and its label,
// drawn beside it in the same size at every zoom.
struct CanvasMarker {
    int x = 0, y = 0;
    std::string label;
    bool operator==(const CanvasMarker&) const = default;
};

// What region work shows before it changes anything; any part may be empty.
struct CanvasPreview {
    // Marked with a dashed line, apart from the rectangle's outline.
    std::optional<CellRect> selection;
    std::optional<CellRect> rectangle;  // outlined
    bool tintRectangle = false;         // and tinted inside
    // One flag a cell (columns x rows of the picture, row by row): the
    // region of flagged cells is outlined. Empty: no region.
    std::vector<std::uint8_t> region;
    // Cells drawn half-transparent over the picture, row by row, with their
    // top-left cell at stampAt (which may lie partly outside the picture);
    // a null bitmap shows the background there.
    CellRect stampAt;
    std::vector<BitmapRef> stamp;
    bool operator==(const CanvasPreview&) const = default;
};

// A scroll bar runs from 0 to maximum (0: nothing to scroll); page is the
// length in view, step the length of one arrow click.
struct ScrollBarState {
    int maximum = 0;
    int page = 0;
    int step = 1;
    int value = 0;
    bool operator==(const ScrollBarState&) const = default;
};

// A press or release carries the button it concerns, a move the buttons
// held (1 left, 2 right, 4 middle, added); then the modifier keys (1 Shift,
// 2 Ctrl, 4 Alt, added) and the pointer's device pixel in the canvas.
struct CanvasPointer {
    int button = 0;
    int shift = 0;
    int x = 0, y = 0;
};

// A turn of the wheel: angles in eighths of a degree (120 a notch, positive
// away from the user or to the right), and the pixels a touchpad asks to
// scroll (0 when it gives none); the modifier keys and the pointer.
struct CanvasWheel {
    int angleX = 0, angleY = 0;
    int pixelX = 0, pixelY = 0;
    int shift = 0;
    int x = 0, y = 0;
};

// A key as KeyChord counts it; autoRepeat marks the presses and releases
// that a held key repeats (X11 sends them in pairs).
struct CanvasKey {
    int keyCode = 0;
    int shift = 0;
    bool autoRepeat = false;
};

class CellCanvas : public Control {
public:
    using Control::Control;

    // Makes the picture columns x rows cells of cellPixels x cellPixels
    // picture pixels, every cell showing the background.
    virtual void setPictureSize(int columns, int rows, int cellPixels) = 0;
    // The colour a cell shows where its bitmap leaves it (as a picture box's).
    virtual void setBackColour(Colour colour) = 0;
    // Draws a cell (0-based) as a picture box of the cell's size draws a
    // bitmap: at the cell's top-left corner, cut at the cell, the background
    // where the bitmap is smaller or null. Only that cell is drawn again.
    virtual void setCell(int column, int row, const BitmapRef& bitmap) = 0;
    virtual BitmapRef cell(int column, int row) const = 0;

    // Shows the picture at zoom device pixels a cell, its top-left corner at
    // (originX, originY) of the canvas (negative when scrolled past).
    virtual void setZoom(int zoom, int originX, int originY) = 0;
    // Setting the scroll bars raises no onScroll.
    virtual void setScrollBars(const ScrollBarState& horizontal, const ScrollBarState& vertical) = 0;
    // The size of the area the picture is shown in, in device pixels.
    virtual int viewWidth() const = 0;
    virtual int viewHeight() const = 0;

    virtual void setFrame(std::optional<CellRect> cells) = 0;
    virtual void setMarkers(std::vector<CanvasMarker> markers) = 0;
    // The marker drawn highlighted and above the others; -1 for none.
    virtual void setHighlightedMarker(int index) = 0;
    virtual void setMarkersShown(bool shown) = 0;
    virtual void setPreview(CanvasPreview preview) = 0;

    std::function<void(const CanvasPointer&)> onPress;
    std::function<void(const CanvasPointer&)> onMove;  // also without a button held
    std::function<void(const CanvasPointer&)> onRelease;
    std::function<void()> onLeave;      // the pointer left the canvas
    std::function<void()> onFocusLost;  // keys go elsewhere now: no release will come
    std::function<void(const CanvasWheel&)> onWheel;
    // Keys pressed while the canvas has the focus, unless a shortcut of the
    // window takes them.
    std::function<void(const CanvasKey&)> onKeyDown;
    std::function<void(const CanvasKey&)> onKeyUp;
    std::function<void(int width, int height)> onResize;  // viewWidth/viewHeight changed
    std::function<void(int horizontal, int vertical)> onScroll;  // the user moved a scroll bar
};

// A top-level window without a parent (it never stays above the program's
// other windows), which the user may resize: its canvas fills it between a
// tool bar and a status bar. Its geometry is its client area's place on the
// screen, in twips. Closing it only hides it; onClose tells the program.
// The canvas has the keyboard focus whenever the window is active: the
// tool bar's buttons never take it.
class CanvasWindow : public Window {
public:
    using Window::Window;

    virtual CellCanvas& canvas() = 0;
    virtual void hide() = 0;
    // Shows the window if it is hidden, above the other windows, active.
    virtual void raise() = 0;
    // The status bar's fields, left to right; a field is made on first use.
    virtual void setStatusText(int field, const std::string& text) = 0;
    virtual std::string statusText(int field) const = 0;

    // Adds a button to the right of the tool bar's buttons: a short
    // caption and a tool tip (which names the button's key); a checkable
    // button shows whether it is checked. Buttons are numbered from 0 in
    // the order added; a separator is no button. A click raises
    // onToolButton; only the program checks and clears buttons.
    virtual int addToolButton(const std::string& caption, const std::string& toolTip, bool checkable) = 0;
    virtual void addToolSeparator() = 0;
    virtual void setToolButtonChecked(int button, bool checked) = 0;
    virtual bool toolButtonChecked(int button) const = 0;

    std::function<void()> onActivate;  // the window became the active one
    std::function<void(int button)> onToolButton;
};

}  // namespace ui
