#pragma once
// tervok-check's command line: [OPTION]... [GAME-FOLDER], read by the one
// reader of every program (common/startup/command_line.h).
#include "common/startup/command_line.h"

#include <ostream>
#include <string>
#include <vector>

namespace check {

// --format=text|json, -C GAME-FOLDER (the same as naming it as the argument).
const tervok::startup::CommandSyntax& checkSyntax();

// The whole program, for main and the tests: reads the arguments after the
// program name, checks the folder and prints to out and err; returns the
// exit status: 0 without errors (warnings allowed), 1 with errors, 2 for a
// usage error or a game folder that cannot be read.
int runCheck(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace check
