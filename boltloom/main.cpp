#include "form/program.h"
#include "qt_application.h"

#include <memory>

int main(int argc, char** argv)
{
    qtui::QtApplication app(argc, argv, "boltloom");
    auto program = std::make_unique<boltloom::Program>(app.toolkit());
    return app.exec();
}
