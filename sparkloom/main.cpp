#include "form/program.h"
#include "qt_application.h"

#include <memory>

int main(int argc, char** argv)
{
    qtui::QtApplication app(argc, argv, "sparkloom");
    auto program = std::make_unique<sparkloom::Program>(app.toolkit());
    return app.exec();
}
