#include "form1.h"
#include "qt_application.h"

#include <memory>

int main(int argc, char** argv)
{
    qtui::QtApplication app(argc, argv, "terraloom");
    auto form = std::make_unique<terraloom::Form1>(app.toolkit());
    form->show();
    return app.exec();
}
