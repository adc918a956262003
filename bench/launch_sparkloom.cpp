// Starts the particle editor's window as its program does, reporting the first
// painted frame.
#include "first_frame_report.h"
#include "program.h"
#include "qt_application.h"

#include <memory>

int main(int argc, char** argv)
{
    int qtArgc = 1;
    qtui::QtApplication app(qtArgc, argv, "sparkloom");
    bench::FirstFrameReport report(argc, argv);
    auto program = std::make_unique<sparkloom::Program>(app.toolkit());
    return app.exec();
}
