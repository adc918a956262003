// Starts the shot editor's window as its program does, reporting the first
// painted frame.
#include "bench/first_frame_report.h"
#include "boltloom/form/program.h"
#include "toolkit/qt/qt_application.h"

#include <memory>

int main(int argc, char** argv)
{
    int qtArgc = 1;
    qtui::QtApplication app(qtArgc, argv, "boltloom");
    bench::FirstFrameReport report(argc, argv);
    auto program = std::make_unique<boltloom::Program>(app.toolkit());
    return app.exec();
}
