#include "terraloom/form/program.h"

namespace terraloom {
namespace {

constexpr const char* kWholeMapPlace = "WholeMap";

}  // namespace

Program::Program(ui::Toolkit& toolkit, ui::WindowPlaces& places, bool wholeMapAtStart)
    : toolkit_(toolkit), places_(places), windows_(toolkit), form_(std::make_unique<Form1>(toolkit))
{
    windows_.addMain(form_->window());
    form_->window().addShortcut({'M', ui::kCtrlKey}, [this] { openWholeMap(); });
    form_->show();
    if (wholeMapAtStart)
        openWholeMap();
}

// The editor's parts tell nobody any more before the window they tell goes.
Program::~Program()
{
    form_->events() = {};
    if (wholeMap_)
        rememberPlace();
}

void Program::openWholeMap()
{
    form_->state().history.endStroke();
    if (!wholeMap_)
        makeWholeMap();
    wholeMap_->show();
}

void Program::makeWholeMap()
{
    wholeMap_ = std::make_unique<WholeMapWindow>(toolkit_, form_->state(), form_->bitmaps());
    if (const std::optional<ui::Geometry> place = places_.recall(kWholeMapPlace))
        wholeMap_->window().setGeometry(*place);
    const Form1Controls& c = form_->controls();
    wholeMap_->showScript(form_->scriptRows());
    wholeMap_->scriptRowSelected(c.scriptList->selectedIndex());
    windows_.addOther(wholeMap_->window(), [this] { rememberPlace(); });
    bindWholeMapToEditor();
    bindEditorToWholeMap();
    bindWholeMapKeys();
}

// What the whole map does shows in the editor window as the view's own
// actions show there.
void Program::bindWholeMapToEditor()
{
    WholeMapWindow& whole = *wholeMap_;
    whole.onCellsPainted = [this](const std::vector<MapCell>& cells) { form_->showCells(cells); };
    whole.onTilePicked = [this](const MapCell& cell) {
        form_->showPick(wholeMap_->canvas().cell(cell.x - 1, cell.y - 1));
    };
    whole.onViewMoveAsked = [this](const ViewPosition& view) { form_->moveView(view); };
}

void Program::bindEditorToWholeMap()
{
    EditorEvents& events = form_->events();
    WholeMapWindow& whole = *wholeMap_;
    events.cellChanged = [&whole](const MapCell& cell) { whole.showCell(cell); };
    events.gridReplaced = [&whole] { whole.showGrid(); };
    events.viewRedrawn = [&whole] {
        whole.showViewFrame();
        whole.refreshBitmaps();
    };
    events.currentTileChosen = [&whole] { whole.showCurrentTile(); };
    events.scriptLoaded = [&whole](const formats::ScriptRows& rows) { whole.showScript(rows); };
    events.scriptRowAdded = [&whole](const std::string& row) { whole.scriptRowAdded(row); };
    events.scriptRowChanged = [&whole](int row, const std::string& text) { whole.scriptRowChanged(row, text); };
    events.scriptRowRemoved = [&whole](int row) { whole.scriptRowRemoved(row); };
    events.scriptRowSelected = [&whole](int row) { whole.scriptRowSelected(row); };
}

// Undo and redo over the one history, as in the editor window; these
// shortcuts are the whole-map window's own, and so are its tool bar's Undo
// and Redo.
void Program::bindWholeMapKeys()
{
    ui::CanvasWindow& window = wholeMap_->window();
    window.addShortcut({'Z', ui::kCtrlKey}, [this] { form_->undo(); });
    window.addShortcut({'Y', ui::kCtrlKey}, [this] { form_->redo(); });
    window.addShortcut({'Z', ui::kCtrlKey | ui::kShiftKey}, [this] { form_->redo(); });
    wholeMap_->onUndoAsked = [this] { form_->undo(); };
    wholeMap_->onRedoAsked = [this] { form_->redo(); };
}

void Program::rememberPlace()
{
    places_.remember(kWholeMapPlace, wholeMap_->window().geometry());
}

}  // namespace terraloom
