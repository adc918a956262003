#pragma once
// The level editor as a whole: its one window, shown at start; closing the
// window ends the program.
#include "terraloom/form/form1.h"
#include "toolkit/ui/program_windows.h"

namespace terraloom {

using Program = ui::OneFormProgram<Form1>;

}  // namespace terraloom
