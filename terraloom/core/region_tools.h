#pragma once
// The whole-map window's tools, apart from any window: the tool chosen, the
// selection, a paste under way, and what the left button and the region
// keys do with them. Every action that changes cells is one step of the
// editor's history; an action that changes none is no step.
//
//  - B pencil (the first tool): paints the current tile into the cells a
//    press and a drag pass, one stroke. E eraser: the same with tile 0.
//  - P rectangle fill: a drag from corner cell to corner cell, previewed,
//    fills the rectangle with the current tile at the release.
//  - F flood fill: a click fills the cells of the clicked cell's tile that
//    join it side to side; the region under the pointer is previewed.
//  - R select: a drag marks a rectangle of cells; a drag inside it moves
//    its cells (with Alt held at the release: copies them), the cells it
//    leaves becoming tile 0, and the selection goes with them.
//  - I pick: a click takes the cell's tile (the window's controller does
//    this, as for the right click in every tool).
// While a selection is marked, B, E, P and F change only cells inside it.
//
// Keys: Ctrl+A selects the whole map, Ctrl+Shift+A drops the selection;
// Ctrl+C copies the selected cells to the clipboard, Ctrl+X copies them and
// sets them to tile 0, Delete sets them to tile 0; Ctrl+V lifts the
// clipboard's cells as a stamp whose top-left cell follows the pointer,
// each left click places it (cells beyond the map left out; the selection
// does not limit it) until Escape or another tool ends the paste; Ctrl+H
// asks for the replace dialog. Escape ends a paste, or else a drag, or else
// drops the selection. Undo and redo are the editor's, over the one history
// of both windows; the tools hear of the cells they change through
// gridChanged(), as of any change made elsewhere.
#include "terraloom/core/editor_state.h"
#include "terraloom/core/region_cells.h"
#include "terraloom/core/region_flood.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace terraloom {

enum class Tool { Pencil, Eraser, Rectangle, Flood, Select, Pick };
constexpr std::array<Tool, 6> kTools = {Tool::Pencil, Tool::Eraser, Tool::Rectangle,
                                        Tool::Flood,  Tool::Select, Tool::Pick};
// The key that chooses a tool, as Tiled's users know it: 'B', 'E'...
int toolKey(Tool tool);

// What the canvas shows over the map before a tool changes anything.
struct RegionPreview {
    std::optional<MapArea> selection;      // marked
    // A rectangle fill being dragged: the cells it fills (fills), or, when
    // it lies wholly outside the selection, the rectangle, filling nothing.
    std::optional<MapArea> rectangle;
    bool fills = false;
    const FloodRegion* region = nullptr;   // the flood fill's region under the pointer
    const CellBlock* stamp = nullptr;      // drawn half-transparent, its top-left cell at stampAt
    MapCell stampAt;
};

class RegionToolsListener {
public:
    virtual ~RegionToolsListener() = default;
    // The pencil or the eraser painted cells (the grid and the history
    // hold them already).
    virtual void cellsPainted(const std::vector<MapCell>& cells) = 0;
    // A region action changed cells (the grid and the history hold them).
    virtual void cellsChanged(const PaintStep& changes) = 0;
    // The preview, the tool or the paste under way changed.
    virtual void previewChanged() = 0;
    virtual void toolChanged() = 0;
    // Copy: the cells to put on the system clipboard.
    virtual void cellsCopied(const CellBlock& cells) = 0;
    // Paste: the clipboard's cells text (the program's own MIME type if it
    // is there, else the plain text), empty when it holds none.
    virtual std::string clipboardText() = 0;
    // Ctrl+H: the replace dialog should open; it answers with replace().
    virtual void replaceAsked() = 0;
};

class RegionTools {
public:
    RegionTools(EditorState& state, RegionToolsListener& listener) : state_(state), listener_(listener) {}

    Tool tool() const { return tool_; }
    const std::optional<MapArea>& selection() const { return selection_; }
    bool pasting() const { return stamp_.has_value(); }
    bool dragging() const { return drag_ != Drag::None; }
    RegionPreview preview() const;
    // For the status bar: the last refusal or report, else the paste under
    // way, else the selection; empty for none.
    std::string statusText() const;

    void choose(Tool tool);

    // The left button over the canvas: a press at a map point over a cell
    // (nothing beyond the map's edge), the drag's moves, its release; Alt is
    // modifier 4. dragLost: the release went elsewhere (a message box).
    void pressed(const MapPoint& point, std::optional<MapCell> cell, int shift);
    void dragged(const MapPoint& point, int shift);
    void released(const MapPoint& point, int shift);
    void dragLost();
    // The pointer moved without a button, over a cell or off the map.
    void hovered(std::optional<MapCell> cell);

    // False when the key means nothing to the tools.
    bool keyPressed(int keyCode, int shift);
    void selectAll();
    void selectNone();
    void escape();
    void copy();
    void cut();
    void erase();
    void paste();
    void askReplace() { listener_.replaceAsked(); }
    // The replace dialog's answer: find becomes put in the area.
    void replace(std::uint8_t find, std::uint8_t put, const MapArea& area);
    // Cells changed elsewhere (the editor's view, an undo or a redo, a
    // load): previews that depend on them are found again, and a move under
    // way carries the cells as they are now.
    void gridChanged();

private:
    enum class Drag { None, Paint, Rectangle, Select, Move };

    MapArea limit() const { return selection_.value_or(kWholeMap); }
    std::optional<std::uint8_t> paintTile() const;
    void paint(const std::vector<MapCell>& cells);
    void floodAt(const MapCell& cell);
    bool apply(PaintStep changes);
    void endDrag();
    void stopPaste();
    void findRegion();
    MapArea movedSelection() const;

    EditorState& state_;
    RegionToolsListener& listener_;
    Tool tool_ = Tool::Pencil;
    std::optional<MapArea> selection_;
    std::optional<CellBlock> stamp_;  // the paste under way
    std::optional<MapCell> hover_;
    Drag drag_ = Drag::None;
    MapPoint lastPoint_;  // the paint drag's last map point
    MapCell anchor_, current_;  // the drag's first cell and its cell now
    MapCell moveBy_;  // a move's offset in cells, keeping the selection on the map
    CellBlock lifted_;  // the cells a move carries
    FloodRegion region_;
    bool regionFresh_ = false;  // region_ is the one under hover_ in the grid as it is
    std::string message_;
};

}  // namespace terraloom
