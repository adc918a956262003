#pragma once
// Runs the built tervok-check as a user would from a console, with its
// standard output and error caught apart. For the tests of the program.
#include "common/testing/console_run.h"

namespace check::testing {

using CheckRun = tervok::testing::ProgramRun;

inline CheckRun runCheckProgram(std::vector<std::string> arguments)
{
    return tervok::testing::runOnConsole(TERVOK_CHECK_PROGRAM, std::move(arguments));
}

}  // namespace check::testing
