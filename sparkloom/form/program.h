#pragma once
// The particle editor as a whole: its one window, shown at start; closing
// the window ends the program.
#include "sparkloom/form/form1.h"
#include "toolkit/ui/one_window_program.h"

namespace sparkloom {

using Program = tervok::OneWindowProgram<Form1>;

}  // namespace sparkloom
