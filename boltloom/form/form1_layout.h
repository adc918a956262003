#pragma once
// The shot editor's window as its design made it: every control named for
// its role, with the design name beside it (the name the window gives the
// control and the tests find it by).
#include "toolkit/ui/toolkit.h"

#include <memory>

namespace boltloom {

struct Form1Controls {
    std::unique_ptr<ui::Window> window;  // Form1

    // The shot file
    ui::TextField* directory = nullptr;  // Text1: "shots\"
    ui::TextField* fileName = nullptr;   // Text2
    ui::TextField* extension = nullptr;  // Text3: ".sht"
    ui::Button* load = nullptr;          // Command1
    ui::Button* save = nullptr;          // Command2
    ui::Button* newShot = nullptr;       // Command3

    // The shot definition, each value in its frame
    ui::Frame* schadenFrame = nullptr;        // Frame1: "Schaden"
    ui::TextField* schaden = nullptr;         // Text4: damage
    ui::Frame* speedFrame = nullptr;          // Frame2
    ui::TextField* speed = nullptr;           // Text5
    ui::Frame* ttlFrame = nullptr;            // Frame3
    ui::TextField* ttl = nullptr;             // Text6: time to live
    ui::Frame* reloadTimeFrame = nullptr;     // Frame4
    ui::TextField* reloadTime = nullptr;      // Text7
    ui::Frame* shotSpriteFrame = nullptr;     // Frame5
    ui::TextField* shotSprite = nullptr;      // Text8
    ui::Button* pickShotSprite = nullptr;     // Command4: ". . .", the sprite file dialog
    ui::Frame* exploSpriteFrame = nullptr;    // Frame6
    ui::TextField* exploSprite = nullptr;     // Text9: explosion particle number
    ui::Button* pickExploSprite = nullptr;    // Command5: "<-", from the particle list
    ui::ListBox* particles = nullptr;         // List1: the particle catalogue
    ui::TextField* name = nullptr;            // Text10
    ui::TextField* nameLabel = nullptr;       // Text11: "Name:"
    ui::Frame* schadenradiusFrame = nullptr;  // Frame7
    ui::TextField* schadenradius = nullptr;   // Text12: radius of the damage
};

// Builds the window with every control at its design place (twips).
Form1Controls buildForm1(ui::Toolkit& toolkit);

}  // namespace boltloom
