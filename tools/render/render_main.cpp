// tervok-render: draws a Tervok map file as a PNG picture. It uses QtGui's
// images only, with no QGuiApplication, so it runs without a display.
#include "common/startup/standard_output.h"
#include "tools/render/render_run.h"

#include <iostream>

int main(int argc, char** argv)
{
    tervok::startup::StandardOutput output(render::kProgram);
    return output.finish(render::runRenderProgram(argc, argv, std::cout, std::cerr));
}
