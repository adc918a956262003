#pragma once
// The controls of the level editor's window, by their design names.
#include "ui/controls.h"

#include <array>
#include <memory>

namespace terraloom {

constexpr int kViewCells = 100;

struct Form1Controls {
    std::unique_ptr<ui::Window> Form1;

    // Map file
    ui::TextField* Text2 = nullptr;  // "map\", directory of the script file
    ui::TextField* Text1 = nullptr;  // map name
    ui::TextField* Text3 = nullptr;  // ".map"
    ui::Button* Command1 = nullptr;  // load
    ui::Button* Command2 = nullptr;  // save
    ui::Button* Command3 = nullptr;  // new

    // View, navigation and overview
    std::array<ui::PictureBox*, kViewCells + 1> pic{};  // 0 preview, 1..100 view
    ui::Slider* Slider3 = nullptr;  // view row
    ui::Slider* Slider4 = nullptr;  // view column
    ui::Label* Label1 = nullptr;    // view position
    ui::Button* Command6 = nullptr; // ^
    ui::Slider* Slider2 = nullptr;  // vertical step
    ui::Button* Command7 = nullptr; // v
    ui::Button* Command5 = nullptr; // <
    ui::Slider* Slider1 = nullptr;  // horizontal step
    ui::Button* Command4 = nullptr; // >
    ui::Frame* Frame5 = nullptr;
    ui::ListBox* List1 = nullptr;   // tiles
    ui::PictureBox* Picture1 = nullptr;  // overview
    ui::Button* Command8 = nullptr; // redraw
    ui::Button* Command9 = nullptr; // ?

    // Script position
    ui::Label* Label2 = nullptr;
    ui::Button* Command16 = nullptr;  // goto
    ui::Button* Command17 = nullptr;  // round

    // Script editor
    ui::Label* Scripteditor = nullptr;
    ui::Label* Label4 = nullptr;
    ui::ListBox* List2 = nullptr;     // script lines
    ui::Button* Command10 = nullptr;  // load script
    ui::Button* Command12 = nullptr;  // save script
    ui::Button* Command13 = nullptr;  // add
    ui::Button* Command14 = nullptr;  // get
    ui::Button* Command15 = nullptr;  // change
    ui::Frame* Frame1 = nullptr;      // Richtung
    std::array<ui::OptionButton*, 4> Option1{};
    ui::Label* Label3 = nullptr;      // Dir
    ui::Frame* Frame4 = nullptr;      // ObjektTyp
    ui::TextField* Text5 = nullptr;   // type
    ui::TextField* Text4 = nullptr;   // number
    ui::Frame* Frame3 = nullptr;      // Anzahl
    ui::TextField* Text6 = nullptr;   // count
    ui::CheckBox* Check1 = nullptr;   // ist user
    ui::Frame* Frame2 = nullptr;      // player\player.lst
    ui::ListBox* List3 = nullptr;     // players
    ui::Button* Command11 = nullptr;  // player pick
};

}  // namespace terraloom
