#pragma once
#include "terraloom/form/form1_controls.h"
#include "toolkit/ui/toolkit.h"

namespace terraloom {

constexpr const char* kWindowTitle = "Tervok LevelEditor V1.0 by Drummel";

// Builds the window with every control at its design place (twips). The 100
// view cells are not part of the design; start-up creates them.
Form1Controls buildForm1(ui::Toolkit& toolkit);

// Creates view cells 1..100 as copies of cell 0, a gapless 10 x 10 block.
void createViewCells(ui::Toolkit& toolkit, Form1Controls& controls);

}  // namespace terraloom
