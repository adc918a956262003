#include "form1.h"

#include "errors/failure_report.h"
#include "form1_layout.h"
#include "game/game_files.h"
#include "game/messages.h"
#include "ui/catalogue_list.h"

namespace terraloom {

Form1::Form1(ui::Toolkit& toolkit)
    : toolkit_(toolkit),
      c_(buildForm1(toolkit)),
      bitmaps_(toolkit),
      view_(c_, state_, bitmaps_),
      mapFile_(toolkit, c_, state_, view_),
      position_(c_, state_, view_),
      painter_(c_, state_, view_, bitmaps_, position_),
      script_(toolkit, c_, state_, position_)
{
    startUp();
    bindMapEvents();
    bindNavigationEvents();
    bindPaintingEvents();
    bindScriptEvents();
}

// The class colours are constants; the view cells, the tile list, the view
// and the player list are set up in this order.
void Form1::startUp()
{
    createViewCells(toolkit_, c_);
    state_.view = {1, 1};
    readTileCatalogue();
    state_.currentTile = 0;
    state_.scriptPosition = {};
    c_.viewColumnSlider->onChange = [this] { view_.viewColumnSliderChanged(); };
    c_.viewRowSlider->onChange = [this] { view_.viewRowSliderChanged(); };
    view_.redrawView();
    tervok::loadCatalogue(toolkit_, *c_.playerList, tervok::kPlayerCataloguePath, tervok::kPlayerNameColumn,
                          state_.playerNumbers);
}

// A missing catalogue leaves every tile unnamed; the list still has its 101
// items.
void Form1::readTileCatalogue()
{
    tervok::Result<TileCatalogue> tiles = loadTileCatalogue();
    if (!tiles)
        tervok::reportFailure(toolkit_.programName(), kTileCataloguePath, tervok::kCannotRead, tiles.error());
    state_.tiles = tiles ? std::move(*tiles) : TileCatalogue{};
    c_.tileList->setItems(state_.tiles.listItems());
}

void Form1::bindMapEvents()
{
    c_.window->onClose = [this] { toolkit_.quit(); };
    c_.loadMap->onClick = [this] { mapFile_.load(); };
    c_.saveMap->onClick = [this] { mapFile_.save(); };
    c_.newMap->onClick = [this] { mapFile_.create(); };
    c_.help->onClick = [this] { showHelp(); };
}

void Form1::bindNavigationEvents()
{
    c_.scrollRight->onClick = [this] { view_.scrollRight(); };
    c_.scrollLeft->onClick = [this] { view_.scrollLeft(); };
    c_.scrollUp->onClick = [this] { view_.scrollUp(); };
    c_.scrollDown->onClick = [this] { view_.scrollDown(); };
    c_.redraw->onClick = [this] { view_.redrawOverview(); };
    c_.overview->onMouseDown = [this](const ui::MouseEvent& e) { view_.overviewClicked(e); };
    c_.gotoPosition->onClick = [this] { position_.gotoPosition(); };
    c_.roundPosition->onClick = [this] { position_.roundPosition(); };
}

void Form1::bindPaintingEvents()
{
    c_.tileList->onMouseDown = [this](const ui::MouseEvent&) { painter_.tileListPressed(); };
    for (ui::PictureBox* cell : c_.cells) {
        cell->onMouseDown = [this](const ui::MouseEvent& e) { painter_.cellPressed(e); };
        cell->onMouseMove = [this](const ui::MouseEvent& e) { painter_.cellMoved(e); };
    }
}

void Form1::bindScriptEvents()
{
    c_.loadScript->onClick = [this] { script_.load(); };
    c_.saveScript->onClick = [this] { script_.save(); };
    c_.addRow->onClick = [this] { script_.add(); };
    c_.changeRow->onClick = [this] { script_.change(); };
    c_.getRow->onClick = [this] { script_.get(); };
    c_.scriptList->onDblClick = [this] { script_.get(); };
    c_.scriptList->onKeyDown = [this](int keyCode, int) { script_.listKeyDown(keyCode); };
    c_.pickPlayer->onClick = [this] { script_.pickPlayer(); };
    c_.objectType->onChange = [this] { script_.typeChanged(); };
}

void Form1::showHelp()
{
    toolkit_.messageBox("rechtsklick - get picture\r\nlinksklick - set picture\r\nShift+MouseMove - set pictures",
                        ui::MessageButtons::Ok, ui::MessageIcon::None);
}

}  // namespace terraloom
