#pragma once
// The particle editor as a whole: its one window, shown at start; closing
// the window ends the program.
#include "sparkloom/form/form1.h"
#include "toolkit/ui/program_windows.h"

namespace sparkloom {

using Program = ui::OneFormProgram<Form1>;

}  // namespace sparkloom
