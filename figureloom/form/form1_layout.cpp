// Builds the controls of Form1 at their design positions (twips). Controls
// are created in focus order, the name field first.
#include "figureloom/form/form1.h"

namespace figureloom {
namespace {

constexpr int kFormWidth = 9795;
constexpr int kFormHeight = 5295;
constexpr int kRowTop = 600;
constexpr int kRowStep = 360;
constexpr int kPickSize = 255;
const std::string kPickCaption = "<-";
const std::string kUnlimitedTip = "-1 = unendlich";

ui::Geometry at(int left, int top, int width, int height)
{
    return ui::Geometry{left, top, width, height};
}

}  // namespace

void Form1::createControls()
{
    window_ = toolkit_.createWindow("Form1", "Player Editor V1.0 by Drummel", kFormWidth, kFormHeight);
    createPathRow();
    createWeaponFrame();
    createSpeedFrame();
    createSpriteFrame();
    createTeamAndHealth();
    createCatalogueLists();
}

void Form1::createPathRow()
{
    ui::Window& w = *window_;
    name_ = &toolkit_.createTextField(w, "Text2", -1, at(720, 120, 855, 285), "");
    directory_ = &toolkit_.createTextField(w, "Text1", -1, at(120, 120, 615, 285), "player\\");
    extension_ = &toolkit_.createTextField(w, "Text3", -1, at(1560, 120, 495, 285), ".dat");
    load_ = &toolkit_.createButton(w, "Command1", -1, at(120, 480, 615, 255), "load");
    save_ = &toolkit_.createButton(w, "Command2", -1, at(840, 480, 615, 255), "save");
    new_ = &toolkit_.createButton(w, "Command3", -1, at(1560, 480, 615, 255), "new");
}

void Form1::createWeaponFrame()
{
    ui::Frame& frame =
        toolkit_.createFrame(*window_, "Frame8", -1, at(120, 840, 3615, 4335), "Weapons (shots\\weapons.lst)");
    toolkit_.createLabel(frame, "Label1", -1, at(120, 240, 375, 255), "nmr");
    toolkit_.createLabel(frame, "Label2", -1, at(480, 240, 735, 255), "da ?");
    toolkit_.createLabel(frame, "Label3", -1, at(1200, 240, 975, 255), "Munnition").setToolTip(kUnlimitedTip);
    toolkit_.createLabel(frame, "Label4", -1, at(2160, 240, 1095, 255), "max Munni").setToolTip(kUnlimitedTip);
    for (int slot = 0; slot < formats::kWeaponSlotCount; ++slot)
        createSlotRow(frame, slot);
}

void Form1::createSlotRow(ui::Frame& frame, int slot)
{
    const int top = kRowTop + kRowStep * slot;
    SlotRow& row = slots_[static_cast<std::size_t>(slot)];
    row.shottyp = &toolkit_.createTextField(frame, "Text9", slot, at(120, top, 375, 285), "0");
    row.pick = &toolkit_.createButton(frame, "Command5", slot, at(600, top, kPickSize, kPickSize), kPickCaption);
    row.present = &toolkit_.createCheckBox(frame, "Check1", slot, at(960, top, 255, 255), "Check1");
    row.munnition = &toolkit_.createTextField(frame, "Text6", slot, at(1320, top, 855, 285), "0");
    row.maxMunni = &toolkit_.createTextField(frame, "Text12", slot, at(2280, top, 855, 285), "0");
}

void Form1::createSpeedFrame()
{
    ui::Frame& speed = toolkit_.createFrame(*window_, "Frame5", -1, at(3840, 240, 2295, 1215), "speed *100");
    ui::Frame& move = toolkit_.createFrame(speed, "Frame6", -1, at(240, 360, 855, 615), "move");
    moveSpeed_ = &toolkit_.createTextField(move, "Text7", -1, at(120, 240, 615, 285), "150");
    ui::Frame& strafe = toolkit_.createFrame(speed, "Frame7", -1, at(1200, 360, 855, 615), "strafe");
    stepSpeed_ = &toolkit_.createTextField(strafe, "Text8", -1, at(120, 240, 615, 285), "100");
}

void Form1::createSpriteFrame()
{
    ui::Frame& sprites =
        toolkit_.createFrame(*window_, "Frame1", -1, at(3840, 1560, 2295, 1815), "sprites (sprites\\particle.lst)");
    ui::Frame& player = toolkit_.createFrame(sprites, "Frame3", -1, at(240, 360, 1815, 615), "Player Sprite");
    sprite_ = &toolkit_.createTextField(player, "Text5", -1, at(480, 240, 615, 285), "1");
    pickSprite_ = &toolkit_.createButton(player, "Command6", -1, at(1200, 240, kPickSize, kPickSize), kPickCaption);

    const std::array<std::string, 2> frameNames{"Frame2", "Frame4"};
    const std::array<std::string, 2> captions{"blood", "explo"};
    const std::array<int, 2> lefts{120, 1200};
    for (int j = 0; j < 2; ++j) {
        const auto k = static_cast<std::size_t>(j);
        ui::Frame& frame = toolkit_.createFrame(sprites, frameNames[k], -1, at(lefts[k], 1080, 975, 615), captions[k]);
        blood_[k] = &toolkit_.createTextField(frame, "Text4", j, at(120, 240, 375, 285), "");
        pickBlood_[k] = &toolkit_.createButton(frame, "Command4", j, at(600, 240, kPickSize, kPickSize), kPickCaption);
    }
}

void Form1::createTeamAndHealth()
{
    ui::Frame& team = toolkit_.createFrame(*window_, "Frame12", -1, at(3840, 3480, 855, 615), "team");
    team_ = &toolkit_.createTextField(team, "Text11", -1, at(120, 240, 615, 285), "1");
    ui::Frame& health = toolkit_.createFrame(*window_, "Frame11", -1, at(5040, 3480, 855, 615), "health");
    health_ = &toolkit_.createTextField(health, "Text10", -1, at(120, 240, 615, 285), "100");
}

// Each list lies over the lower part of its title frame, so the frame is
// created first and the list drawn above it.
void Form1::createCatalogueLists()
{
    ui::Window& w = *window_;
    toolkit_.createFrame(w, "Frame9", -1, at(6360, 120, 1575, 495), "sprites\\Particle.lst");
    particles_ = &toolkit_.createListBox(w, "List1", -1, at(6360, 360, 1575, 3570));
    toolkit_.createFrame(w, "Frame10", -1, at(8040, 120, 1575, 375), "shots\\weapons.lst");
    weapons_ = &toolkit_.createListBox(w, "List2", -1, at(8040, 360, 1575, 3570));
}

}  // namespace figureloom
