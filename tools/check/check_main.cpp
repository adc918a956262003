// tervok-check: checks a game folder's content the way the editors and the
// game read it. Needs no display.
#include "check_command_line.h"

#include <iostream>

int main(int argc, char** argv)
{
    return check::runCheck(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
