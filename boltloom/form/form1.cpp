#include "boltloom/form/form1.h"

#include "common/game/game_files.h"
#include "common/game/messages.h"
#include "toolkit/ui/catalogue_list.h"
#include "toolkit/ui/failure_message.h"
#include "toolkit/ui/field_check.h"
#include "toolkit/ui/sprite_dialog.h"

#include "formats/shot_file.h"

#include <optional>

namespace boltloom {
namespace {

constexpr int kClientWidth = 5310;
constexpr int kClientHeight = 4410;

// Where a value field sits inside its frame.
constexpr ui::Geometry kWideValue{120, 240, 855, 285};
constexpr ui::Geometry kShortValue{720, 240, 615, 285};

}  // namespace

Form1::Form1(ui::Toolkit& toolkit)
    : toolkit_(toolkit),
      window_(toolkit.createWindow("Form1", "ShotEditor by Drummel V1", kClientWidth, kClientHeight))
{
    // Controls are created in keyboard focus order.
    buildPathRow();
    buildButtons();
    buildValueFrames();
    buildSpriteFrames();
    buildNameAndList();
    startUp();
}

void Form1::show()
{
    window_->show();
    directory_->setFocus();
}

void Form1::openFile(const tervok::startup::NamedFile& file)
{
    fileName_->setText(file.stem);
    loadShot();
}

ui::TextField& Form1::addField(ui::Container& parent, const char* name, const ui::Geometry& geometry,
                               const std::string& text)
{
    return toolkit_.createTextField(parent, name, -1, geometry, text);
}

ui::Button& Form1::addButton(ui::Container& parent, const char* name, const ui::Geometry& geometry,
                             const std::string& caption, void (Form1::*handler)())
{
    ui::Button& button = toolkit_.createButton(parent, name, -1, geometry, caption);
    button.onClick = [this, handler] { (this->*handler)(); };
    return button;
}

ui::Frame& Form1::addFrame(const char* name, const ui::Geometry& geometry, const std::string& caption)
{
    return toolkit_.createFrame(*window_, name, -1, geometry, caption);
}

void Form1::buildPathRow()
{
    directory_ = &addField(*window_, "Text1", {480, 120, 615, 285}, "shots\\");
    directory_->setReadOnly(true);
    fileName_ = &addField(*window_, "Text2", {1080, 120, 735, 285});
    extension_ = &addField(*window_, "Text3", {1800, 120, 375, 285}, ".sht");
    extension_->setReadOnly(true);
}

void Form1::buildButtons()
{
    addButton(*window_, "Command1", {480, 480, 495, 255}, "load", &Form1::loadShot);
    addButton(*window_, "Command2", {1080, 480, 495, 255}, "save", &Form1::saveShot);
    addButton(*window_, "Command3", {1680, 480, 495, 255}, "new", &Form1::newShot);
}

void Form1::buildValueFrames()
{
    schaden_ = &addField(addFrame("Frame1", {120, 840, 1095, 615}, "Schaden"), "Text4", kWideValue);
    speed_ = &addField(addFrame("Frame2", {120, 1560, 1095, 615}, "Speed *100"), "Text5", kWideValue);
    ttl_ = &addField(addFrame("Frame3", {1440, 840, 1095, 615}, "ttl (in frames)"), "Text6", kWideValue);
    reloadTime_ = &addField(addFrame("Frame4", {1440, 1560, 1095, 615}, "reload time"), "Text7", kWideValue);
}

void Form1::buildSpriteFrames()
{
    ui::Frame& frame5 = addFrame("Frame5", {120, 2280, 2415, 615}, "ShotSprite");
    shotSprite_ = &addField(frame5, "Text8", {120, 240, 1695, 285});
    addButton(frame5, "Command4", {1920, 240, 375, 255}, ". . .", &Form1::pickShotSprite).setBold(true);

    // Kept on purpose: "Particelnummer" is the caption as the window always showed it.
    ui::Frame& frame6 = addFrame("Frame6", {120, 3720, 2415, 615}, "ExploSprite - Particelnummer");
    exploSprite_ = &addField(frame6, "Text9", kShortValue);
    addButton(frame6, "Command5", {1440, 240, 375, 255}, "<-", &Form1::pickExploSprite);
}

void Form1::buildNameAndList()
{
    particles_ = &toolkit_.createListBox(*window_, "List1", -1, {2760, 480, 1935, 3765});
    name_ = &addField(*window_, "Text10", {3360, 120, 1335, 285});
    addField(*window_, "Text11", {2760, 120, 615, 285}, "Name:").setReadOnly(true);
    schadenradius_ = &addField(addFrame("Frame7", {120, 3000, 2415, 615}, "Schadenradius"), "Text12", kShortValue, "0");
}

void Form1::startUp()
{
    tervok::loadCatalogue(toolkit_, *particles_, tervok::kParticleCataloguePath, tervok::kParticleNameColumn,
                          particleNumbers_);
}

std::string Form1::shotPath() const
{
    return formats::shotFilePath(directory_->text(), fileName_->text(), extension_->text());
}

formats::ShotRecord Form1::shownShot() const
{
    return formats::ShotRecord{schaden_->text(), speed_->text(), ttl_->text(),  reloadTime_->text(),
                      shotSprite_->text(), exploSprite_->text(), name_->text(), schadenradius_->text()};
}

void Form1::showShot(const formats::ShotRecord& shot)
{
    schaden_->setText(shot.schaden);
    speed_->setText(shot.speed);
    ttl_->setText(shot.ttl);
    reloadTime_->setText(shot.reloadTime);
    shotSprite_->setText(shot.shotSprite);
    exploSprite_->setText(shot.exploSprite);
    name_->setText(shot.name);
    schadenradius_->setText(shot.schadenradius);
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
    if (!tervok::fieldsCanBeStored(toolkit_, {{schaden_, "Schaden"},
                                              {speed_, "Speed *100"},
                                              {ttl_, "ttl (in frames)"},
                                              {reloadTime_, "reload time"},
                                              {shotSprite_, "ShotSprite"},
                                              {exploSprite_, "ExploSprite - Particelnummer"},
                                              {name_, "Name"},
                                              {schadenradius_, "Schadenradius"}}))
        return;
    const std::string path = shotPath();
    if (const tervok::Status saved = formats::saveShotFile(path, shownShot()); !saved)
        tervok::showFailure(toolkit_, tervok::kSaveFailedMessage, path, tervok::kCannotSave, saved.error());
}

// Kept on purpose: the radius is emptied too, not set back to its start-up
// "0".
void Form1::newShot()
{
    fileName_->setText(std::string());
    showShot(formats::ShotRecord{});
}

// The dialog opens below the start directory, whatever folder an earlier
// dialog left behind; a cancelled dialog changes nothing.
void Form1::pickShotSprite()
{
    if (const std::optional<std::string> fileTitle = tervok::pickSpriteFile(toolkit_, startDirectory_))
        shotSprite_->setText(*fileTitle);
}

void Form1::pickExploSprite()
{
    if (const std::optional<std::string> number = tervok::pickedNumber(particleNumbers_, particles_->selectedIndex()))
        exploSprite_->setText(*number);
}

}  // namespace boltloom
