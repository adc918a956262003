#pragma once
// The sprite pick of the shot and particle editors: the open-file dialog on
// "sprites\*.spr" below the start directory.
#include "common/files/start_directory.h"
#include "toolkit/ui/toolkit.h"

#include <optional>
#include <string>

namespace tervok {

// The chosen sprite file's name without its folder, in Windows-1252 as the
// game's files hold it, or nothing when the user cancelled. A name that
// Windows-1252 cannot hold could never lead back to its file: it is refused
// with a message and nothing is chosen. The start directory is made the
// working directory before the dialog opens and again after it closed,
// whatever folder the dialog left; when it cannot be (the folder was
// removed), the reason goes to standard error and the pick goes on.
std::optional<std::string> pickSpriteFile(ui::Toolkit& toolkit, const StartDirectory& start);

}  // namespace tervok
