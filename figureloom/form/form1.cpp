#include "figureloom/form/form1.h"

#include "common/game/game_files.h"
#include "common/game/messages.h"
#include "formats/player_file.h"
#include "toolkit/ui/catalogue_list.h"
#include "toolkit/ui/failure_message.h"
#include "toolkit/ui/field_check.h"

namespace figureloom {

Form1::Form1(ui::Toolkit& toolkit) : toolkit_(toolkit)
{
    createControls();
    connectEvents();
    loadCatalogues();
}

Form1::~Form1()
{
    if (window_)
        window_->onClose = nullptr;
}

void Form1::show()
{
    window_->show();
    name_->setFocus();
}

void Form1::openFile(const tervok::startup::NamedFile& file)
{
    name_->setText(file.stem);
    loadPlayer();
}

void Form1::connectEvents()
{
    window_->onClose = [this] {
        if (onClose)
            onClose();
    };
    load_->onClick = [this] { loadPlayer(); };
    save_->onClick = [this] { savePlayer(); };
    new_->onClick = [this] {
        if (onNew)
            onNew();
    };
    pickSprite_->onClick = [this] { pick(*particles_, particleNumbers_, *sprite_); };
    for (std::size_t j = 0; j < blood_.size(); ++j)
        pickBlood_[j]->onClick = [this, j] { pick(*particles_, particleNumbers_, *blood_[j]); };
    for (SlotRow& row : slots_)
        row.pick->onClick = [this, &row] { pick(*weapons_, weaponNumbers_, *row.shottyp); };
}

// The weapons are read first, then the particles. A catalogue that cannot
// be read leaves its list with "<none>" alone.
void Form1::loadCatalogues()
{
    tervok::loadCatalogue(toolkit_, *weapons_, tervok::kWeaponCataloguePath, tervok::kWeaponNameColumn,
                          weaponNumbers_);
    tervok::loadCatalogue(toolkit_, *particles_, tervok::kParticleCataloguePath, tervok::kParticleNameColumn,
                          particleNumbers_);
}

std::string Form1::playerPath() const
{
    return formats::playerFilePath(directory_->text(), name_->text(), extension_->text());
}

formats::PlayerRecord Form1::recordFromControls() const
{
    formats::PlayerRecord record;
    record.sprite = sprite_->text();
    record.team = team_->text();
    record.health = health_->text();
    record.moveSpeed = moveSpeed_->text();
    record.stepSpeed = stepSpeed_->text();
    record.blood = blood_[0]->text();
    record.exploBlood = blood_[1]->text();
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        const SlotRow& row = slots_[i];
        record.slots[i] = formats::WeaponSlot{row.shottyp->text(), row.present->value(), row.munnition->text(),
                                     row.maxMunni->text()};
    }
    return record;
}

void Form1::showRecord(const formats::PlayerRecord& record)
{
    sprite_->setText(record.sprite);
    team_->setText(record.team);
    health_->setText(record.health);
    moveSpeed_->setText(record.moveSpeed);
    stepSpeed_->setText(record.stepSpeed);
    blood_[0]->setText(record.blood);
    blood_[1]->setText(record.exploBlood);
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        slots_[i].shottyp->setText(record.slots[i].shottyp);
        slots_[i].present->setValue(formats::checkStateOf(record.slots[i].present));
    }
    showAmmunition(record);
}

void Form1::showAmmunition(const formats::PlayerRecord& record)
{
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        slots_[i].munnition->setText(record.slots[i].munnition);
        slots_[i].maxMunni->setText(record.slots[i].maxMunni);
    }
}

void Form1::loadPlayer()
{
    const std::string path = playerPath();
    const tervok::Result<formats::PlayerRecord> record = formats::loadPlayerFile(path);
    if (!record) {
        tervok::showFailure(toolkit_, tervok::kLoadFailedMessage, path, tervok::kCannotLoad, record.error());
        return;
    }
    showRecord(*record);
}

// Every field the file holds, by the caption the user sees beside it.
std::vector<tervok::NamedField> Form1::storedFields() const
{
    std::vector<tervok::NamedField> fields{{sprite_, "Player Sprite"}, {team_, "team"},      {health_, "health"},
                                           {moveSpeed_, "move"},       {stepSpeed_, "strafe"}, {blood_[0], "blood"},
                                           {blood_[1], "explo"}};
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        const std::string slot = std::to_string(i + 1);
        fields.push_back({slots_[i].shottyp, std::string("nmr ").append(slot)});
        fields.push_back({slots_[i].munnition, std::string("Munnition ").append(slot)});
        fields.push_back({slots_[i].maxMunni, std::string("max Munni ").append(slot)});
    }
    return fields;
}

void Form1::savePlayer()
{
    if (!tervok::fieldsCanBeStored(toolkit_, storedFields()))
        return;
    const std::string path = playerPath();
    const formats::PlayerRecord record = recordFromControls();
    if (const tervok::Status saved = formats::savePlayerFile(path, record); !saved) {
        tervok::showFailure(toolkit_, tervok::kSaveFailedMessage, path, tervok::kCannotSave, saved.error());
        return;
    }
    // The fields show the ammunition texts as the file now holds them.
    showAmmunition(formats::withFilledAmmunition(record));
}

// Writes the number behind the selected row; with no row selected the
// target keeps its text.
void Form1::pick(const ui::ListBox& list, const tervok::NumberTable& table, ui::TextField& target)
{
    if (const std::optional<std::string> number = tervok::pickedNumber(table, list.selectedIndex()))
        target.setText(*number);
}

}  // namespace figureloom
