// Starts the particle editor's window as its program does, reporting the first
// painted frame.
#include "bench/first_frame_report.h"
#include "sparkloom/form/program.h"
#include "toolkit/qt/qt_application.h"

#include <memory>

int main(int argc, char** argv)
{
    int qtArgc = 1;
    qtui::QtApplication app(qtArgc, argv, "sparkloom");
    bench::FirstFrameReport report(argc, argv);
    auto program = std::make_unique<sparkloom::Program>(app.toolkit());
    return app.exec();
}
