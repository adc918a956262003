// Starts the level editor's window as its program does, reporting the first
// painted frame.
#include "bench/first_frame_report.h"
#include "terraloom/form/form1.h"
#include "toolkit/qt/qt_application.h"

#include <memory>

int main(int argc, char** argv)
{
    int qtArgc = 1;
    qtui::QtApplication app(qtArgc, argv, "terraloom");
    bench::FirstFrameReport report(argc, argv);
    auto form = std::make_unique<terraloom::Form1>(app.toolkit());
    form->show();
    return app.exec();
}
