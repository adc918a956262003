#include "figureloom/form/form1.h"

#include "common/game/game_files.h"
#include "common/game/messages.h"
#include "formats/player_file.h"
#include "toolkit/ui/catalogue_list.h"
#include "toolkit/ui/failure_message.h"
#include "toolkit/ui/field_check.h"

namespace figureloom {

Form1::Form1(ui::Toolkit& toolkit) : toolkit_(toolkit), c_(buildForm1(toolkit))
{
    bind();
    loadCatalogues();
}

void Form1::show()
{
    c_.window->show();
    c_.name->setFocus();
}

void Form1::openFile(const tervok::startup::NamedFile& file)
{
    c_.name->setText(file.stem);
    loadPlayer();
}

void Form1::bind()
{
    c_.load->onClick = [this] { loadPlayer(); };
    c_.save->onClick = [this] { savePlayer(); };
    c_.newPlayer->onClick = [this] {
        if (onNew)
            onNew();
    };
    c_.pickSprite->onClick = [this] { pick(*c_.particles, particleNumbers_, *c_.sprite); };
    for (std::size_t j = 0; j < c_.blood.size(); ++j)
        c_.pickBlood[j]->onClick = [this, j] { pick(*c_.particles, particleNumbers_, *c_.blood[j]); };
    for (std::size_t i = 0; i < c_.shottyp.size(); ++i)
        c_.pickWeapon[i]->onClick = [this, i] { pick(*c_.weapons, weaponNumbers_, *c_.shottyp[i]); };
}

// The weapons are read first, then the particles. A catalogue that cannot
// be read leaves its list with "<none>" alone.
void Form1::loadCatalogues()
{
    tervok::loadCatalogue(toolkit_, *c_.weapons, tervok::kWeaponCataloguePath, tervok::kWeaponNameColumn,
                          weaponNumbers_);
    tervok::loadCatalogue(toolkit_, *c_.particles, tervok::kParticleCataloguePath, tervok::kParticleNameColumn,
                          particleNumbers_);
}

std::string Form1::playerPath() const
{
    return formats::playerFilePath(c_.directory->text(), c_.name->text(), c_.extension->text());
}

formats::PlayerRecord Form1::recordFromControls() const
{
    formats::PlayerRecord record;
    record.sprite = c_.sprite->text();
    record.team = c_.team->text();
    record.health = c_.health->text();
    record.moveSpeed = c_.moveSpeed->text();
    record.stepSpeed = c_.stepSpeed->text();
    record.blood = c_.blood[0]->text();
    record.exploBlood = c_.blood[1]->text();
    for (std::size_t i = 0; i < record.slots.size(); ++i)
        record.slots[i] = formats::WeaponSlot{c_.shottyp[i]->text(), c_.present[i]->value(), c_.munnition[i]->text(),
                                              c_.maxMunni[i]->text()};
    return record;
}

void Form1::showRecord(const formats::PlayerRecord& record)
{
    c_.sprite->setText(record.sprite);
    c_.team->setText(record.team);
    c_.health->setText(record.health);
    c_.moveSpeed->setText(record.moveSpeed);
    c_.stepSpeed->setText(record.stepSpeed);
    c_.blood[0]->setText(record.blood);
    c_.blood[1]->setText(record.exploBlood);
    for (std::size_t i = 0; i < record.slots.size(); ++i) {
        c_.shottyp[i]->setText(record.slots[i].shottyp);
        c_.present[i]->setValue(formats::checkStateOf(record.slots[i].present));
    }
    showAmmunition(record);
}

void Form1::showAmmunition(const formats::PlayerRecord& record)
{
    for (std::size_t i = 0; i < record.slots.size(); ++i) {
        c_.munnition[i]->setText(record.slots[i].munnition);
        c_.maxMunni[i]->setText(record.slots[i].maxMunni);
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
    std::vector<tervok::NamedField> fields{{c_.sprite, "Player Sprite"}, {c_.team, "team"},      {c_.health, "health"},
                                           {c_.moveSpeed, "move"},       {c_.stepSpeed, "strafe"}, {c_.blood[0], "blood"},
                                           {c_.blood[1], "explo"}};
    for (std::size_t i = 0; i < c_.shottyp.size(); ++i) {
        const std::string slot = std::to_string(i + 1);
        fields.push_back({c_.shottyp[i], std::string("nmr ").append(slot)});
        fields.push_back({c_.munnition[i], std::string("Munnition ").append(slot)});
        fields.push_back({c_.maxMunni[i], std::string("max Munni ").append(slot)});
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
