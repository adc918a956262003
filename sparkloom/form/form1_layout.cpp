#include "sparkloom/form/form1_layout.h"

#include "toolkit/ui/layout.h"

namespace sparkloom {
namespace {

using C = Form1Controls;

constexpr int kClientWidth = 3345;
constexpr int kClientHeight = 3195;
constexpr const char* kCaption = "ParticleEditor by Drummel V1.0";

// In keyboard focus order: List1, the three buttons, Text1, Text2, Text3,
// the sprite pick button, "add".
ui::Layout<C> form1Layout()
{
    return {
        {&C::catalogueList, "List1", {360, 240, 1695, 2205}},
        {&C::reload, "Command1", {2280, 240, 855, 255}, "reload"},
        {&C::save, "Command2", {2280, 600, 855, 255}, "save"},
        {&C::deleteRow, "Command3", {2280, 1080, 855, 255}, "delete"},
        {&C::numberFrame, "Frame1", {2280, 1560, 975, 615}, "Nummer"},
        {&C::number, "Text1", {120, 240, 735, 285}, "0", &C::numberFrame},
        {&C::repeatFrame, "Frame2", {2280, 2160, 975, 615}, "repeat"},
        {&C::repeat, "Text2", {120, 240, 735, 285}, "0", &C::repeatFrame},
        {&C::spriteFrame, "Frame3", {240, 2520, 1935, 615}, "Sprite"},
        {&C::sprite, "Text3", {120, 240, 1215, 285}, "", &C::spriteFrame},
        {&C::pickSprite, "Command4", {1440, 240, 375, 255}, ". . .", &C::spriteFrame},
        {&C::add, "Command5", {2280, 2880, 855, 255}, "add"},
    };
}

}  // namespace

Form1Controls buildForm1(ui::Toolkit& toolkit)
{
    C c;
    c.window = toolkit.createWindow("Form1", kCaption, kClientWidth, kClientHeight);
    ui::placeControls(toolkit, form1Layout(), c);
    c.pickSprite->setBold(true);
    return c;
}

}  // namespace sparkloom
