#pragma once
// The shot editor as a whole: its one window, shown at start; closing the
// window ends the program.
#include "boltloom/form/form1.h"
#include "toolkit/ui/one_window_program.h"

namespace boltloom {

using Program = tervok::OneWindowProgram<Form1>;

}  // namespace boltloom
