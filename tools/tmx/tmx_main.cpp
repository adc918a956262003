// tervok-tmx: carries a Tervok map and its script to the Tiled map editor
// and back. It uses QtCore's XML and JSON and QtGui's images only, with no
// QGuiApplication, so it runs without a display.
#include "common/startup/standard_output.h"
#include "tools/tmx/tmx_run.h"

#include <iostream>

int main(int argc, char** argv)
{
    tervok::startup::StandardOutput output(tmx::kProgram);
    return output.finish(tmx::runTmxProgram(argc, argv, std::cout, std::cerr));
}
