#pragma once
// How every editor's main runs it: the command line is read before the
// window system starts (--help and --version need no display), then the Qt
// application, the game folder and the program's window, which loads a file
// named on the command line; closing the window ends the program. Started
// from its menu entry, a usage error is also shown in a message box.
// editorMain adds the check of standard output around it
// (startup/standard_output.h).
//
//     int main(int argc, char** argv) { return qtui::editorMain<boltloom::Program>(argc, argv, kBoltloom); }
#include "common/startup/editor_command_line.h"
#include "common/startup/program_info.h"
#include "common/startup/standard_output.h"
#include "toolkit/qt/qt_application.h"
#include "toolkit/qt/startup/qt_game_folder.h"
#include "toolkit/qt/startup/qt_window_places.h"
#include "toolkit/qt/startup/start_failure_box.h"

#include <iostream>
#include <memory>
#include <type_traits>

namespace qtui {

// A program with windows of its own besides its form takes the places they
// were left in, and the command line; the others take the toolkit alone.
template <class Program>
std::unique_ptr<Program> startProgram(ui::Toolkit& toolkit, ui::WindowPlaces& places,
                                      const tervok::startup::Start& start)
{
    if constexpr (std::is_constructible_v<Program, ui::Toolkit&, ui::WindowPlaces&, const tervok::startup::Start&>)
        return std::make_unique<Program>(toolkit, places, start);
    else if constexpr (std::is_constructible_v<Program, ui::Toolkit&, ui::WindowPlaces&>)
        return std::make_unique<Program>(toolkit, places);
    else
        return std::make_unique<Program>(toolkit);
}

template <class Program>
int runEditor(int argc, char** argv, const tervok::startup::ProgramInfo& info)
{
    const tervok::startup::Start start =
        tervok::startup::readEditorCommandLine(info, argc, argv, std::cout, std::cerr);
    if (start.exitStatus) {
        if (start.fromLauncher && *start.exitStatus == tervok::startup::kExitUsage)
            showStartFailure(info.name, start.problem);
        return *start.exitStatus;
    }
    // Qt sees only the program name: every argument has been read above.
    int qtArgc = 1;
    QtApplication app(qtArgc, argv, info.name);
    enterGameFolder(start, info.name);
    QtWindowPlaces places(info.name);
    const std::unique_ptr<Program> program = startProgram<Program>(app.toolkit(), places, start);
    // sparkloom's window loads nothing by name.
    if constexpr (requires { program->form().openFile(*start.file); }) {
        if (start.file)
            program->form().openFile(*start.file);
    }
    return app.exec();
}

template <class Program>
int editorMain(int argc, char** argv, const tervok::startup::ProgramInfo& info)
{
    tervok::startup::StandardOutput output(info.name);
    return output.finish(runEditor<Program>(argc, argv, info));
}

}  // namespace qtui
