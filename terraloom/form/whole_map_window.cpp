#include "terraloom/form/whole_map_window.h"

namespace terraloom {
namespace {

// The window opens at 800 x 600 pixels; the user sizes it as they like.
constexpr int kOpeningWidth = 800 * ui::kTwipsPerPixel;
constexpr int kOpeningHeight = 600 * ui::kTwipsPerPixel;

enum StatusField { kCellField, kPixelField, kZoomField, kCurrentTileField };

WholeMapPointer pointerOf(const ui::CanvasPointer& event)
{
    return {event.button, event.shift, {event.x, event.y}};
}

}  // namespace

WholeMapWindow::WholeMapWindow(ui::Toolkit& toolkit, EditorState& state, tervok::BitmapCache& bitmaps)
    : state_(state),
      bitmaps_(bitmaps),
      window_(toolkit.createCanvasWindow("WholeMap", kWholeMapCaption, kOpeningWidth, kOpeningHeight,
                                         kWholeMapCanvasName)),
      controller_(state, *this)
{
    ui::CellCanvas& c = canvas();
    // The background of the view's cells, set before the picture is made so
    // that its cells are drawn once.
    c.setBackColour(ui::kAppWorkspaceColour);
    c.setPictureSize(formats::kMapSize, formats::kMapSize, formats::kTilePixels);
    bindCanvas();
    window_->onActivate = [this] { refreshBitmaps(); };
    showGrid();
    showViewFrame();
    showStatus();
}

// The status bar follows every event: the pointer, the zoom or the current
// tile may have changed.
void WholeMapWindow::bindCanvas()
{
    ui::CellCanvas& c = canvas();
    const auto then = [this](auto handle) {
        return [this, handle](const auto&... event) {
            handle(event...);
            showStatus();
        };
    };
    c.onPress = then([this](const ui::CanvasPointer& e) { controller_.pressed(pointerOf(e)); });
    c.onMove = then([this](const ui::CanvasPointer& e) { controller_.moved(pointerOf(e)); });
    c.onRelease = then([this](const ui::CanvasPointer& e) { controller_.released(pointerOf(e)); });
    c.onLeave = then([this] { controller_.left(); });
    c.onFocusLost = [this] { controller_.focusLost(); };
    c.onWheel = then([this](const ui::CanvasWheel& w) {
        controller_.wheel({w.angleX, w.angleY, w.pixelX, w.pixelY, w.shift, {w.x, w.y}});
    });
    c.onKeyDown = then([this](const ui::CanvasKey& k) { controller_.keyPressed(k.keyCode, k.shift, k.autoRepeat); });
    c.onKeyUp = [this](const ui::CanvasKey& k) { controller_.keyReleased(k.keyCode, k.autoRepeat); };
    c.onResize = then([this](int width, int height) { controller_.resized(width, height); });
    c.onScroll = then([this](int horizontal, int vertical) { controller_.scrolled(horizontal, vertical); });
}

// Every tile is looked up once, then every cell drawn with its tile's
// bitmap; the canvas passes over cells that show it already.
void WholeMapWindow::showGrid()
{
    {
        const tervok::BitmapCache::Batch batch(bitmaps_);
        for (int tile = 0; tile <= formats::kMaxTile; ++tile)
            tileBitmaps_[static_cast<std::size_t>(tile)] = tileImage(tile);
    }
    ui::CellCanvas& c = canvas();
    for (int y = 1; y <= formats::kMapSize; ++y)
        for (int x = 1; x <= formats::kMapSize; ++x)
            c.setCell(x - 1, y - 1, tileBitmaps_[state_.grid.at(x, y)]);
    showStatus();
}

void WholeMapWindow::showCell(const MapCell& cell)
{
    canvas().setCell(cell.x - 1, cell.y - 1, bitmapOf(state_.grid.at(cell.x, cell.y)));
}

// As the view finds a cell's bitmap: none for a tile without a name.
ui::BitmapRef WholeMapWindow::tileImage(int tile)
{
    const std::string& name = state_.tiles.names[static_cast<std::size_t>(tile)];
    const std::optional<std::string> path = name.empty() ? std::nullopt : formats::tileImagePath(name);
    return path ? bitmaps_.get(*path) : nullptr;
}

const ui::BitmapRef& WholeMapWindow::bitmapOf(int tile)
{
    ui::BitmapRef image = tileImage(tile);
    ui::BitmapRef& shown = tileBitmaps_[static_cast<std::size_t>(tile)];
    if (image != shown) {
        shown = std::move(image);
        drawTileCells(tile);
    }
    return shown;
}

void WholeMapWindow::drawTileCells(int tile)
{
    ui::CellCanvas& c = canvas();
    const ui::BitmapRef& image = tileBitmaps_[static_cast<std::size_t>(tile)];
    for (int y = 1; y <= formats::kMapSize; ++y)
        for (int x = 1; x <= formats::kMapSize; ++x)
            if (state_.grid.at(x, y) == tile)
                c.setCell(x - 1, y - 1, image);
}

void WholeMapWindow::refreshBitmaps()
{
    const tervok::BitmapCache::Batch batch(bitmaps_);
    for (int tile = 0; tile <= formats::kMaxTile; ++tile)
        bitmapOf(tile);
}

void WholeMapWindow::showViewFrame()
{
    const MapArea frame = viewFrame(state_.view);
    canvas().setFrame(ui::CellRect{frame.topLeft.x - 1, frame.topLeft.y - 1, frame.columns, frame.rows});
}

void WholeMapWindow::showScript(const formats::ScriptRows& rows)
{
    markers_.setRows(rows);
    showMarkers();
}

void WholeMapWindow::scriptRowAdded(const std::string& text)
{
    markers_.rowAdded(text);
    showMarkers();
}

void WholeMapWindow::scriptRowChanged(int row, const std::string& text)
{
    markers_.rowChanged(row, text);
    showMarkers();
}

void WholeMapWindow::scriptRowRemoved(int row)
{
    markers_.rowRemoved(row);
    showMarkers();
}

void WholeMapWindow::scriptRowSelected(int row)
{
    selectedRow_ = row;
    canvas().setHighlightedMarker(markers_.markerOfRow(row));
}

void WholeMapWindow::showMarkers()
{
    std::vector<ui::CanvasMarker> shown;
    shown.reserve(markers_.markers().size());
    for (const ScriptMarker& marker : markers_.markers())
        shown.push_back({marker.x, marker.y, std::string(marker.labelText())});
    canvas().setMarkers(std::move(shown));
    canvas().setHighlightedMarker(markers_.markerOfRow(selectedRow_));
}

void WholeMapWindow::showStatus()
{
    const WholeMapStatus status = controller_.status();
    window_->setStatusText(kCellField, status.cell);
    window_->setStatusText(kPixelField, status.pixel);
    window_->setStatusText(kZoomField, status.zoom);
    window_->setStatusText(kCurrentTileField, status.currentTile);
}

void WholeMapWindow::viewportChanged()
{
    const WholeMapViewport& view = controller_.viewport();
    const CanvasPoint origin = view.origin();
    const auto bar = [&](const ScrollRange& range) {
        return ui::ScrollBarState{range.maximum, range.page, view.zoom(), range.value};
    };
    canvas().setZoom(view.zoom(), origin.x, origin.y);
    canvas().setScrollBars(bar(view.horizontal()), bar(view.vertical()));
}

void WholeMapWindow::cellsPainted(const std::vector<MapCell>& cells)
{
    for (const MapCell& cell : cells)
        showCell(cell);
    if (onCellsPainted)
        onCellsPainted(cells);
}

void WholeMapWindow::tilePicked(const MapCell& cell)
{
    if (onTilePicked)
        onTilePicked(cell);
}

void WholeMapWindow::viewMoveAsked(const ViewPosition& view)
{
    if (onViewMoveAsked)
        onViewMoveAsked(view);
}

void WholeMapWindow::markersShownChanged()
{
    canvas().setMarkersShown(controller_.markersShown());
}

}  // namespace terraloom
