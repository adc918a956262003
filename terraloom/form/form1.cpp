#include "terraloom/form/form1.h"

#include "common/errors/failure_report.h"
#include "common/game/game_files.h"
#include "common/game/messages.h"
#include "terraloom/form/form1_layout.h"
#include "toolkit/ui/catalogue_list.h"

namespace terraloom {

// A handler that ends the stroke under way before it runs.
template <class Handler>
auto Form1::endingStroke(Handler handler)
{
    return [this, handler](const auto&... event) {
        state_.history.endStroke();
        handler(event...);
    };
}

Form1::Form1(ui::Toolkit& toolkit)
    : toolkit_(toolkit),
      c_(buildForm1(toolkit)),
      bitmaps_(toolkit),
      view_(c_, state_, bitmaps_, events_),
      mapFile_(toolkit, c_, state_, view_, events_),
      position_(c_, state_, view_),
      painter_(c_, state_, view_, bitmaps_, position_, events_),
      script_(toolkit, c_, state_, position_, events_)
{
    bind();
    startUp();
}

void Form1::bind()
{
    bindMapEvents();
    bindNavigationEvents();
    bindPaintingEvents();
    bindScriptEvents();
    bindUndoKeys();
    bindStrokeEnds();
}

// The class colours are constants; the tile list, the view and the player
// list are set up in this order.
void Form1::startUp()
{
    state_.view = {1, 1};
    readTileCatalogue();
    state_.currentTile = 0;
    state_.scriptPosition = {};
    view_.redrawView();
    tervok::loadCatalogue(toolkit_, *c_.playerList, tervok::kPlayerCataloguePath, tervok::kPlayerNameColumn,
                          state_.playerNumbers);
}

// A missing catalogue leaves every tile unnamed; the list still has its 101
// items.
void Form1::readTileCatalogue()
{
    tervok::Result<formats::TileCatalogue> tiles = formats::loadTileCatalogue();
    if (!tiles)
        tervok::reportFailure(toolkit_.programName(), formats::kTileCataloguePath, tervok::kCannotRead, tiles.error());
    state_.tiles = tiles ? std::move(*tiles) : formats::TileCatalogue{};
    c_.tileList->setItems(state_.tiles.listItems());
}

void Form1::bindMapEvents()
{
    c_.loadMap->onClick = endingStroke([this] { mapFile_.load(); });
    c_.saveMap->onClick = endingStroke([this] { mapFile_.save(); });
    c_.newMap->onClick = endingStroke([this] { mapFile_.create(); });
    c_.help->onClick = endingStroke([this] { showHelp(); });
}

void Form1::bindNavigationEvents()
{
    c_.viewColumnSlider->onChange = endingStroke([this] { view_.viewColumnSliderChanged(); });
    c_.viewRowSlider->onChange = endingStroke([this] { view_.viewRowSliderChanged(); });
    c_.scrollRight->onClick = endingStroke([this] { view_.scrollRight(); });
    c_.scrollLeft->onClick = endingStroke([this] { view_.scrollLeft(); });
    c_.scrollUp->onClick = endingStroke([this] { view_.scrollUp(); });
    c_.scrollDown->onClick = endingStroke([this] { view_.scrollDown(); });
    c_.redraw->onClick = endingStroke([this] { view_.redrawOverview(); });
    c_.overview->onMouseDown = endingStroke([this](const ui::MouseEvent& e) { view_.overviewClicked(e); });
    c_.gotoPosition->onClick = endingStroke([this] { position_.gotoPosition(); });
    c_.roundPosition->onClick = endingStroke([this] { position_.roundPosition(); });
}

void Form1::bindPaintingEvents()
{
    c_.tileList->onMouseDown = endingStroke([this](const ui::MouseEvent&) { painter_.tileListPressed(); });
    for (ui::PictureBox* cell : c_.cells) {
        cell->onMouseDown = [this](const ui::MouseEvent& e) { painter_.cellPressed(e); };
        cell->onMouseMove = [this](const ui::MouseEvent& e) { painter_.cellMoved(e); };
    }
}

void Form1::bindScriptEvents()
{
    c_.loadScript->onClick = endingStroke([this] { script_.load(); });
    c_.saveScript->onClick = endingStroke([this] { script_.save(); });
    c_.addRow->onClick = endingStroke([this] { script_.add(); });
    c_.changeRow->onClick = endingStroke([this] { script_.change(); });
    c_.getRow->onClick = endingStroke([this] { script_.get(); });
    c_.scriptList->onDblClick = endingStroke([this] { script_.get(); });
    c_.scriptList->onKeyDown = endingStroke([this](int keyCode, int) { script_.listKeyDown(keyCode); });
    c_.pickPlayer->onClick = endingStroke([this] { script_.pickPlayer(); });
    c_.objectType->onChange = endingStroke([this] { script_.typeChanged(); });
    c_.scriptList->onSelectionChange = [this] { notify(events_.scriptRowSelected, c_.scriptList->selectedIndex()); };
}

// Ctrl+Z undoes the last painting step, Ctrl+Y and Ctrl+Shift+Z redo it;
// a text field with the focus keeps the keys for its own typing.
void Form1::bindUndoKeys()
{
    c_.window->addShortcut({'Z', ui::kCtrlKey}, [this] { painter_.undo(); });
    c_.window->addShortcut({'Y', ui::kCtrlKey}, [this] { painter_.redo(); });
    c_.window->addShortcut({'Z', ui::kCtrlKey | ui::kShiftKey}, [this] { painter_.redo(); });
}

// The controls that have no handler of their own end the stroke too.
void Form1::bindStrokeEnds()
{
    const auto endStroke = [this] { state_.history.endStroke(); };
    for (ui::TextField* field : {c_.mapName, c_.objectNumber, c_.objectCount})
        field->onChange = endStroke;
    for (ui::Slider* slider : {c_.horizontalStep, c_.verticalStep})
        slider->onChange = endStroke;
    for (ui::ListBox* list : {c_.scriptList, c_.playerList})
        list->onMouseDown = [endStroke](const ui::MouseEvent&) { endStroke(); };
    for (ui::OptionButton* option : c_.directions)
        option->onClick = endStroke;
    c_.isUser->onClick = endStroke;
}

// Naming the file was the answer to "LADEN ?"; the script's load asks
// nothing and says "Script geladen " as always.
void Form1::openFile(const tervok::startup::NamedFile& file)
{
    c_.mapName->setText(file.stem);
    if (file.extension == ".msc")
        script_.load();
    else
        mapFile_.loadNamedMap();
}

void Form1::showCells(const std::vector<MapCell>& cells)
{
    const tervok::BitmapCache::Batch batch(bitmaps_);
    for (const MapCell& cell : cells)
        view_.showCell(cell);
}

void Form1::showHelp()
{
    toolkit_.messageBox("rechtsklick - get picture\r\nlinksklick - set picture\r\nShift+MouseMove - set pictures",
                        ui::MessageButtons::Ok, ui::MessageIcon::None);
}

}  // namespace terraloom
