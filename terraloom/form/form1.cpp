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
    c_.Slider4->onChange = [this] { view_.viewColumnSliderChanged(); };
    c_.Slider3->onChange = [this] { view_.viewRowSliderChanged(); };
    view_.redrawView();
    tervok::loadCatalogue(toolkit_, *c_.List3, tervok::kPlayerCataloguePath, tervok::kPlayerNameColumn,
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
    c_.List1->setItems(state_.tiles.listItems());
}

void Form1::bindMapEvents()
{
    c_.Form1->onClose = [this] { toolkit_.quit(); };
    c_.Command1->onClick = [this] { mapFile_.load(); };
    c_.Command2->onClick = [this] { mapFile_.save(); };
    c_.Command3->onClick = [this] { mapFile_.create(); };
    c_.Command9->onClick = [this] { showHelp(); };
}

void Form1::bindNavigationEvents()
{
    c_.Command4->onClick = [this] { view_.scrollRight(); };
    c_.Command5->onClick = [this] { view_.scrollLeft(); };
    c_.Command6->onClick = [this] { view_.scrollUp(); };
    c_.Command7->onClick = [this] { view_.scrollDown(); };
    c_.Command8->onClick = [this] { view_.redrawOverview(); };
    c_.Picture1->onMouseDown = [this](const ui::MouseEvent& e) { view_.overviewClicked(e); };
    c_.Command16->onClick = [this] { position_.gotoPosition(); };
    c_.Command17->onClick = [this] { position_.roundPosition(); };
}

void Form1::bindPaintingEvents()
{
    c_.List1->onMouseDown = [this](const ui::MouseEvent&) { painter_.tileListPressed(); };
    for (ui::PictureBox* cell : c_.pic) {
        cell->onMouseDown = [this](const ui::MouseEvent& e) { painter_.cellPressed(e); };
        cell->onMouseMove = [this](const ui::MouseEvent& e) { painter_.cellMoved(e); };
    }
}

void Form1::bindScriptEvents()
{
    c_.Command10->onClick = [this] { script_.load(); };
    c_.Command12->onClick = [this] { script_.save(); };
    c_.Command13->onClick = [this] { script_.add(); };
    c_.Command15->onClick = [this] { script_.change(); };
    c_.Command14->onClick = [this] { script_.get(); };
    c_.List2->onDblClick = [this] { script_.get(); };
    c_.List2->onKeyDown = [this](int keyCode, int) { script_.listKeyDown(keyCode); };
    c_.Command11->onClick = [this] { script_.pickPlayer(); };
    c_.Text5->onChange = [this] { script_.typeChanged(); };
}

void Form1::showHelp()
{
    toolkit_.messageBox("rechtsklick - get picture\r\nlinksklick - set picture\r\nShift+MouseMove - set pictures",
                        ui::MessageButtons::Ok, ui::MessageIcon::None);
}

}  // namespace terraloom
