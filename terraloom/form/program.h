#pragma once
// The level editor as a whole: its one window, shown at start; closing the
// window ends the program.
#include "terraloom/form/form1.h"
#include "toolkit/ui/one_window_program.h"

namespace terraloom {

using Program = tervok::OneWindowProgram<Form1>;

}  // namespace terraloom
