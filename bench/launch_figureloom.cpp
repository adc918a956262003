// Starts the player editor's window as its program does, reporting the first
// painted frame.
#include "bench/first_frame_report.h"
#include "figureloom/form/program.h"
#include "toolkit/qt/qt_application.h"

#include <memory>

int main(int argc, char** argv)
{
    int qtArgc = 1;
    qtui::QtApplication app(qtArgc, argv, "figureloom");
    bench::FirstFrameReport report(argc, argv);
    auto program = std::make_unique<figureloom::Program>(app.toolkit());
    return app.exec();
}
