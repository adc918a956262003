#include "boltloom/form/form1.h"

#include "common/game/game_files.h"
#include "common/game/messages.h"
#include "formats/shot_file.h"
#include "toolkit/ui/catalogue_list.h"
#include "toolkit/ui/failure_message.h"
#include "toolkit/ui/field_check.h"
#include "toolkit/ui/sprite_dialog.h"

#include <optional>

namespace boltloom {

Form1::Form1(ui::Toolkit& toolkit) : toolkit_(toolkit), c_(buildForm1(toolkit))
{
    bind();
    startUp();
}

void Form1::show()
{
    c_.window->show();
    c_.directory->setFocus();
}

void Form1::openFile(const tervok::startup::NamedFile& file)
{
    c_.fileName->setText(file.stem);
    loadShot();
}

void Form1::bind()
{
    c_.load->onClick = [this] { loadShot(); };
    c_.save->onClick = [this] { saveShot(); };
    c_.newShot->onClick = [this] { newShot(); };
    c_.pickShotSprite->onClick = [this] { pickShotSprite(); };
    c_.pickExploSprite->onClick = [this] { pickExploSprite(); };
}

void Form1::startUp()
{
    tervok::loadCatalogue(toolkit_, *c_.particles, tervok::kParticleCataloguePath, tervok::kParticleNameColumn,
                          particleNumbers_);
}

std::string Form1::shotPath() const
{
    return formats::shotFilePath(c_.directory->text(), c_.fileName->text(), c_.extension->text());
}

formats::ShotRecord Form1::shownShot() const
{
    return formats::ShotRecord{c_.schaden->text(),    c_.speed->text(),       c_.ttl->text(),
                               c_.reloadTime->text(), c_.shotSprite->text(),  c_.exploSprite->text(),
                               c_.name->text(),       c_.schadenradius->text()};
}

void Form1::showShot(const formats::ShotRecord& shot)
{
    c_.schaden->setText(shot.schaden);
    c_.speed->setText(shot.speed);
    c_.ttl->setText(shot.ttl);
    c_.reloadTime->setText(shot.reloadTime);
    c_.shotSprite->setText(shot.shotSprite);
    c_.exploSprite->setText(shot.exploSprite);
    c_.name->setText(shot.name);
    c_.schadenradius->setText(shot.schadenradius);
}

// The fields change only when the whole file was read.
void Form1::loadShot()
{
    const std::string path = shotPath();
    const tervok::Result<formats::ShotRecord> shot = formats::loadShotFile(path);
    if (!shot) {
        tervok::showFailure(toolkit_, tervok::kLoadFailedMessage, path, tervok::kCannotLoad, shot.error());
        return;
    }
    showShot(*shot);
}

void Form1::saveShot()
{
    if (!tervok::fieldsCanBeStored(toolkit_, {{c_.schaden, "Schaden"},
                                              {c_.speed, "Speed *100"},
                                              {c_.ttl, "ttl (in frames)"},
                                              {c_.reloadTime, "reload time"},
                                              {c_.shotSprite, "ShotSprite"},
                                              {c_.exploSprite, "ExploSprite - Particelnummer"},
                                              {c_.name, "Name"},
                                              {c_.schadenradius, "Schadenradius"}}))
        return;
    const std::string path = shotPath();
    if (const tervok::Status saved = formats::saveShotFile(path, shownShot()); !saved)
        tervok::showFailure(toolkit_, tervok::kSaveFailedMessage, path, tervok::kCannotSave, saved.error());
}

// Kept on purpose: the radius is emptied too, not set back to its start-up
// "0".
void Form1::newShot()
{
    c_.fileName->setText(std::string());
    showShot(formats::ShotRecord{});
}

// The dialog opens below the start directory, whatever folder an earlier
// dialog left behind; a cancelled dialog changes nothing.
void Form1::pickShotSprite()
{
    if (const std::optional<std::string> fileTitle = tervok::pickSpriteFile(toolkit_, startDirectory_))
        c_.shotSprite->setText(*fileTitle);
}

void Form1::pickExploSprite()
{
    if (const std::optional<std::string> number = tervok::pickedNumber(particleNumbers_, c_.particles->selectedIndex()))
        c_.exploSprite->setText(*number);
}

}  // namespace boltloom
