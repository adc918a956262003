// Starts the shot editor's window as its program does, reporting the first
// painted frame.
#include "first_frame_report.h"
#include "program.h"
#include "qt_application.h"

#include <memory>

int main(int argc, char** argv)
{
    int qtArgc = 1;
    qtui::QtApplication app(qtArgc, argv, "boltloom");
    bench::FirstFrameReport report(argc, argv);
    auto program = std::make_unique<boltloom::Program>(app.toolkit());
    return app.exec();
}
