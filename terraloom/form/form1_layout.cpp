#include "terraloom/form/form1_layout.h"

namespace terraloom {
namespace {

void buildMapFileRow(ui::Toolkit& tk, Form1Controls& c)
{
    ui::Window& w = *c.window;
    c.scriptFolder = &tk.createTextField(w, "Text2", -1, {120, 120, 495, 285}, "map\\");
    c.scriptFolder->setReadOnly(true);
    c.mapName = &tk.createTextField(w, "Text1", -1, {600, 120, 735, 285}, "map1");
    c.mapExtension = &tk.createTextField(w, "Text3", -1, {1320, 120, 615, 285}, ".map");
    c.mapExtension->setReadOnly(true);
    c.loadMap = &tk.createButton(w, "Command1", -1, {2040, 120, 615, 250}, "load");
    c.saveMap = &tk.createButton(w, "Command2", -1, {2760, 120, 615, 250}, "save");
    c.newMap = &tk.createButton(w, "Command3", -1, {3480, 120, 615, 255}, "new");
}

void buildNavigation(ui::Toolkit& tk, Form1Controls& c)
{
    ui::Window& w = *c.window;
    c.cells[0] = &tk.createPictureBox(w, "pic", 0, {3480, 3960, 300, 300});
    c.cells[0]->setBackColour(ui::kAppWorkspaceColour);
    c.viewRowSlider = &tk.createSlider(w, "Slider3", -1, {3360, 480, 495, 3015}, ui::Orientation::Vertical);
    c.viewRowSlider->setRange(1, 91);
    c.viewColumnSlider = &tk.createSlider(w, "Slider4", -1, {120, 3600, 3015, 495}, ui::Orientation::Horizontal);
    c.viewColumnSlider->setRange(1, 91);
    c.viewPositionLabel = &tk.createLabel(w, "Label1", -1, {3360, 3600, 615, 255}, "1 : 1");
    c.scrollUp = &tk.createButton(w, "Command6", -1, {3840, 720, 255, 375}, "^");
    c.verticalStep = &tk.createSlider(w, "Slider2", -1, {3840, 1080, 495, 1815}, ui::Orientation::Vertical);
    c.verticalStep->setRange(1, 10);
    c.scrollDown = &tk.createButton(w, "Command7", -1, {3840, 2880, 255, 375}, "v");
    c.scrollLeft = &tk.createButton(w, "Command5", -1, {240, 4080, 375, 255}, "<");
    c.horizontalStep = &tk.createSlider(w, "Slider1", -1, {600, 4080, 1815, 495}, ui::Orientation::Horizontal);
    c.horizontalStep->setRange(1, 10);
    c.scrollRight = &tk.createButton(w, "Command4", -1, {2400, 4080, 375, 255}, ">");
    // Half a view per scroll step until the user chooses otherwise.
    c.horizontalStep->setValue(5);
    c.verticalStep->setValue(5);
}

void buildTilesAndOverview(ui::Toolkit& tk, Form1Controls& c)
{
    ui::Window& w = *c.window;
    c.tileFrame = &tk.createFrame(w, "Frame5", -1, {4440, 120, 1935, 495}, "map\\mapteile.lst");
    c.tileList = &tk.createListBox(w, "List1", -1, {4440, 360, 1935, 3960});
    c.overview = &tk.createPictureBox(w, "Picture1", -1, {6480, 240, 3000, 3000});
    c.overview->setBackColour(ui::kWindowBackgroundColour);
    c.redraw = &tk.createButton(w, "Command8", -1, {6480, 3360, 3015, 255}, "redraw");
    c.help = &tk.createButton(w, "Command9", -1, {8880, 4080, 375, 375}, "?");
    c.scriptPositionLabel = &tk.createLabel(w, "Label2", -1, {6960, 3720, 1455, 255}, "0 : 0");
    c.gotoPosition = &tk.createButton(w, "Command16", -1, {8520, 3720, 615, 255}, "goto");
    c.roundPosition = &tk.createButton(w, "Command17", -1, {7080, 4080, 1215, 255}, "round");
}

void buildScriptList(ui::Toolkit& tk, Form1Controls& c)
{
    ui::Window& w = *c.window;
    c.scriptTitle = &tk.createLabel(w, "Scripteditor", -1, {480, 4800, 8655, 255}, "Script Editor");
    c.scriptGrammar = &tk.createLabel(w, "Label4", -1, {480, 5160, 2655, 255}, "set <type> <nmr> <anz> <x> <y> <r>");
    c.scriptList = &tk.createListBox(w, "List2", -1, {480, 5400, 2655, 2790});
    c.loadScript = &tk.createButton(w, "Command10", -1, {8280, 5280, 855, 255}, "load");
    c.saveScript = &tk.createButton(w, "Command12", -1, {8280, 5640, 855, 255}, "save");
}

void buildScriptFields(ui::Toolkit& tk, Form1Controls& c)
{
    ui::Window& w = *c.window;
    c.directionFrame = &tk.createFrame(w, "Frame1", -1, {3480, 5280, 1695, 1095}, "Richtung");
    const ui::Geometry options[4] = {{720, 240, 255, 255}, {1140, 520, 255, 255}, {720, 800, 255, 255},
                                     {340, 520, 255, 255}};
    for (int i = 0; i < 4; ++i)
        c.directions[static_cast<std::size_t>(i)] = &tk.createOptionButton(*c.directionFrame, "Option1", i, options[i], "Option1");
    c.directionLabel = &tk.createLabel(*c.directionFrame, "Label3", -1, {600, 520, 495, 255}, "Dir");
    c.typeFrame = &tk.createFrame(w, "Frame4", -1, {3480, 6480, 1575, 615}, "ObjektTyp");
    c.objectType = &tk.createTextField(*c.typeFrame, "Text5", -1, {120, 240, 855, 285}, "");
    c.objectType->setReadOnly(true);
    c.objectNumber = &tk.createTextField(*c.typeFrame, "Text4", -1, {960, 240, 495, 285}, "0");
    c.countFrame = &tk.createFrame(w, "Frame3", -1, {4440, 7200, 855, 615}, "Anzahl");
    c.objectCount = &tk.createTextField(*c.countFrame, "Text6", -1, {120, 240, 615, 285}, "");
    c.isUser = &tk.createCheckBox(w, "Check1", -1, {4440, 7920, 855, 255}, "ist user");
    c.isUser->setToolTip("nicht ki");
    c.isUser->setEnabled(false);
    c.addRow = &tk.createButton(w, "Command13", -1, {3240, 7200, 1095, 255}, "<-  add  <-");
    c.getRow = &tk.createButton(w, "Command14", -1, {3240, 7560, 1095, 255}, "-> get ->");
    c.changeRow = &tk.createButton(w, "Command15", -1, {3240, 7920, 1095, 255}, "<- change <-");
    c.playerFrame = &tk.createFrame(w, "Frame2", -1, {5400, 5160, 1335, 375}, "player\\player.lst");
    c.playerList = &tk.createListBox(w, "List3", -1, {5400, 5400, 1335, 2205});
    c.pickPlayer = &tk.createButton(w, "Command11", -1, {5400, 7680, 1335, 255}, "<-");
}

}  // namespace

Form1Controls buildForm1(ui::Toolkit& toolkit)
{
    Form1Controls c;
    c.window = toolkit.createWindow("Form1", kWindowTitle, 9465, 8355);
    buildMapFileRow(toolkit, c);
    buildNavigation(toolkit, c);
    buildTilesAndOverview(toolkit, c);
    buildScriptList(toolkit, c);
    buildScriptFields(toolkit, c);
    return c;
}

void createViewCells(ui::Toolkit& toolkit, Form1Controls& c)
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

}  // namespace terraloom
