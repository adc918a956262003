#include "tile_painter.h"

#include "class_colours.h"

namespace terraloom {

// The preview is formed from the list item's text; a press while no item is
// selected keeps the current tile.
void TilePainter::tileListPressed()
{
    const int selected = c_.tileList->selectedIndex();
    if (selected < 0 || selected > kMaxTile)
        return;
    state_.currentTile = selected;
    const std::optional<std::string> path = tileImagePath(c_.tileList->item(selected));
    c_.cells[0]->setBitmap(path ? bitmaps_.get(*path) : nullptr);
}

void TilePainter::cellPressed(const ui::MouseEvent& event)
{
    if (event.index < 1 || event.index > kViewCells)
        return;
    if (event.button == ui::kLeftButton)
        paint(event.index);
    else if (event.button == ui::kRightButton)
        pick(event);
}

// Shift alone paints, whatever buttons are held.
void TilePainter::cellMoved(const ui::MouseEvent& event)
{
    if (event.index >= 1 && event.index <= kViewCells && event.shift == ui::kShiftKey)
        paint(event.index);
}

void TilePainter::paint(int k)
{
    const int tile = state_.currentTile;
    if (tile < 0 || tile > kMaxTile)
        return;
    const MapCell cell = state_.view.cellOf(k);
    state_.grid.set(cell.x, cell.y, static_cast<std::uint8_t>(tile));
    ui::BitmapRef image = view_.tileImage(tile);
    ui::PictureBox& pic = *c_.cells[static_cast<std::size_t>(k)];
    if (pic.bitmap() != image)
        pic.setBitmap(std::move(image));
    view_.drawOverviewSquare(cell.x, cell.y, classColour(state_.tiles.classes[static_cast<std::size_t>(tile)]));
}

void TilePainter::pick(const ui::MouseEvent& event)
{
    const MapCell cell = state_.view.cellOf(event.index);
    state_.currentTile = state_.grid.at(cell.x, cell.y);
    c_.tileList->setSelectedIndex(state_.currentTile);
    c_.cells[0]->setBitmap(c_.cells[static_cast<std::size_t>(event.index)]->bitmap());
    position_.setFromRightClick(event);
}

}  // namespace terraloom
