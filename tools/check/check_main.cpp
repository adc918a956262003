// tervok-check: checks a game folder's content the way the editors and the
// game read it. Needs no display.
#include "common/startup/standard_output.h"
#include "tools/check/check_command_line.h"

#include <iostream>

int main(int argc, char** argv)
{
    tervok::startup::StandardOutput output("tervok-check");
    return output.finish(check::runCheck(tervok::startup::argumentsOf(argc, argv), std::cout, std::cerr));
}
