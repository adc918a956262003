#pragma once
// The player editor's window as its design made it: every control named
// for its role, with the design name beside it (the name the window gives
// the control and the tests find it by).
#include "formats/player_record.h"
#include "toolkit/ui/toolkit.h"

#include <array>
#include <memory>

namespace figureloom {

constexpr int kSlots = formats::kWeaponSlotCount;

struct Form1Controls {
    std::unique_ptr<ui::Window> window;  // Form1

    // The player file
    ui::TextField* name = nullptr;       // Text2
    ui::TextField* directory = nullptr;  // Text1: "player\"
    ui::TextField* extension = nullptr;  // Text3: ".dat"
    ui::Button* load = nullptr;          // Command1
    ui::Button* save = nullptr;          // Command2
    ui::Button* newPlayer = nullptr;     // Command3

    // The weapon slots: one row of five controls a slot, each a control array
    ui::Frame* weaponFrame = nullptr;        // Frame8: "Weapons (shots\weapons.lst)"
    ui::Label* shottypTitle = nullptr;       // Label1: "nmr"
    ui::Label* presentTitle = nullptr;       // Label2: "da ?"
    ui::Label* munnitionTitle = nullptr;     // Label3
    ui::Label* maxMunniTitle = nullptr;      // Label4
    std::array<ui::TextField*, kSlots> shottyp{};     // Text9: the weapon's number
    std::array<ui::Button*, kSlots> pickWeapon{};     // Command5: "<-", from the weapon list
    std::array<ui::CheckBox*, kSlots> present{};      // Check1: the player has the weapon
    std::array<ui::TextField*, kSlots> munnition{};   // Text6
    std::array<ui::TextField*, kSlots> maxMunni{};    // Text12

    // Speeds
    ui::Frame* speedFrame = nullptr;      // Frame5: "speed *100"
    ui::Frame* moveFrame = nullptr;       // Frame6: "move"
    ui::TextField* moveSpeed = nullptr;   // Text7
    ui::Frame* strafeFrame = nullptr;     // Frame7: "strafe"
    ui::TextField* stepSpeed = nullptr;   // Text8

    // Sprites, picked from the particle list
    ui::Frame* spriteFrame = nullptr;        // Frame1: "sprites (sprites\particle.lst)"
    ui::Frame* playerSpriteFrame = nullptr;  // Frame3: "Player Sprite"
    ui::TextField* sprite = nullptr;         // Text5
    ui::Button* pickSprite = nullptr;        // Command6: "<-"
    ui::Frame* bloodFrame = nullptr;         // Frame2: "blood"
    ui::Frame* exploFrame = nullptr;         // Frame4: "explo"
    std::array<ui::TextField*, 2> blood{};   // Text4: blood, explo
    std::array<ui::Button*, 2> pickBlood{};  // Command4: "<-"

    ui::Frame* teamFrame = nullptr;     // Frame12: "team"
    ui::TextField* team = nullptr;      // Text11
    ui::Frame* healthFrame = nullptr;   // Frame11: "health"
    ui::TextField* health = nullptr;    // Text10

    // The catalogues, each list below its title frame
    ui::Frame* particleTitle = nullptr;  // Frame9: "sprites\Particle.lst"
    ui::ListBox* particles = nullptr;    // List1
    ui::Frame* weaponTitle = nullptr;    // Frame10: "shots\weapons.lst"
    ui::ListBox* weapons = nullptr;      // List2
};

// Builds the window with every control at its design place (twips).
Form1Controls buildForm1(ui::Toolkit& toolkit);

}  // namespace figureloom
