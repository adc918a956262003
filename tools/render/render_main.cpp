// tervok-render: draws a Tervok map file as a PNG picture. It uses QtGui's
// images only, with no QGuiApplication, so it runs without a display.
#include "render_run.h"

#include <iostream>

int main(int argc, char** argv)
{
    return render::runRenderProgram(argc, argv, std::cout, std::cerr);
}
