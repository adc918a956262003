#include "terraloom/core/region_tools.h"

#include "terraloom/core/region_clipboard.h"
#include "terraloom/core/region_edit.h"
#include "terraloom/core/whole_map_line.h"

#include <algorithm>

namespace terraloom {
namespace {

constexpr int kShift = 1, kCtrl = 2, kAlt = 4;
constexpr int kEscapeKey = 27;
constexpr int kDeleteKey = 46;

std::string sizeText(int columns, int rows)
{
    return std::to_string(columns) + " x " + std::to_string(rows) + (columns * rows == 1 ? " cell" : " cells");
}

}  // namespace

int toolKey(Tool tool)
{
    switch (tool) {
    case Tool::Pencil: return 'B';
    case Tool::Eraser: return 'E';
    case Tool::Rectangle: return 'P';
    case Tool::Flood: return 'F';
    case Tool::Select: return 'R';
    case Tool::Pick: return 'I';
    }
    return 0;
}

RegionPreview RegionTools::preview() const
{
    RegionPreview shown;
    shown.selection = selection_;
    switch (drag_) {
    case Drag::Rectangle: {
        const MapArea dragged = areaBetween(anchor_, current_);
        const std::optional<MapArea> filled = intersection(dragged, limit());
        shown.rectangle = filled.value_or(dragged);
        shown.fills = filled.has_value();
        break;
    }
    case Drag::Select:
        shown.selection = areaBetween(anchor_, current_);
        break;
    case Drag::Move:
        shown.selection = movedSelection();
        shown.stamp = &lifted_;
        shown.stampAt = shown.selection->topLeft;
        break;
    case Drag::None:
    case Drag::Paint:
        break;
    }
    if (stamp_ && hover_) {
        shown.stamp = &*stamp_;
        shown.stampAt = *hover_;
    } else if (tool_ == Tool::Flood && drag_ == Drag::None && !stamp_ && !region_.empty()) {
        shown.region = &region_;
    }
    return shown;
}

std::string RegionTools::statusText() const
{
    if (!message_.empty())
        return message_;
    if (stamp_)
        return "Pasting " + sizeText(stamp_->columns, stamp_->rows) + ": a click places them, Escape stops";
    // A selection being dragged or moved is told where it is now.
    if (const std::optional<MapArea> shown = preview().selection)
        return "Selected " + sizeText(shown->columns, shown->rows) + " from (" + std::to_string(shown->topLeft.x) +
               ", " + std::to_string(shown->topLeft.y) + ")";
    return {};
}

void RegionTools::choose(Tool tool)
{
    endDrag();
    stopPaste();
    if (tool == tool_)
        return;
    tool_ = tool;
    regionFresh_ = false;
    findRegion();
    listener_.toolChanged();
    listener_.previewChanged();
}

void RegionTools::pressed(const MapPoint& point, std::optional<MapCell> cell, int)
{
    message_.clear();
    endDrag();
    if (stamp_) {
        if (cell)
            apply(pasteCells(state_.grid, *stamp_, *cell));
        return;
    }
    switch (tool_) {
    case Tool::Pencil:
    case Tool::Eraser:
        drag_ = Drag::Paint;
        lastPoint_ = point;
        if (cell)
            paint({*cell});
        return;
    case Tool::Flood:
        if (cell)
            floodAt(*cell);
        return;
    case Tool::Rectangle:
    case Tool::Select:
        if (!cell)
            return;
        anchor_ = current_ = *cell;
        if (tool_ == Tool::Select && selection_ && contains(*selection_, *cell)) {
            drag_ = Drag::Move;
            moveBy_ = {0, 0};
            lifted_ = copyCells(state_.grid, *selection_);
        } else {
            drag_ = tool_ == Tool::Select ? Drag::Select : Drag::Rectangle;
        }
        listener_.previewChanged();
        return;
    case Tool::Pick:
        return;
    }
}

// A rectangle follows the pointer to the map's edge; a moved selection
// stays whole on the map.
void RegionTools::dragged(const MapPoint& point, int)
{
    if (drag_ == Drag::Paint) {
        paint(cellsAlongDrag(lastPoint_, point));
        lastPoint_ = point;
        return;
    }
    if (drag_ == Drag::None)
        return;
    const MapCell cell = nearestCell(point);
    if (cell == current_)
        return;
    current_ = cell;
    if (drag_ == Drag::Move) {
        const MapArea& from = *selection_;
        const auto axis = [](int wanted, int start, int length) {
            return std::clamp(wanted, 1 - start, formats::kMapSize + 1 - start - length);
        };
        const MapCell by{axis(cell.x - anchor_.x, from.topLeft.x, from.columns),
                         axis(cell.y - anchor_.y, from.topLeft.y, from.rows)};
        if (by == moveBy_)
            return;
        moveBy_ = by;
    }
    listener_.previewChanged();
}

void RegionTools::released(const MapPoint& point, int shift)
{
    if (drag_ != Drag::Paint)
        dragged(point, shift);
    const Drag finished = drag_;
    drag_ = Drag::None;
    switch (finished) {
    case Drag::Paint:
        state_.history.endStroke();
        return;
    case Drag::Rectangle:
        if (const std::optional<std::uint8_t> tile = paintTile()) {
            if (const std::optional<MapArea> area = intersection(areaBetween(anchor_, current_), limit()))
                apply(fillArea(state_.grid, *area, *tile));
            else
                message_ = "Nothing filled: the rectangle lies outside the selection";
        }
        break;
    case Drag::Select:
        selection_ = areaBetween(anchor_, current_);
        regionFresh_ = false;
        findRegion();
        break;
    case Drag::Move:
        if (moveBy_ != MapCell{0, 0}) {
            const MapArea to = movedSelection();
            apply(moveCells(state_.grid, *selection_, to.topLeft, (shift & kAlt) != 0));
            selection_ = to;
        }
        break;
    case Drag::None:
        return;
    }
    listener_.previewChanged();
}

void RegionTools::dragLost()
{
    endDrag();
}

// A drag ends without finishing: a stroke keeps what it painted, the
// others leave the map as it is.
void RegionTools::endDrag()
{
    const Drag ended = drag_;
    drag_ = Drag::None;
    if (ended == Drag::Paint)
        state_.history.endStroke();
    else if (ended != Drag::None)
        listener_.previewChanged();
}

void RegionTools::hovered(std::optional<MapCell> cell)
{
    if (cell == hover_)
        return;
    hover_ = cell;
    if (stamp_)
        listener_.previewChanged();
    else if (tool_ == Tool::Flood && drag_ == Drag::None)
        findRegion();
}

// The region under the pointer is found again only when the pointer
// leaves it or the cells changed.
void RegionTools::findRegion()
{
    if (tool_ != Tool::Flood) {
        region_.clear();
        regionFresh_ = false;
        return;
    }
    if (regionFresh_ && hover_ && region_.contains(*hover_))
        return;
    const bool hadRegion = !region_.empty();
    if (hover_)
        region_.find(state_.grid, *hover_, limit());
    else
        region_.clear();
    regionFresh_ = true;
    if (hadRegion || !region_.empty())
        listener_.previewChanged();
}

bool RegionTools::keyPressed(int keyCode, int shift)
{
    if (shift == 0) {
        for (const Tool tool : kTools)
            if (keyCode == toolKey(tool)) {
                message_.clear();
                choose(tool);
                return true;
            }
    }
    const auto run = [&](auto action) {
        message_.clear();
        (this->*action)();
        return true;
    };
    if (shift == 0 && keyCode == kEscapeKey)
        return run(&RegionTools::escape);
    if (shift == 0 && keyCode == kDeleteKey)
        return run(&RegionTools::erase);
    if (shift == kCtrl) {
        switch (keyCode) {
        case 'A': return run(&RegionTools::selectAll);
        case 'C': return run(&RegionTools::copy);
        case 'X': return run(&RegionTools::cut);
        case 'V': return run(&RegionTools::paste);
        case 'H': return run(&RegionTools::askReplace);
        default: break;
        }
    }
    if (shift == (kCtrl | kShift) && keyCode == 'A')
        return run(&RegionTools::selectNone);
    return false;
}

void RegionTools::selectAll()
{
    endDrag();
    selection_ = kWholeMap;
    regionFresh_ = false;
    findRegion();
    listener_.previewChanged();
}

void RegionTools::selectNone()
{
    endDrag();
    if (!selection_)
        return;
    selection_.reset();
    regionFresh_ = false;
    findRegion();
    listener_.previewChanged();
}

void RegionTools::escape()
{
    if (stamp_)
        stopPaste();
    else if (drag_ != Drag::None)
        endDrag();
    else
        selectNone();
}

void RegionTools::copy()
{
    endDrag();
    if (!selection_) {
        message_ = "Nothing selected to copy";
        return;
    }
    listener_.cellsCopied(copyCells(state_.grid, *selection_));
    message_ = "Copied " + sizeText(selection_->columns, selection_->rows);
}

void RegionTools::cut()
{
    copy();
    if (selection_)
        apply(fillArea(state_.grid, *selection_, 0));
}

void RegionTools::erase()
{
    endDrag();
    if (selection_)
        apply(fillArea(state_.grid, *selection_, 0));
}

// A paste starts with the stamp under the pointer, if it is over the map.
void RegionTools::paste()
{
    endDrag();
    const std::string text = listener_.clipboardText();
    if (text.empty()) {
        message_ = "Nothing pasted: the clipboard is empty";
        return;
    }
    tervok::Result<CellBlock> cells = parseCellsText(text);
    if (!cells) {
        message_ = "Nothing pasted: the clipboard holds no cells (" + cells.error().describe() + ")";
        return;
    }
    stamp_ = std::move(*cells);
    listener_.previewChanged();
}

void RegionTools::stopPaste()
{
    if (!stamp_)
        return;
    stamp_.reset();
    listener_.previewChanged();
}

void RegionTools::replace(std::uint8_t find, std::uint8_t put, const MapArea& area)
{
    endDrag();
    apply(replaceTile(state_.grid, find, put, area));
}

void RegionTools::gridChanged()
{
    if (drag_ == Drag::Move) {
        lifted_ = copyCells(state_.grid, *selection_);
        listener_.previewChanged();
    }
    regionFresh_ = false;
    findRegion();
}

std::optional<std::uint8_t> RegionTools::paintTile() const
{
    if (tool_ == Tool::Eraser)
        return 0;
    const int tile = state_.currentTile;
    if (tile < 0 || tile > formats::kMaxTile)
        return std::nullopt;
    return static_cast<std::uint8_t>(tile);
}

// Nothing is painted while the current tile is no tile number, nor outside
// the selection.
void RegionTools::paint(const std::vector<MapCell>& cells)
{
    const std::optional<std::uint8_t> tile = paintTile();
    if (!tile)
        return;
    std::vector<MapCell> painted;
    painted.reserve(cells.size());
    const MapArea within = limit();
    for (const MapCell& cell : cells) {
        if (!contains(within, cell))
            continue;
        const std::uint8_t before = state_.grid.at(cell.x, cell.y);
        state_.grid.set(cell.x, cell.y, *tile);
        state_.history.strokePainted(CellChange::of(cell, before, *tile));
        painted.push_back(cell);
    }
    if (painted.empty())
        return;
    regionFresh_ = false;
    listener_.cellsPainted(painted);
}

void RegionTools::floodAt(const MapCell& cell)
{
    const std::optional<std::uint8_t> tile = paintTile();
    if (!tile)
        return;
    if (regionFresh_ && region_.contains(cell)) {
        apply(fillRegion(region_, *tile));
        return;
    }
    // The region shown was not this cell's (the pointer came without a
    // move): filled or not, the region under the pointer is found again.
    region_.find(state_.grid, cell, limit());
    if (!apply(fillRegion(region_, *tile))) {
        regionFresh_ = false;
        findRegion();
    }
}

// False when the changes change nothing: no step.
bool RegionTools::apply(PaintStep changes)
{
    const PaintStep* step = state_.history.record(state_.grid, std::move(changes));
    if (!step)
        return false;
    listener_.cellsChanged(*step);
    gridChanged();
    return true;
}

MapArea RegionTools::movedSelection() const
{
    const MapArea& from = *selection_;
    return {{from.topLeft.x + moveBy_.x, from.topLeft.y + moveBy_.y}, from.columns, from.rows};
}

}  // namespace terraloom
