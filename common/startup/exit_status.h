#pragma once
// The exit statuses of every Tervok program.

namespace tervok::startup {

constexpr int kExitOk = 0;      // done, or --help and --version answered
constexpr int kExitFailed = 1;  // the work failed or found errors, or standard output could not be written
constexpr int kExitUsage = 2;   // a usage error, or a game folder that cannot be entered

}  // namespace tervok::startup
