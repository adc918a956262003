#pragma once
// The in-memory canvas window: it keeps what a user would see (the bitmap of
// every cell, the zoom and origin, the scroll bars, the overlays, the status
// bar) and offers the user's actions on it as plain calls.
#include "toolkit/headless/headless_controls.h"
#include "toolkit/ui/cell_canvas.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace headless {

class HeadlessCellCanvas : public HeadlessControl<ui::CellCanvas> {
public:
    HeadlessCellCanvas(HeadlessToolkit& toolkit, const std::string& name, const ui::Geometry& geometry)
        : HeadlessControl(toolkit, name, -1, geometry)
    {
    }

    void setPictureSize(int columns, int rows, int cellPixels) override;
    void setBackColour(ui::Colour colour) override { backColour_ = colour; }
    void setCell(int column, int row, const ui::BitmapRef& bitmap) override;
    ui::BitmapRef cell(int column, int row) const override;
    void setZoom(int zoom, int originX, int originY) override;
    void setScrollBars(const ui::ScrollBarState& horizontal, const ui::ScrollBarState& vertical) override;
    int viewWidth() const override { return viewWidth_; }
    int viewHeight() const override { return viewHeight_; }
    void setFrame(std::optional<ui::CellRect> cells) override { frame_ = cells; }
    void setMarkers(std::vector<ui::CanvasMarker> markers) override;
    void setHighlightedMarker(int index) override { highlighted_ = index; }
    void setMarkersShown(bool shown) override { markersShown_ = shown; }
    void setPreview(ui::CanvasPreview preview) override { preview_ = std::move(preview); }

    // --- what a user sees -----------------------------------------------------
    int columns() const { return columns_; }
    int rows() const { return rows_; }
    int cellPixels() const { return cellPixels_; }
    ui::Colour backColour() const { return backColour_; }
    // The file the cell's bitmap came from; empty for the background.
    std::string cellBitmapPath(int column, int row) const;
    long long cellsDrawn() const { return cellsDrawn_; }
    int zoom() const { return zoom_; }
    std::pair<int, int> origin() const { return {originX_, originY_}; }
    const ui::ScrollBarState& horizontalBar() const { return horizontal_; }
    const ui::ScrollBarState& verticalBar() const { return vertical_; }
    // The cell (column, row) shown at a device pixel of the view, or
    // nothing where the view shows no cell.
    std::optional<std::pair<int, int>> cellShownAt(int x, int y) const;
    const std::optional<ui::CellRect>& frame() const { return frame_; }
    const std::vector<ui::CanvasMarker>& markers() const { return markers_; }
    int highlightedMarker() const { return highlighted_; }
    bool markersShown() const { return markersShown_; }
    // The markers whose point lies in view, by index; none while hidden.
    std::vector<int> markersInView() const;
    const ui::CanvasPreview& preview() const { return preview_; }

    // --- the user ---------------------------------------------------------------
    // The window system gave the view a new size.
    void resize(int width, int height);
    void press(int button, int shift, int x, int y);
    void move(int buttons, int shift, int x, int y);
    void release(int button, int shift, int x, int y);
    void leave();
    void turnWheel(const ui::CanvasWheel& wheel);
    void keyDown(int keyCode, int shift, bool autoRepeat = false);
    void keyUp(int keyCode, int shift, bool autoRepeat = false);
    void scroll(int horizontal, int vertical);
    void loseFocus();

private:
    void pointer(const std::function<void(const ui::CanvasPointer&)>& handler, int button, int shift, int x, int y);
    std::size_t indexOf(int column, int row) const;

    int columns_ = 0, rows_ = 0, cellPixels_ = 0;
    ui::Colour backColour_ = 0;
    std::vector<ui::BitmapRef> cells_;
    long long cellsDrawn_ = 0;
    int zoom_ = 1, originX_ = 0, originY_ = 0;
    ui::ScrollBarState horizontal_, vertical_;
    int viewWidth_ = 0, viewHeight_ = 0;
    std::optional<ui::CellRect> frame_;
    std::vector<ui::CanvasMarker> markers_;
    int highlighted_ = -1;
    bool markersShown_ = true;
    ui::CanvasPreview preview_;
};

class HeadlessCanvasWindow : public HeadlessControl<ui::CanvasWindow> {
public:
    HeadlessCanvasWindow(HeadlessToolkit& toolkit, const std::string& name, const std::string& caption,
                         const ui::Geometry& geometry, const std::string& canvasName);
    ~HeadlessCanvasWindow() override;

    std::string caption() const override { return caption_; }
    void setCaption(const std::string& caption) override { caption_ = caption; }
    void show() override { shown_ = true; }
    void hide() override { shown_ = false; }
    // Shows the window and makes it the active one.
    void raise() override;
    void addShortcut(ui::KeyChord keys, std::function<void()> action) override;
    ui::CellCanvas& canvas() override { return *canvas_; }
    void setStatusText(int field, const std::string& text) override;
    std::string statusText(int field) const override;
    int addToolButton(const std::string& caption, const std::string& toolTip, bool checkable) override;
    void addToolSeparator() override { ++separators_; }
    void setToolButtonChecked(int button, bool checked) override;
    bool toolButtonChecked(int button) const override;

    struct ToolButton {
        std::string caption;
        std::string toolTip;
        bool checkable = false;
        bool checked = false;
    };
    const std::vector<ToolButton>& toolButtons() const { return toolButtons_; }
    int toolSeparators() const { return separators_; }

    bool isShown() const { return shown_; }
    int raises() const { return raises_; }
    HeadlessCellCanvas& headlessCanvas() { return *canvas_; }
    // --- the user ---------------------------------------------------------------
    // Closes the window: it hides.
    void close();
    // Makes it the active window (a click on it, say).
    void activate();
    // A key pressed while the window is active: its shortcut runs, or else
    // the canvas (which has the focus) takes it.
    void pressKeys(int keyCode, int shift = 0);
    // A click on a tool bar button; the canvas keeps the focus.
    void clickToolButton(int button);

private:
    std::string caption_;
    bool shown_ = false;
    int raises_ = 0;
    std::unique_ptr<HeadlessCellCanvas> canvas_;
    std::vector<std::string> status_;
    std::vector<std::pair<ui::KeyChord, std::function<void()>>> shortcuts_;
    std::vector<ToolButton> toolButtons_;
    int separators_ = 0;
};

}  // namespace headless
