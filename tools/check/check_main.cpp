// tervok-check: checks a game folder's content the way the editors and the
// game read it. Needs no display.
#include "common/startup/standard_output.h"
#include "tools/check/check_command_line.h"

#include <iostream>

int main(int argc, char** argv)
{
    tervok::startup::StandardOutput output("tervok-check");
    return output.finish(check::runCheck(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr));
}
