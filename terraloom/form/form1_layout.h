#pragma once
// The level editor's window as its design made it: every control named for
// its role, with the design name beside it (the name the window gives the
// control and the tests find it by).
#include "toolkit/ui/toolkit.h"

#include <array>
#include <memory>

namespace terraloom {

constexpr const char* kWindowTitle = "Tervok LevelEditor V1.0 by Drummel";

constexpr int kViewCells = 100;

struct Form1Controls {
    std::unique_ptr<ui::Window> window;  // Form1

    // Map file
    ui::TextField* scriptFolder = nullptr;  // Text2: "map\", the folder of the script file
    ui::TextField* mapName = nullptr;       // Text1
    ui::TextField* mapExtension = nullptr;  // Text3: ".map"
    ui::Button* loadMap = nullptr;          // Command1
    ui::Button* saveMap = nullptr;          // Command2
    ui::Button* newMap = nullptr;           // Command3

    // View, navigation and overview
    std::array<ui::PictureBox*, kViewCells + 1> cells{};  // pic: 0 the preview, 1..100 the view
    ui::Slider* viewRowSlider = nullptr;     // Slider3
    ui::Slider* viewColumnSlider = nullptr;  // Slider4
    ui::Label* viewPositionLabel = nullptr;  // Label1
    ui::Button* scrollUp = nullptr;          // Command6: "^"
    ui::Slider* verticalStep = nullptr;      // Slider2
    ui::Button* scrollDown = nullptr;        // Command7: "v"
    ui::Button* scrollLeft = nullptr;        // Command5: "<"
    ui::Slider* horizontalStep = nullptr;    // Slider1
    ui::Button* scrollRight = nullptr;       // Command4: ">"
    ui::Frame* tileFrame = nullptr;          // Frame5
    ui::ListBox* tileList = nullptr;         // List1
    ui::PictureBox* overview = nullptr;      // Picture1
    ui::Button* redraw = nullptr;            // Command8
    ui::Button* help = nullptr;              // Command9: "?"

    // Script position
    ui::Label* scriptPositionLabel = nullptr;  // Label2
    ui::Button* gotoPosition = nullptr;        // Command16
    ui::Button* roundPosition = nullptr;       // Command17

    // Script editor
    ui::Label* scriptTitle = nullptr;     // Scripteditor
    ui::Label* scriptGrammar = nullptr;   // Label4
    ui::ListBox* scriptList = nullptr;    // List2
    ui::Button* loadScript = nullptr;     // Command10
    ui::Button* saveScript = nullptr;     // Command12
    ui::Button* addRow = nullptr;         // Command13
    ui::Button* getRow = nullptr;         // Command14
    ui::Button* changeRow = nullptr;      // Command15
    ui::Frame* directionFrame = nullptr;  // Frame1: "Richtung"
    std::array<ui::OptionButton*, 4> directions{};  // Option1: up, right, down, left
    ui::Label* directionLabel = nullptr;  // Label3: "Dir"
    ui::Frame* typeFrame = nullptr;       // Frame4: "ObjektTyp"
    ui::TextField* objectType = nullptr;    // Text5
    ui::TextField* objectNumber = nullptr;  // Text4
    ui::Frame* countFrame = nullptr;      // Frame3: "Anzahl"
    ui::TextField* objectCount = nullptr;  // Text6
    ui::CheckBox* isUser = nullptr;       // Check1: "ist user"
    ui::Frame* playerFrame = nullptr;     // Frame2: "player\player.lst"
    ui::ListBox* playerList = nullptr;    // List3
    ui::Button* pickPlayer = nullptr;     // Command11: "<-"
};

// Builds the window with every control at its design place (twips), then
// the 100 view cells, which are not part of the design: copies of cell 0
// made at start-up, a gapless 10 x 10 block.
Form1Controls buildForm1(ui::Toolkit& toolkit);

}  // namespace terraloom
