#pragma once
// The particle editor's window as its design made it: every control named
// for its role, with the design name beside it (the name the window gives
// the control and the tests find it by).
#include "toolkit/ui/toolkit.h"

#include <memory>

namespace sparkloom {

struct Form1Controls {
    std::unique_ptr<ui::Window> window;  // Form1

    ui::ListBox* catalogueList = nullptr;  // List1: the rows of the catalogue
    ui::Button* reload = nullptr;          // Command1
    ui::Button* save = nullptr;            // Command2
    ui::Button* deleteRow = nullptr;       // Command3

    // The fields a new entry line is built from
    ui::Frame* numberFrame = nullptr;  // Frame1: "Nummer"
    ui::TextField* number = nullptr;   // Text1
    ui::Frame* repeatFrame = nullptr;  // Frame2: "repeat"
    ui::TextField* repeat = nullptr;   // Text2
    ui::Frame* spriteFrame = nullptr;  // Frame3: "Sprite"
    ui::TextField* sprite = nullptr;   // Text3
    ui::Button* pickSprite = nullptr;  // Command4: ". . .", the sprite file dialog
    ui::Button* add = nullptr;         // Command5
};

// Builds the window with every control at its design place (twips).
Form1Controls buildForm1(ui::Toolkit& toolkit);

}  // namespace sparkloom
