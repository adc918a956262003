#pragma once
// A failed file command as the user and a bug report see it: the reason as
// one line on standard error, then the program's own message in a modal box
// with the critical icon and OK.
#include "common/errors/error.h"
#include "toolkit/ui/toolkit.h"

#include <string_view>

namespace tervok {

void showFailure(ui::Toolkit& toolkit, const char* message, std::string_view gamePath, std::string_view action,
                 const Error& error);

}  // namespace tervok
