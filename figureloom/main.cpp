// The player editor: one window, ended by closing it.
#include "program.h"
#include "qt_application.h"

#include <memory>

int main(int argc, char** argv)
{
    qtui::QtApplication app(argc, argv, "figureloom");
    auto program = std::make_unique<figureloom::Program>(app.toolkit());
    return app.exec();
}
