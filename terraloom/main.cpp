// The terraloom program: reads its command line before the window system
// starts, finds the game folder, then opens its one window; closing the
// window ends the program.
#include "form1.h"
#include "qt_application.h"
#include "qt_game_folder.h"
#include "startup/command_line.h"

#include <iostream>
#include <memory>

int main(int argc, char** argv)
{
    const tervok::startup::Start start =
        tervok::startup::readCommandLine(tervok::startup::kTerraloom, argc, argv, std::cout, std::cerr);
    if (start.exitStatus)
        return *start.exitStatus;
    // Qt sees only the program name: every argument has been read above.
    int qtArgc = 1;
    qtui::QtApplication app(qtArgc, argv, "terraloom");
    qtui::enterGameFolder(start, "terraloom");
    auto form = std::make_unique<terraloom::Form1>(app.toolkit());
    form->show();
    return app.exec();
}
