// Starts the level editor's window as its program does, reporting the first
// painted frame.
#include "first_frame_report.h"
#include "form1.h"
#include "qt_application.h"

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
