// The sparkloom program: reads its command line before the window system
// starts, finds the game folder, then opens its one window; closing the
// window ends the program.
#include "program.h"
#include "qt_application.h"
#include "qt_game_folder.h"
#include "startup/command_line.h"

#include <iostream>
#include <memory>

int main(int argc, char** argv)
{
    const tervok::startup::Start start =
        tervok::startup::readCommandLine(tervok::startup::kSparkloom, argc, argv, std::cout, std::cerr);
    if (start.exitStatus)
        return *start.exitStatus;
    // Qt sees only the program name: every argument has been read above.
    int qtArgc = 1;
    qtui::QtApplication app(qtArgc, argv, "sparkloom");
    qtui::enterGameFolder(start, "sparkloom");
    auto program = std::make_unique<sparkloom::Program>(app.toolkit());
    return app.exec();
}
