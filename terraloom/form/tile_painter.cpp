#include "terraloom/form/tile_painter.h"

namespace terraloom {

// The preview is formed from the list item's text; a press while no item is
// selected keeps the current tile.
void TilePainter::tileListPressed()
{
    const int selected = c_.tileList->selectedIndex();
    if (selected < 0 || selected > formats::kMaxTile)
        return;
    state_.currentTile = selected;
    const std::optional<std::string> path = formats::tileImagePath(c_.tileList->item(selected));
    c_.cells[0]->setBitmap(path ? bitmaps_.get(*path) : nullptr);
    notify(events_.currentTileChosen);
}

// Any click ends the stroke under way.
void TilePainter::cellPressed(const ui::MouseEvent& event)
{
    state_.history.endStroke();
    if (event.index < 1 || event.index > kViewCells)
        return;
    if (event.button == ui::kLeftButton) {
        if (const std::optional<CellChange> change = paint(event.index))
            state_.history.clickPainted(*change);
    } else if (event.button == ui::kRightButton) {
        pick(event);
    }
}

// Shift alone paints, whatever buttons are held; any other move over the
// view ends the stroke. The preview is no part of the view.
void TilePainter::cellMoved(const ui::MouseEvent& event)
{
    if (event.index < 1 || event.index > kViewCells)
        return;
    if (event.shift != ui::kShiftKey) {
        state_.history.endStroke();
        return;
    }
    if (const std::optional<CellChange> change = paint(event.index))
        state_.history.strokePainted(*change);
}

// A cell painted with the tile it holds is drawn again all the same; the
// history sees no change in it.
std::optional<CellChange> TilePainter::paint(int k)
{
    const int tile = state_.currentTile;
    if (tile < 0 || tile > formats::kMaxTile)
        return std::nullopt;
    const MapCell cell = state_.view.cellOf(k);
    const std::uint8_t before = state_.grid.at(cell.x, cell.y);
    state_.grid.set(cell.x, cell.y, static_cast<std::uint8_t>(tile));
    view_.showCell(cell);
    notify(events_.cellChanged, cell);
    return CellChange::of(cell, before, static_cast<std::uint8_t>(tile));
}

// Undo and redo leave the view, the current tile, the preview and the script
// position as they are.
void TilePainter::undo()
{
    showStep(state_.history.undo(state_.grid));
}

void TilePainter::redo()
{
    showStep(state_.history.redo(state_.grid));
}

void TilePainter::showStep(const PaintStep* step)
{
    if (!step)
        return;
    const tervok::BitmapCache::Batch batch(bitmaps_);
    for (const CellChange& change : *step) {
        const MapCell cell = change.cell();
        view_.showCell(cell);
        notify(events_.cellChanged, cell);
    }
}

void TilePainter::pick(const ui::MouseEvent& event)
{
    const MapCell cell = state_.view.cellOf(event.index);
    state_.currentTile = state_.grid.at(cell.x, cell.y);
    state_.scriptPosition = positionFromRightClick(state_.view, event.index, event.x, event.y);
    showPick(c_.cells[static_cast<std::size_t>(event.index)]->bitmap());
}

void TilePainter::showPick(ui::BitmapRef shown)
{
    c_.tileList->setSelectedIndex(state_.currentTile);
    c_.cells[0]->setBitmap(std::move(shown));
    position_.refreshLabel();
    notify(events_.currentTileChosen);
}

}  // namespace terraloom
