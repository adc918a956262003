#include "terraloom/form/whole_map_window.h"

#include "terraloom/core/region_clipboard.h"
#include "terraloom/core/region_replace.h"

namespace terraloom {
namespace {

// The window opens at 800 x 600 pixels; the user sizes it as they like.
constexpr int kOpeningWidth = 800 * ui::kTwipsPerPixel;
constexpr int kOpeningHeight = 600 * ui::kTwipsPerPixel;

enum StatusField { kCellField, kPixelField, kZoomField, kCurrentTileField, kRegionField };

struct ToolButton {
    const char* caption;
    const char* toolTip;
};

// The tool bar: the tools in the order of kTools, then the commands.
constexpr ToolButton kToolButtons[] = {
    {"Pencil", "Pencil (B): paints the current tile"},
    {"Eraser", "Eraser (E): paints tile 0"},
    {"Rectangle", "Rectangle fill (P): drag from corner to corner"},
    {"Fill", "Flood fill (F): fills the joined cells of the clicked cell's tile"},
    {"Select", "Rectangle select (R): drag to select; drag inside the selection to move it, with Alt to copy it"},
    {"Pick", "Pick (I): takes a cell's tile as the current tile; the right click does so with every tool"},
};
static_assert(std::size(kToolButtons) == kTools.size());

enum Command { kCopy, kCut, kPaste, kReplace, kUndo, kRedo };
constexpr ToolButton kCommandButtons[] = {
    {"Copy", "Copy the selected cells (Ctrl+C)"},
    {"Cut", "Cut the selected cells: copy them and set them to tile 0 (Ctrl+X)"},
    {"Paste", "Paste (Ctrl+V): a click places the cells, Escape stops"},
    {"Replace", "Replace tile (Ctrl+H)"},
    {"Undo", "Undo (Ctrl+Z)"},
    {"Redo", "Redo (Ctrl+Y, Ctrl+Shift+Z)"},
};

ui::CellRect cellRectOf(const MapArea& area)
{
    return {area.topLeft.x - 1, area.topLeft.y - 1, area.columns, area.rows};
}

WholeMapPointer pointerOf(const ui::CanvasPointer& event)
{
    return {event.button, event.shift, {event.x, event.y}};
}

}  // namespace

WholeMapWindow::WholeMapWindow(ui::Toolkit& toolkit, EditorState& state, tervok::BitmapCache& bitmaps)
    : toolkit_(toolkit),
      state_(state),
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
    addToolBar();
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

void WholeMapWindow::addToolBar()
{
    for (const ToolButton& button : kToolButtons)
        window_->addToolButton(button.caption, button.toolTip, true);
    window_->addToolSeparator();
    for (const ToolButton& button : kCommandButtons)
        window_->addToolButton(button.caption, button.toolTip, false);
    window_->onToolButton = [this](int button) {
        runToolButton(button);
        showStatus();
    };
    toolChanged();
}

void WholeMapWindow::runToolButton(int button)
{
    RegionTools& tools = controller_.tools();
    if (button < static_cast<int>(kTools.size())) {
        tools.choose(kTools[static_cast<std::size_t>(button)]);
        toolChanged();  // a click on the checked tool leaves it checked
        return;
    }
    switch (button - static_cast<int>(kTools.size())) {
    case kCopy: tools.copy(); break;
    case kCut: tools.cut(); break;
    case kPaste: tools.paste(); break;
    case kReplace: tools.askReplace(); break;
    case kUndo:
        if (onUndoAsked)
            onUndoAsked();
        break;
    case kRedo:
        if (onRedoAsked)
            onRedoAsked();
        break;
    default: break;
    }
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
    stampShown_ = {};
    controller_.tools().gridChanged();
    showStatus();
}

// The tile's bitmap as last looked up: an undo tells of thousands of cells
// one by one, and a bitmap changed on disk shows at refreshBitmaps().
void WholeMapWindow::showCell(const MapCell& cell)
{
    canvas().setCell(cell.x - 1, cell.y - 1, tileBitmaps_[state_.grid.at(cell.x, cell.y)]);
    toolsFollowGridLater();
}

// An undo of a whole-map fill tells of 10,000 cells one by one: the flood
// fill's region under the pointer is found again once, after them all.
void WholeMapWindow::toolsFollowGridLater()
{
    if (toolsFollowPosted_)
        return;
    toolsFollowPosted_ = true;
    toolkit_.post([self = std::weak_ptr<WholeMapWindow*>(self_)] {
        if (const std::shared_ptr<WholeMapWindow*> alive = self.lock()) {
            WholeMapWindow& window = **alive;
            window.toolsFollowPosted_ = false;
            window.controller_.tools().gridChanged();
            window.showStatus();
        }
    });
}

// A region action's cells: each tile the step puts is looked up once.
void WholeMapWindow::cellsChanged(const PaintStep& changes)
{
    std::array<bool, formats::kMaxTile + 1> looked{};
    const tervok::BitmapCache::Batch batch(bitmaps_);
    ui::CellCanvas& c = canvas();
    const auto& cells = state_.grid.cells();
    for (const CellChange& change : changes) {
        const std::uint8_t tile = cells[change.place];
        if (!looked[tile]) {
            looked[tile] = true;
            bitmapOf(tile);
        }
        c.setCell(change.place % formats::kMapSize, change.place / formats::kMapSize, tileBitmaps_[tile]);
    }
    if (!onCellsPainted)
        return;
    std::vector<MapCell> changed;
    changed.reserve(changes.size());
    for (const CellChange& change : changes)
        changed.push_back(change.cell());
    onCellsPainted(changed);
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
    const std::array<ui::BitmapRef, formats::kMaxTile + 1> shown = tileBitmaps_;
    {
        const tervok::BitmapCache::Batch batch(bitmaps_);
        for (int tile = 0; tile <= formats::kMaxTile; ++tile)
            bitmapOf(tile);
    }
    if (shown != tileBitmaps_) {
        stampShown_ = {};
        previewChanged();
    }
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
    window_->setStatusText(kRegionField, status.region);
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
        canvas().setCell(cell.x - 1, cell.y - 1, bitmapOf(state_.grid.at(cell.x, cell.y)));
    if (onCellsPainted)
        onCellsPainted(cells);
}


std::vector<ui::BitmapRef> WholeMapWindow::stampBitmaps(const CellBlock& stamp)
{
    if (stamp != stampShown_) {
        stampShown_ = stamp;
        stampBitmaps_.clear();
        for (const std::uint8_t tile : stamp.tiles)
            stampBitmaps_.push_back(tileBitmaps_[tile]);
    }
    return stampBitmaps_;
}

// The selection is marked, a rectangle fill outlined and, where it fills,
// tinted, the flood
// fill's region outlined, a stamp drawn half-transparent and outlined, so
// its edge shows over tiles like its own.
void WholeMapWindow::previewChanged()
{
    const RegionPreview preview = controller_.tools().preview();
    ui::CanvasPreview shown;
    if (preview.selection)
        shown.selection = cellRectOf(*preview.selection);
    if (preview.rectangle) {
        shown.rectangle = cellRectOf(*preview.rectangle);
        shown.tintRectangle = preview.fills;
    }
    if (preview.region)
        shown.region.assign(preview.region->flags().begin(), preview.region->flags().end());
    if (preview.stamp) {
        shown.stampAt = cellRectOf({preview.stampAt, preview.stamp->columns, preview.stamp->rows});
        shown.stamp = stampBitmaps(*preview.stamp);
        if (!shown.rectangle)
            shown.rectangle = shown.stampAt;
    }
    canvas().setPreview(std::move(shown));
}

void WholeMapWindow::toolChanged()
{
    const Tool chosen = controller_.tools().tool();
    for (std::size_t button = 0; button < kTools.size(); ++button)
        window_->setToolButtonChecked(static_cast<int>(button), kTools[button] == chosen);
}

void WholeMapWindow::cellsCopied(const CellBlock& cells)
{
    const std::string text = cellsText(cells);
    toolkit_.setClipboard(text, kCellsMimeType, text);
}

std::string WholeMapWindow::clipboardText()
{
    return toolkit_.clipboardData(kCellsMimeType).value_or(toolkit_.clipboardText());
}

// The tile to find starts as the tile under the pointer, the tile to put
// as the current tile; the replace is one step.
void WholeMapWindow::replaceAsked()
{
    RegionTools& tools = controller_.tools();
    const ReplaceTileChoice choice(state_.grid, state_.tiles, tools.selection());
    const std::vector<std::string> choices = choice.choices();
    const std::optional<MapCell> pointed = controller_.pointedCell();
    const int current = state_.currentTile;
    ui::ChoiceDialog dialog{
        "Replace tile",
        {{"Find tile:", choices, pointed ? choice.choiceOf(state_.grid.at(pointed->x, pointed->y)) : std::string()},
         {"Put tile:", choices, current >= 0 && current <= formats::kMaxTile ? choice.choiceOf(current) : ""}},
        {},
        "Replace"};
    if (choice.hasSelection())
        dialog.checks.push_back({"Only in the selection", true});
    const auto inputOf = [](const ui::ChoiceInput& entered) {
        return ReplaceInput{entered.texts.at(0), entered.texts.at(1), !entered.checks.empty() && entered.checks[0]};
    };
    const std::optional<ui::ChoiceInput> entered =
        toolkit_.choiceDialog(dialog, [&](const ui::ChoiceInput& input) {
            const ReplaceOutcome outcome = choice.outcome(inputOf(input));
            return ui::ChoiceFeedback{outcome.text, outcome.acceptable};
        });
    if (!entered)
        return;
    const ReplaceOutcome outcome = choice.outcome(inputOf(*entered));
    if (outcome.acceptable)
        tools.replace(static_cast<std::uint8_t>(*outcome.find), static_cast<std::uint8_t>(*outcome.put), outcome.area);
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
