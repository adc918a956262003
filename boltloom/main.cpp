// The boltloom program: reads its command line before the window system
// starts, finds the game folder, then opens its one window.
#include "boltloom/form/program.h"
#include "toolkit/qt/startup/run_editor.h"

int main(int argc, char** argv)
{
    return qtui::editorMain<boltloom::Program>(argc, argv, tervok::startup::kBoltloom);
}
