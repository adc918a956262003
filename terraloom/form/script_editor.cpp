#include "terraloom/form/script_editor.h"

#include "common/catalogue/catalogue.h"
#include "common/game/messages.h"
#include "toolkit/ui/failure_message.h"
#include "toolkit/ui/field_check.h"

namespace terraloom {
namespace {

constexpr const char* kPlayerType = "player";
constexpr const char* kFailed = "Fehler";

}  // namespace

void ScriptEditor::tell(const std::string& message, ui::MessageIcon icon)
{
    toolkit_.messageBox(message, ui::MessageButtons::Ok, icon);
}

// Each click takes the directory and the map name as they read now.
std::string ScriptEditor::path() const
{
    return formats::scriptPath(c_.scriptFolder->text(), c_.mapName->text());
}

formats::ScriptRows ScriptEditor::rows() const
{
    formats::ScriptRows rows;
    rows.reserve(static_cast<std::size_t>(c_.scriptList->count()));
    for (int row = 0; row < c_.scriptList->count(); ++row)
        rows.push_back(c_.scriptList->item(row));
    return rows;
}

// The file is read and parsed whole before the list changes, so a failed
// load keeps the script the user is working on.
void ScriptEditor::load()
{
    const std::string gamePath = path();
    tervok::Result<formats::ScriptRows> loaded = formats::loadScriptFile(gamePath);
    if (!loaded) {
        tervok::showFailure(toolkit_, kFailed, gamePath, tervok::kCannotLoad, loaded.error());
        return;
    }
    notify(events_.scriptLoaded, *loaded);
    c_.scriptList->setItems(std::move(*loaded));
    // Kept on purpose: both confirmations end in a blank.
    tell("Script geladen ", ui::MessageIcon::None);
}

void ScriptEditor::save()
{
    const std::string gamePath = path();
    if (const tervok::Status saved = formats::saveScriptFile(gamePath, c_.scriptGrammar->caption(), rows()); !saved) {
        tervok::showFailure(toolkit_, kFailed, gamePath, tervok::kCannotSave, saved.error());
        return;
    }
    tell("Script gespeichert ", ui::MessageIcon::None);
}

int ScriptEditor::chosenDirection() const
{
    int direction = formats::kNoDirection;
    for (int i = 0; i < formats::kDirections; ++i)
        if (c_.directions[static_cast<std::size_t>(i)]->value())
            direction = i + 1;
    return direction;
}

// A direction without an option clears all four.
void ScriptEditor::chooseDirection(int direction)
{
    for (int i = 0; i < formats::kDirections; ++i)
        c_.directions[static_cast<std::size_t>(i)]->setValue(i + 1 == direction);
}

std::string ScriptEditor::composeFromFields() const
{
    formats::ScriptLinePieces pieces;
    pieces.isUser = c_.isUser->value() == 1;
    pieces.type = c_.objectType->text();
    pieces.number = c_.objectNumber->text();
    pieces.count = c_.objectCount->text();
    pieces.x = state_.scriptPosition.x;
    pieces.y = state_.scriptPosition.y;
    pieces.direction = chosenDirection();
    return formats::composeScriptLine(pieces);
}

// A composed row is one field of the script file: a comma in a typed value
// would split it into two rows on the next load.
bool ScriptEditor::fieldsCanBeStored()
{
    return tervok::fieldsCanBeStored(toolkit_, {{c_.objectType, "ObjektTyp"}, {c_.objectNumber, "nmr"}, {c_.objectCount, "Anzahl"}});
}

// A full list takes no more rows: row numbers would not reach them.
void ScriptEditor::add()
{
    if (static_cast<std::size_t>(c_.scriptList->count()) >= formats::kMaxScriptRows || !fieldsCanBeStored())
        return;
    const std::string row = composeFromFields();
    c_.scriptList->addItem(row);
    notify(events_.scriptRowAdded, row);
}

void ScriptEditor::change()
{
    const int row = c_.scriptList->selectedIndex();
    if (row >= 0 && fieldsCanBeStored()) {
        const std::string text = composeFromFields();
        c_.scriptList->setItem(row, text);
        notify(events_.scriptRowChanged, row, text);
    }
}

// Setting the type first lets its change clear "ist user"; get sets the box
// afterwards from the command word.
void ScriptEditor::putPlayerFields(const formats::PlayerLineFields& fields)
{
    c_.objectType->setText(fields.type);
    c_.objectNumber->setText(fields.number);
    c_.objectCount->setText(fields.count);
    state_.scriptPosition.x = fields.x;
    state_.scriptPosition.y = fields.y;
    chooseDirection(fields.direction);
}

// A row that cannot be taken apart leaves every field as it was.
void ScriptEditor::get()
{
    const int row = c_.scriptList->selectedIndex();
    if (row < 0)
        return;
    const std::optional<formats::TakenScriptLine> taken = formats::takeScriptLineApart(c_.scriptList->item(row));
    if (!taken)
        return;
    if (taken->player)
        putPlayerFields(*taken->player);
    c_.isUser->setValue(taken->isUser ? 1 : 0);
    position_.refreshLabel();
}

void ScriptEditor::listKeyDown(int keyCode)
{
    const int row = c_.scriptList->selectedIndex();
    if (keyCode == ui::kDeleteKey && row >= 0) {
        c_.scriptList->removeItem(row);
        notify(events_.scriptRowRemoved, row);
    }
}

// Without a chosen player the number stays as it was.
void ScriptEditor::pickPlayer()
{
    c_.objectType->setText(kPlayerType);
    const std::optional<std::string> number = tervok::pickedNumber(state_.playerNumbers, c_.playerList->selectedIndex());
    if (number)
        c_.objectNumber->setText(*number);
}

// "ist user" can be ticked only for players, and a new type starts unticked.
void ScriptEditor::typeChanged()
{
    c_.isUser->setValue(0);
    c_.isUser->setEnabled(c_.objectType->text() == kPlayerType);
}

}  // namespace terraloom
