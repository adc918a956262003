#include "sparkloom/form/form1.h"

#include "common/errors/failure_report.h"
#include "common/game/messages.h"
#include "sparkloom/core/row_edits.h"
#include "toolkit/ui/failure_message.h"
#include "toolkit/ui/field_check.h"
#include "toolkit/ui/sprite_dialog.h"

#include <optional>

namespace sparkloom {
namespace {

constexpr const char* kOverwriteUnloadedQuestion = "Liste nicht geladen - Datei trotzdem \xFC" "berschreiben ?";

}  // namespace

Form1::Form1(ui::Toolkit& toolkit) : toolkit_(toolkit), c_(buildForm1(toolkit))
{
    bind();
}

void Form1::show()
{
    c_.catalogueList->setFocus();
    c_.window->show();
}

void Form1::bind()
{
    c_.reload->onClick = [this] { reloadCatalogue(); };
    c_.save->onClick = [this] { saveCatalogue(); };
    c_.deleteRow->onClick = [this] { deleteRow(); };
    c_.pickSprite->onClick = [this] { pickSprite(); };
    c_.add->onClick = [this] { addEntry(); };
    c_.catalogueList->onDblClick = [this] { switchRow(); };
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
    if (!rowsFromFile_ && !mayOverwrite())
        return;
    if (const tervok::Status saved = formats::saveParticleCatalogue(formats::kParticleCataloguePath, rows()); !saved) {
        tervok::showFailure(toolkit_, tervok::kSaveFailedMessage, formats::kParticleCataloguePath, tervok::kCannotSave,
                            saved.error());
        return;
    }
    rowsFromFile_ = true;
}

// Entries and switched-off entries alike: losing either loses work. A file
// that is not there at all holds nothing; one that is there but cannot be
// read gives its reason, as it may hold rows all the same.
tervok::Result<bool> Form1::fileHoldsRows() const
{
    const tervok::Result<formats::ParticleRows> onDisk = formats::loadParticleCatalogue(formats::kParticleCataloguePath);
    if (!onDisk) {
        const tervok::ErrorKind kind = onDisk.error().kind;
        if (kind == tervok::ErrorKind::NotFound || kind == tervok::ErrorKind::FolderMissing ||
            kind == tervok::ErrorKind::BrokenLink)
            return false;
        return onDisk.error();
    }
    for (const std::string& row : *onDisk)
        if (!row.empty())
            return true;
    return false;
}

// A file without rows may be overwritten at once; one with rows, or one
// that cannot be read, only when the user agrees. On Cancel the save ends
// here, and the reason a file could not be read, which is why the user was
// asked, goes to standard error; on OK the save's own outcome is what the
// command reports, so that it reports one reason at most.
bool Form1::mayOverwrite()
{
    const tervok::Result<bool> holdsRows = fileHoldsRows();
    if (holdsRows == false)
        return true;
    if (toolkit_.messageBox(kOverwriteUnloadedQuestion, ui::MessageButtons::OkCancel, ui::MessageIcon::None) ==
        ui::kAnswerOk)
        return true;
    if (!holdsRows)
        tervok::reportFailure(toolkit_.programName(), formats::kParticleCataloguePath, tervok::kCannotRead,
                              holdsRows.error());
    return false;
}

void Form1::deleteRow()
{
    const int selected = c_.catalogueList->selectedIndex();
    if (selected < 0)
        return;
    c_.catalogueList->removeItem(selected);
    c_.catalogueList->setSelectedIndex(selectionAfterDelete(selected, c_.catalogueList->count()));
}

// The dialog may wander off to another folder; the start directory is made
// the working directory before it opens and again after it closed.
void Form1::pickSprite()
{
    if (const std::optional<std::string> fileTitle = tervok::pickSpriteFile(toolkit_, startDirectory_))
        c_.sprite->setText(*fileTitle);
}

void Form1::addEntry()
{
    if (!tervok::fieldsCanBeStored(toolkit_, {{c_.number, "Nummer"}, {c_.repeat, "repeat"}, {c_.sprite, "Sprite"}}))
        return;
    const std::optional<std::string> line = entryLine(c_.number->text(), c_.repeat->text(), c_.sprite->text());
    if (line)
        c_.catalogueList->addItem(*line);
}

void Form1::switchRow()
{
    const int selected = c_.catalogueList->selectedIndex();
    if (selected < 0)
        return;
    c_.catalogueList->setItem(selected, switchedRow(c_.catalogueList->item(selected)));
}

formats::ParticleRows Form1::rows() const
{
    formats::ParticleRows rows;
    const int count = c_.catalogueList->count();
    for (int row = 0; row < count; ++row)
        rows.push_back(c_.catalogueList->item(row));
    return rows;
}

void Form1::showRows(formats::ParticleRows rows)
{
    c_.catalogueList->setItems(std::move(rows));
}

}  // namespace sparkloom
