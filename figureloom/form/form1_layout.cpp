#include "figureloom/form/form1_layout.h"

#include "toolkit/ui/layout.h"

namespace figureloom {
namespace {

using C = Form1Controls;

constexpr int kFormWidth = 9795;
constexpr int kFormHeight = 5295;
constexpr int kRowTop = 600;
constexpr int kRowStep = 360;
constexpr int kPickSize = 255;
const std::string kPickCaption = "<-";
const std::string kUnlimitedTip = "-1 = unendlich";

// The ten slot rows below the titles of the weapon frame.
void addSlotRows(ui::Layout<C>& layout)
{
    for (int slot = 0; slot < kSlots; ++slot) {
        const int top = kRowTop + kRowStep * slot;
        layout.insert(layout.end(),
                      {
                          {&C::shottyp, slot, "Text9", {120, top, 375, 285}, "0", &C::weaponFrame},
                          {&C::pickWeapon, slot, "Command5", {600, top, kPickSize, kPickSize}, kPickCaption,
                           &C::weaponFrame},
                          {&C::present, slot, "Check1", {960, top, 255, 255}, "Check1", &C::weaponFrame},
                          {&C::munnition, slot, "Text6", {1320, top, 855, 285}, "0", &C::weaponFrame},
                          {&C::maxMunni, slot, "Text12", {2280, top, 855, 285}, "0", &C::weaponFrame},
                      });
    }
}

// In keyboard focus order, the name field first. Each catalogue list lies
// over the lower part of its title frame, so the frame comes first and the
// list is drawn above it.
ui::Layout<C> form1Layout()
{
    ui::Layout<C> layout{
        {&C::name, "Text2", {720, 120, 855, 285}},
        {&C::directory, "Text1", {120, 120, 615, 285}, "player\\"},
        {&C::extension, "Text3", {1560, 120, 495, 285}, ".dat"},
        {&C::load, "Command1", {120, 480, 615, 255}, "load"},
        {&C::save, "Command2", {840, 480, 615, 255}, "save"},
        {&C::newPlayer, "Command3", {1560, 480, 615, 255}, "new"},
        {&C::weaponFrame, "Frame8", {120, 840, 3615, 4335}, "Weapons (shots\\weapons.lst)"},
        {&C::shottypTitle, "Label1", {120, 240, 375, 255}, "nmr", &C::weaponFrame},
        {&C::presentTitle, "Label2", {480, 240, 735, 255}, "da ?", &C::weaponFrame},
        {&C::munnitionTitle, "Label3", {1200, 240, 975, 255}, "Munnition", &C::weaponFrame},
        {&C::maxMunniTitle, "Label4", {2160, 240, 1095, 255}, "max Munni", &C::weaponFrame},
    };
    addSlotRows(layout);
    layout.insert(layout.end(),
                  {
                      {&C::speedFrame, "Frame5", {3840, 240, 2295, 1215}, "speed *100"},
                      {&C::moveFrame, "Frame6", {240, 360, 855, 615}, "move", &C::speedFrame},
                      {&C::moveSpeed, "Text7", {120, 240, 615, 285}, "150", &C::moveFrame},
                      {&C::strafeFrame, "Frame7", {1200, 360, 855, 615}, "strafe", &C::speedFrame},
                      {&C::stepSpeed, "Text8", {120, 240, 615, 285}, "100", &C::strafeFrame},
                      {&C::spriteFrame, "Frame1", {3840, 1560, 2295, 1815}, "sprites (sprites\\particle.lst)"},
                      {&C::playerSpriteFrame, "Frame3", {240, 360, 1815, 615}, "Player Sprite", &C::spriteFrame},
                      {&C::sprite, "Text5", {480, 240, 615, 285}, "1", &C::playerSpriteFrame},
                      {&C::pickSprite, "Command6", {1200, 240, kPickSize, kPickSize}, kPickCaption,
                       &C::playerSpriteFrame},
                      {&C::bloodFrame, "Frame2", {120, 1080, 975, 615}, "blood", &C::spriteFrame},
                      {&C::blood, 0, "Text4", {120, 240, 375, 285}, "", &C::bloodFrame},
                      {&C::pickBlood, 0, "Command4", {600, 240, kPickSize, kPickSize}, kPickCaption, &C::bloodFrame},
                      {&C::exploFrame, "Frame4", {1200, 1080, 975, 615}, "explo", &C::spriteFrame},
                      {&C::blood, 1, "Text4", {120, 240, 375, 285}, "", &C::exploFrame},
                      {&C::pickBlood, 1, "Command4", {600, 240, kPickSize, kPickSize}, kPickCaption, &C::exploFrame},
                      {&C::teamFrame, "Frame12", {3840, 3480, 855, 615}, "team"},
                      {&C::team, "Text11", {120, 240, 615, 285}, "1", &C::teamFrame},
                      {&C::healthFrame, "Frame11", {5040, 3480, 855, 615}, "health"},
                      {&C::health, "Text10", {120, 240, 615, 285}, "100", &C::healthFrame},
                      {&C::particleTitle, "Frame9", {6360, 120, 1575, 495}, "sprites\\Particle.lst"},
                      {&C::particles, "List1", {6360, 360, 1575, 3570}},
                      {&C::weaponTitle, "Frame10", {8040, 120, 1575, 375}, "shots\\weapons.lst"},
                      {&C::weapons, "List2", {8040, 360, 1575, 3570}},
                  });
    return layout;
}

}  // namespace

Form1Controls buildForm1(ui::Toolkit& toolkit)
{
    C c;
    c.window = toolkit.createWindow("Form1", "Player Editor V1.0 by Drummel", kFormWidth, kFormHeight);
    ui::placeControls(toolkit, form1Layout(), c);
    c.munnitionTitle->setToolTip(kUnlimitedTip);
    c.maxMunniTitle->setToolTip(kUnlimitedTip);
    return c;
}

}  // namespace figureloom
