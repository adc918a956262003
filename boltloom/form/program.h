#pragma once
// The shot editor as a whole: its one window, shown at start; closing the
// window ends the program.
#include "boltloom/form/form1.h"
#include "toolkit/ui/program_windows.h"

namespace boltloom {

using Program = ui::OneFormProgram<Form1>;

}  // namespace boltloom
