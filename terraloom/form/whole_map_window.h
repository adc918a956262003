#pragma once
// The whole-map window: the whole 100 x 100 map with its tiles' bitmaps, a
// frame around the cells the editor's view shows, the script's players as
// numbered markers, a tool bar of the region tools (region_tools.h) and a
// status bar; the canvas's input goes to the whole-map controller. It works
// on the editor's state; the editor tells it of the changes it makes
// (showGrid, showCell, showViewFrame...) and hears of this
// window's through the on... functions.
//
// Copied cells go onto the system clipboard as text (region_clipboard.h),
// the same text under the program's own MIME type beside it; a paste takes
// that type when the clipboard holds it, else the plain text. Ctrl+H opens
// the "Replace tile" dialog over the catalogue's names.
//
// Bitmaps come from the editor's cache, the one its view reads at every
// redraw. The canvas keeps each cell drawn, so it must learn of a bitmap
// that changed on disk: refreshBitmaps() looks every tile's bitmap up again
// and draws anew the cells of each tile whose bitmap is no longer the one
// they show. It runs whenever the window becomes active; the editor runs it
// after each redraw of its view.
#include "terraloom/core/editor_state.h"
#include "terraloom/core/region_cells.h"
#include "terraloom/core/whole_map_controller.h"
#include "terraloom/core/whole_map_markers.h"
#include "toolkit/ui/bitmap_cache.h"
#include "toolkit/ui/toolkit.h"

#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace terraloom {

constexpr const char* kWholeMapCaption = "whole map - terraloom";
constexpr const char* kWholeMapCanvasName = "whole map";

class WholeMapWindow : private WholeMapListener {
public:
    WholeMapWindow(ui::Toolkit& toolkit, EditorState& state, tervok::BitmapCache& bitmaps);

    ui::CanvasWindow& window() { return *window_; }
    ui::CellCanvas& canvas() { return window_->canvas(); }
    WholeMapController& controller() { return controller_; }
    // Shows the window, or raises it when it is open.
    void show() { window_->raise(); }

    // What the editor changed. showCell is told of each cell painted in
    // the view, undone or redone, one by one: the tools' previews follow
    // once the event that changed them is handled.
    void showGrid();  // a grid loaded or made new
    void showCell(const MapCell& cell);
    void showViewFrame();
    void showCurrentTile() { showStatus(); }
    void refreshBitmaps();
    void showScript(const formats::ScriptRows& rows);
    void scriptRowAdded(const std::string& text);
    void scriptRowChanged(int row, const std::string& text);
    void scriptRowRemoved(int row);
    void scriptRowSelected(int row);

    // What this window changed: cells painted or changed by a region tool
    // here (the grid and the history hold them already), a tile picked (the
    // current tile and the script position are set), and the view it asks
    // for (Ctrl+click); and the undo and redo its tool bar asks for, which
    // are the editor's, over the one history.
    std::function<void(const std::vector<MapCell>&)> onCellsPainted;
    std::function<void(const MapCell&)> onTilePicked;
    std::function<void(const ViewPosition&)> onViewMoveAsked;
    std::function<void()> onUndoAsked;
    std::function<void()> onRedoAsked;

private:
    void bindCanvas();
    void addToolBar();
    void runToolButton(int button);
    std::vector<ui::BitmapRef> stampBitmaps(const CellBlock& stamp);
    ui::BitmapRef tileImage(int tile);
    // The tile's bitmap from the cache; the cells of the tile are drawn anew
    // when it is not the one they show.
    const ui::BitmapRef& bitmapOf(int tile);
    void drawTileCells(int tile);
    void showMarkers();
    void showStatus();
    void toolsFollowGridLater();

    void viewportChanged() override;
    void cellsPainted(const std::vector<MapCell>& cells) override;
    void tilePicked(const MapCell& cell) override;
    void viewMoveAsked(const ViewPosition& view) override;
    void markersShownChanged() override;
    void cellsChanged(const PaintStep& changes) override;
    void previewChanged() override;
    void toolChanged() override;
    void cellsCopied(const CellBlock& cells) override;
    std::string clipboardText() override;
    void replaceAsked() override;

    ui::Toolkit& toolkit_;
    EditorState& state_;
    tervok::BitmapCache& bitmaps_;
    std::unique_ptr<ui::CanvasWindow> window_;
    WholeMapController controller_;
    ScriptMarkers markers_;
    int selectedRow_ = -1;
    std::array<ui::BitmapRef, formats::kMaxTile + 1> tileBitmaps_;
    // The stamp last shown and its cells' bitmaps, kept while it moves.
    CellBlock stampShown_;
    std::vector<ui::BitmapRef> stampBitmaps_;
    // Set while a task to tell the tools of changed cells is posted; the
    // task holds a weak reference, so it does nothing after the window is
    // gone.
    bool toolsFollowPosted_ = false;
    std::shared_ptr<WholeMapWindow*> self_ = std::make_shared<WholeMapWindow*>(this);
};

}  // namespace terraloom
