// The sparkloom program: reads its command line before the window system
// starts, finds the game folder, then opens its one window.
#include "sparkloom/form/program.h"
#include "toolkit/qt/startup/run_editor.h"

int main(int argc, char** argv)
{
    return qtui::editorMain<sparkloom::Program>(argc, argv, tervok::startup::kSparkloom);
}
