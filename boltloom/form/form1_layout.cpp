#include "boltloom/form/form1_layout.h"

#include "toolkit/ui/layout.h"

namespace boltloom {
namespace {

using C = Form1Controls;

constexpr int kClientWidth = 5310;
constexpr int kClientHeight = 4410;

// Where a value field sits inside its frame.
constexpr ui::Geometry kWideValue{120, 240, 855, 285};
constexpr ui::Geometry kShortValue{720, 240, 615, 285};

// In keyboard focus order: the path row, the buttons, the value frames, the
// list, the name and the radius.
ui::Layout<C> form1Layout()
{
    return {
        {&C::directory, "Text1", {480, 120, 615, 285}, "shots\\"},
        {&C::fileName, "Text2", {1080, 120, 735, 285}},
        {&C::extension, "Text3", {1800, 120, 375, 285}, ".sht"},
        {&C::load, "Command1", {480, 480, 495, 255}, "load"},
        {&C::save, "Command2", {1080, 480, 495, 255}, "save"},
        {&C::newShot, "Command3", {1680, 480, 495, 255}, "new"},
        {&C::schadenFrame, "Frame1", {120, 840, 1095, 615}, "Schaden"},
        {&C::schaden, "Text4", kWideValue, "", &C::schadenFrame},
        {&C::speedFrame, "Frame2", {120, 1560, 1095, 615}, "Speed *100"},
        {&C::speed, "Text5", kWideValue, "", &C::speedFrame},
        {&C::ttlFrame, "Frame3", {1440, 840, 1095, 615}, "ttl (in frames)"},
        {&C::ttl, "Text6", kWideValue, "", &C::ttlFrame},
        {&C::reloadTimeFrame, "Frame4", {1440, 1560, 1095, 615}, "reload time"},
        {&C::reloadTime, "Text7", kWideValue, "", &C::reloadTimeFrame},
        {&C::shotSpriteFrame, "Frame5", {120, 2280, 2415, 615}, "ShotSprite"},
        {&C::shotSprite, "Text8", {120, 240, 1695, 285}, "", &C::shotSpriteFrame},
        {&C::pickShotSprite, "Command4", {1920, 240, 375, 255}, ". . .", &C::shotSpriteFrame},
        // Kept on purpose: "Particelnummer" is the caption as the window always showed it.
        {&C::exploSpriteFrame, "Frame6", {120, 3720, 2415, 615}, "ExploSprite - Particelnummer"},
        {&C::exploSprite, "Text9", kShortValue, "", &C::exploSpriteFrame},
        {&C::pickExploSprite, "Command5", {1440, 240, 375, 255}, "<-", &C::exploSpriteFrame},
        {&C::particles, "List1", {2760, 480, 1935, 3765}},
        {&C::name, "Text10", {3360, 120, 1335, 285}},
        {&C::nameLabel, "Text11", {2760, 120, 615, 285}, "Name:"},
        {&C::schadenradiusFrame, "Frame7", {120, 3000, 2415, 615}, "Schadenradius"},
        {&C::schadenradius, "Text12", kShortValue, "0", &C::schadenradiusFrame},
    };
}

// The properties the design sets besides places and captions.
void setDesignProperties(C& c)
{
    c.directory->setReadOnly(true);
    c.extension->setReadOnly(true);
    c.pickShotSprite->setBold(true);
    c.nameLabel->setReadOnly(true);
}

}  // namespace

Form1Controls buildForm1(ui::Toolkit& toolkit)
{
    C c;
    c.window = toolkit.createWindow("Form1", "ShotEditor by Drummel V1", kClientWidth, kClientHeight);
    ui::placeControls(toolkit, form1Layout(), c);
    setDesignProperties(c);
    return c;
}

}  // namespace boltloom
