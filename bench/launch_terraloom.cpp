// Starts the level editor as its program does, reporting the first painted
// frame.
#include "bench/first_frame_report.h"
#include "terraloom/form/program.h"
#include "toolkit/qt/qt_application.h"
#include "toolkit/ui/window_places.h"

#include <memory>

int main(int argc, char** argv)
{
    int qtArgc = 1;
    qtui::QtApplication app(qtArgc, argv, "terraloom");
    bench::FirstFrameReport report(argc, argv);
    ui::WindowPlacesInMemory places;
    const auto program = std::make_unique<terraloom::Program>(app.toolkit(), places);
    return app.exec();
}
