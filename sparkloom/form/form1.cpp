#include "sparkloom/form/form1.h"

#include "common/game/messages.h"
#include "sparkloom/core/row_edits.h"
#include "toolkit/ui/failure_message.h"
#include "toolkit/ui/field_check.h"
#include "toolkit/ui/sprite_dialog.h"

#include <optional>

namespace sparkloom {
namespace {

constexpr int kClientWidth = 3345;
constexpr int kClientHeight = 3195;
constexpr const char* kCaption = "ParticleEditor by Drummel V1.0";
constexpr const char* kOverwriteUnloadedQuestion = "Liste nicht geladen - Datei trotzdem \xFC" "berschreiben ?";

}  // namespace

Form1::Form1(ui::Toolkit& toolkit)
    : toolkit_(toolkit), window_(toolkit.createWindow("Form1", kCaption, kClientWidth, kClientHeight))
{
    createControls();
    bindEvents();
    catalogueList_->setFocus();
}

// Controls are created in the keyboard focus order: List1, the three
// buttons, Text1, Text2, Text3, the sprite pick button, "add".
void Form1::createControls()
{
    catalogueList_ = &toolkit_.createListBox(*window_, "List1", -1, {360, 240, 1695, 2205});
    createButtons();
    createEntryFields();
    add_ = &toolkit_.createButton(*window_, "Command5", -1, {2280, 2880, 855, 255}, "add");
}

void Form1::createButtons()
{
    reload_ = &toolkit_.createButton(*window_, "Command1", -1, {2280, 240, 855, 255}, "reload");
    save_ = &toolkit_.createButton(*window_, "Command2", -1, {2280, 600, 855, 255}, "save");
    delete_ = &toolkit_.createButton(*window_, "Command3", -1, {2280, 1080, 855, 255}, "delete");
}

void Form1::createEntryFields()
{
    ui::Frame& frame1 = toolkit_.createFrame(*window_, "Frame1", -1, {2280, 1560, 975, 615}, "Nummer");
    number_ = &toolkit_.createTextField(frame1, "Text1", -1, {120, 240, 735, 285}, "0");
    ui::Frame& frame2 = toolkit_.createFrame(*window_, "Frame2", -1, {2280, 2160, 975, 615}, "repeat");
    repeat_ = &toolkit_.createTextField(frame2, "Text2", -1, {120, 240, 735, 285}, "0");
    ui::Frame& frame3 = toolkit_.createFrame(*window_, "Frame3", -1, {240, 2520, 1935, 615}, "Sprite");
    sprite_ = &toolkit_.createTextField(frame3, "Text3", -1, {120, 240, 1215, 285}, "");
    pickSprite_ = &toolkit_.createButton(frame3, "Command4", -1, {1440, 240, 375, 255}, ". . .");
    pickSprite_->setBold(true);
}

void Form1::bindEvents()
{
    reload_->onClick = [this] { reloadCatalogue(); };
    save_->onClick = [this] { saveCatalogue(); };
    delete_->onClick = [this] { deleteRow(); };
    pickSprite_->onClick = [this] { pickSprite(); };
    add_->onClick = [this] { addEntry(); };
    catalogueList_->onDblClick = [this] { switchRow(); };
}

// All or nothing: the rows are replaced only once the whole file was read.
void Form1::reloadCatalogue()
{
    tervok::Result<formats::ParticleRows> loaded = formats::loadParticleCatalogue(formats::kParticleCataloguePath);
    if (!loaded) {
        tervok::showFailure(toolkit_, tervok::kLoadFailedMessage, formats::kParticleCataloguePath, tervok::kCannotLoad,
                            loaded.error());
        return;
    }
    showRows(std::move(*loaded));
    rowsFromFile_ = true;
}

// The list starts empty until "reload", so a save before it would wipe the
// catalogue with one click: while the rows shown did not come from the file
// (no reload or save succeeded yet) and the file holds rows, the user is
// asked first.
void Form1::saveCatalogue()
{
    if (!rowsFromFile_ && fileHoldsRows() && !confirmOverwrite())
        return;
    if (const tervok::Status saved = formats::saveParticleCatalogue(formats::kParticleCataloguePath, rows()); !saved) {
        tervok::showFailure(toolkit_, tervok::kSaveFailedMessage, formats::kParticleCataloguePath, tervok::kCannotSave,
                            saved.error());
        return;
    }
    rowsFromFile_ = true;
}

// Entries and switched-off entries alike: losing either loses work. A file
// that is there but cannot be read may hold rows all the same; only a file
// that is not there at all holds nothing.
bool Form1::fileHoldsRows() const
{
    const tervok::Result<formats::ParticleRows> onDisk = formats::loadParticleCatalogue(formats::kParticleCataloguePath);
    if (!onDisk) {
        const tervok::ErrorKind kind = onDisk.error().kind;
        return kind != tervok::ErrorKind::NotFound && kind != tervok::ErrorKind::FolderMissing &&
               kind != tervok::ErrorKind::BrokenLink;
    }
    for (const std::string& row : *onDisk)
        if (!row.empty())
            return true;
    return false;
}

bool Form1::confirmOverwrite()
{
    return toolkit_.messageBox(kOverwriteUnloadedQuestion, ui::MessageButtons::OkCancel, ui::MessageIcon::None) ==
           ui::kAnswerOk;
}

void Form1::deleteRow()
{
    const int selected = catalogueList_->selectedIndex();
    if (selected < 0)
        return;
    catalogueList_->removeItem(selected);
    catalogueList_->setSelectedIndex(selectionAfterDelete(selected, catalogueList_->count()));
}

// The dialog may wander off to another folder; the start directory is made
// the working directory before it opens and again after it closed.
void Form1::pickSprite()
{
    if (const std::optional<std::string> fileTitle = tervok::pickSpriteFile(toolkit_, startDirectory_))
        sprite_->setText(*fileTitle);
}

void Form1::addEntry()
{
    if (!tervok::fieldsCanBeStored(toolkit_, {{number_, "Nummer"}, {repeat_, "repeat"}, {sprite_, "Sprite"}}))
        return;
    const std::optional<std::string> line = entryLine(number_->text(), repeat_->text(), sprite_->text());
    if (line)
        catalogueList_->addItem(*line);
}

void Form1::switchRow()
{
    const int selected = catalogueList_->selectedIndex();
    if (selected < 0)
        return;
    catalogueList_->setItem(selected, switchedRow(catalogueList_->item(selected)));
}

formats::ParticleRows Form1::rows() const
{
    formats::ParticleRows rows;
    const int count = catalogueList_->count();
    for (int row = 0; row < count; ++row)
        rows.push_back(catalogueList_->item(row));
    return rows;
}

void Form1::showRows(formats::ParticleRows rows)
{
    catalogueList_->setItems(std::move(rows));
}

}  // namespace sparkloom
