#include "terraloom/form/map_view.h"

#include "formats/class_colours.h"

namespace terraloom {

ui::BitmapRef MapView::tileImage(int tile)
{
    const std::string& name = state_.tiles.names[static_cast<std::size_t>(tile)];
    if (name.empty())
        return nullptr;
    const std::optional<std::string> path = formats::tileImagePath(name);
    return path ? bitmaps_.get(*path) : nullptr;
}

// The position display sets the sliders, whose change handlers redraw the
// view again inside this redraw (a scroll button moves the view first and
// the sliders follow). When that redraw finds the view where this one drew
// it, over the same tiles, its cells are left as they are; it still
// refreshes the position display, as every redraw does. Only the outermost
// redraw tells of it, when the view is where it stays.
void MapView::redrawView()
{
    const tervok::BitmapCache::Batch batch(bitmaps_);
    const ViewContents now = contentsNow();
    if (!(refreshing_ && drawn_ == now))
        drawCells(now);
    const bool nested = refreshing_;
    refreshing_ = true;
    refreshPositionDisplay();
    refreshing_ = nested;
    if (!nested)
        notify(events_.viewRedrawn);
}

MapView::ViewContents MapView::contentsNow() const
{
    ViewContents contents{state_.view, {}};
    for (int k = 1; k <= kViewCells; ++k) {
        const MapCell cell = state_.view.cellOf(k);
        contents.tiles[static_cast<std::size_t>(k - 1)] = state_.grid.at(cell.x, cell.y);
    }
    return contents;
}

void MapView::drawCells(const ViewContents& contents)
{
    for (int k = 1; k <= kViewCells; ++k)
        showInViewCell(k, contents.tiles[static_cast<std::size_t>(k - 1)]);
    drawn_ = contents;
}

void MapView::showCell(const MapCell& cell)
{
    const std::uint8_t tile = state_.grid.at(cell.x, cell.y);
    if (const int k = state_.view.viewCellOf(cell))
        showInViewCell(k, tile);
    drawOverviewSquare(cell.x, cell.y, formats::classColour(state_.tiles.classes[tile]));
}

void MapView::showInViewCell(int k, int tile)
{
    ui::BitmapRef image = tileImage(tile);
    ui::PictureBox& pic = *c_.cells[static_cast<std::size_t>(k)];
    if (pic.bitmap() != image)
        pic.setBitmap(std::move(image));
}

// Moving a slider raises its change handler at once, which redraws the view
// for the new value; a slider already at the value raises nothing.
void MapView::refreshPositionDisplay()
{
    c_.viewPositionLabel->setCaption(positionText(state_.view));
    c_.viewColumnSlider->setValue(state_.view.column);
    c_.viewRowSlider->setValue(state_.view.row);
}

void MapView::redrawOverview()
{
    for (int y = 1; y <= formats::kMapSize; ++y) {
        for (int x = 1; x <= formats::kMapSize; ++x) {
            const std::uint8_t tile = state_.grid.at(x, y);
            drawOverviewSquare(x, y, formats::classColour(state_.tiles.classes[tile]));
        }
    }
}

// Cell (x, y) is the 2 x 2 pixel square whose top-left pixel is
// (2x - 2, 2y - 2).
void MapView::drawOverviewSquare(int x, int y, ui::Colour colour)
{
    constexpr int px = ui::kTwipsPerPixel;
    c_.overview->fillRect((2 * x - 2) * px, (2 * y - 2) * px, (2 * x - 1) * px, (2 * y - 1) * px, colour);
}

void MapView::scrollRight()
{
    state_.view.column = scrollForward(state_.view.column, c_.horizontalStep->value());
    redrawView();
}

void MapView::scrollLeft()
{
    state_.view.column = scrollBackward(state_.view.column, c_.horizontalStep->value());
    redrawView();
}

void MapView::scrollUp()
{
    state_.view.row = scrollBackward(state_.view.row, c_.verticalStep->value());
    redrawView();
}

void MapView::scrollDown()
{
    state_.view.row = scrollForward(state_.view.row, c_.verticalStep->value());
    redrawView();
}

void MapView::viewRowSliderChanged()
{
    state_.view.row = c_.viewRowSlider->value();
    redrawView();
}

void MapView::viewColumnSliderChanged()
{
    state_.view.column = c_.viewColumnSlider->value();
    redrawView();
}

void MapView::overviewClicked(const ui::MouseEvent& event)
{
    const ui::Geometry size = c_.overview->geometry();
    moveTo(viewFromOverviewClick(event.x, event.y, size.width, size.height));
}

void MapView::moveTo(const ViewPosition& view)
{
    state_.view = view;
    refreshPositionDisplay();
}

}  // namespace terraloom
