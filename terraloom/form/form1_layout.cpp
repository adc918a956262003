#include "terraloom/form/form1_layout.h"

#include "toolkit/ui/layout.h"

namespace terraloom {
namespace {

using C = Form1Controls;
using ui::Orientation;

constexpr int kClientWidth = 9465;
constexpr int kClientHeight = 8355;

// In keyboard focus order: the map file row, the navigation, the tile list
// and the overview, the script list, the fields of a script line.
ui::Layout<C> form1Layout()
{
    return {
        {&C::scriptFolder, "Text2", {120, 120, 495, 285}, "map\\"},
        {&C::mapName, "Text1", {600, 120, 735, 285}, "map1"},
        {&C::mapExtension, "Text3", {1320, 120, 615, 285}, ".map"},
        {&C::loadMap, "Command1", {2040, 120, 615, 250}, "load"},
        {&C::saveMap, "Command2", {2760, 120, 615, 250}, "save"},
        {&C::newMap, "Command3", {3480, 120, 615, 255}, "new"},

        {&C::cells, 0, "pic", {3480, 3960, 300, 300}},
        {&C::viewRowSlider, "Slider3", {3360, 480, 495, 3015}, Orientation::Vertical},
        {&C::viewColumnSlider, "Slider4", {120, 3600, 3015, 495}, Orientation::Horizontal},
        {&C::viewPositionLabel, "Label1", {3360, 3600, 615, 255}, "1 : 1"},
        {&C::scrollUp, "Command6", {3840, 720, 255, 375}, "^"},
        {&C::verticalStep, "Slider2", {3840, 1080, 495, 1815}, Orientation::Vertical},
        {&C::scrollDown, "Command7", {3840, 2880, 255, 375}, "v"},
        {&C::scrollLeft, "Command5", {240, 4080, 375, 255}, "<"},
        {&C::horizontalStep, "Slider1", {600, 4080, 1815, 495}, Orientation::Horizontal},
        {&C::scrollRight, "Command4", {2400, 4080, 375, 255}, ">"},

        {&C::tileFrame, "Frame5", {4440, 120, 1935, 495}, "map\\mapteile.lst"},
        {&C::tileList, "List1", {4440, 360, 1935, 3960}},
        {&C::overview, "Picture1", {6480, 240, 3000, 3000}},
        {&C::redraw, "Command8", {6480, 3360, 3015, 255}, "redraw"},
        {&C::help, "Command9", {8880, 4080, 375, 375}, "?"},
        {&C::scriptPositionLabel, "Label2", {6960, 3720, 1455, 255}, "0 : 0"},
        {&C::gotoPosition, "Command16", {8520, 3720, 615, 255}, "goto"},
        {&C::roundPosition, "Command17", {7080, 4080, 1215, 255}, "round"},

        {&C::scriptTitle, "Scripteditor", {480, 4800, 8655, 255}, "Script Editor"},
        {&C::scriptGrammar, "Label4", {480, 5160, 2655, 255}, "set <type> <nmr> <anz> <x> <y> <r>"},
        {&C::scriptList, "List2", {480, 5400, 2655, 2790}},
        {&C::loadScript, "Command10", {8280, 5280, 855, 255}, "load"},
        {&C::saveScript, "Command12", {8280, 5640, 855, 255}, "save"},

        {&C::directionFrame, "Frame1", {3480, 5280, 1695, 1095}, "Richtung"},
        {&C::directions, 0, "Option1", {720, 240, 255, 255}, "Option1", &C::directionFrame},
        {&C::directions, 1, "Option1", {1140, 520, 255, 255}, "Option1", &C::directionFrame},
        {&C::directions, 2, "Option1", {720, 800, 255, 255}, "Option1", &C::directionFrame},
        {&C::directions, 3, "Option1", {340, 520, 255, 255}, "Option1", &C::directionFrame},
        {&C::directionLabel, "Label3", {600, 520, 495, 255}, "Dir", &C::directionFrame},
        {&C::typeFrame, "Frame4", {3480, 6480, 1575, 615}, "ObjektTyp"},
        {&C::objectType, "Text5", {120, 240, 855, 285}, "", &C::typeFrame},
        {&C::objectNumber, "Text4", {960, 240, 495, 285}, "0", &C::typeFrame},
        {&C::countFrame, "Frame3", {4440, 7200, 855, 615}, "Anzahl"},
        {&C::objectCount, "Text6", {120, 240, 615, 285}, "", &C::countFrame},
        {&C::isUser, "Check1", {4440, 7920, 855, 255}, "ist user"},
        {&C::addRow, "Command13", {3240, 7200, 1095, 255}, "<-  add  <-"},
        {&C::getRow, "Command14", {3240, 7560, 1095, 255}, "-> get ->"},
        {&C::changeRow, "Command15", {3240, 7920, 1095, 255}, "<- change <-"},
        {&C::playerFrame, "Frame2", {5400, 5160, 1335, 375}, "player\\player.lst"},
        {&C::playerList, "List3", {5400, 5400, 1335, 2205}},
        {&C::pickPlayer, "Command11", {5400, 7680, 1335, 255}, "<-"},
    };
}

// The properties the design sets besides places and captions.
void setDesignProperties(C& c)
{
    c.scriptFolder->setReadOnly(true);
    c.mapExtension->setReadOnly(true);
    c.cells[0]->setBackColour(ui::kAppWorkspaceColour);
    c.viewRowSlider->setRange(1, 91);
    c.viewColumnSlider->setRange(1, 91);
    c.verticalStep->setRange(1, 10);
    c.horizontalStep->setRange(1, 10);
    // Half a view per scroll step until the user chooses otherwise.
    c.horizontalStep->setValue(5);
    c.verticalStep->setValue(5);
    c.overview->setBackColour(ui::kWindowBackgroundColour);
    c.objectType->setReadOnly(true);
    c.isUser->setToolTip("nicht ki");
    c.isUser->setEnabled(false);
}

// View cells 1..100 as copies of cell 0, row by row.
void createViewCells(ui::Toolkit& toolkit, C& c)
{
    const ui::Geometry model = c.cells[0]->geometry();
    for (int row = 1; row <= 10; ++row) {
        for (int column = 1; column <= 10; ++column) {
            const int k = column + (row - 1) * 10;
            const ui::Geometry place{300 + 300 * (column - 1), 500 + 300 * (row - 1), model.width, model.height};
            ui::PictureBox& cell = toolkit.createPictureBox(*c.window, "pic", k, place);
            cell.setBackColour(ui::kAppWorkspaceColour);
            cell.setVisible(true);
            c.cells[static_cast<std::size_t>(k)] = &cell;
        }
    }
}

}  // namespace

Form1Controls buildForm1(ui::Toolkit& toolkit)
{
    C c;
    c.window = toolkit.createWindow("Form1", kWindowTitle, kClientWidth, kClientHeight);
    ui::placeControls(toolkit, form1Layout(), c);
    setDesignProperties(c);
    createViewCells(toolkit, c);
    return c;
}

}  // namespace terraloom
