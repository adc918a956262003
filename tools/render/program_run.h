#pragma once
// Runs the built tervok-render as a user would from a console without any
// display. For the tests of the command line.
#include "common/testing/console_run.h"

namespace render::testing {

using tervok::testing::ProgramRun;

inline ProgramRun runRender(std::vector<std::string> arguments, const std::filesystem::path& folder = ".")
{
    return tervok::testing::runOnConsole(TERVOK_RENDER_PROGRAM, std::move(arguments), folder);
}

}  // namespace render::testing
