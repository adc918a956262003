#pragma once
// Why an editor started from its menu entry ends at once, shown where the
// user looks: nobody reads the standard error of a program started from a
// menu or by dropping a file on its launcher.
#include <string>

namespace qtui {

// Whether there is a display to show a window on (an X or a Wayland one).
bool displayAvailable();

// Shows the reason (the line already written to standard error, without the
// program's name) in a modal message box titled with the program's name,
// with the critical icon and OK, and returns once it is answered. Without a
// display it does nothing.
void showStartFailure(const std::string& programName, const std::string& reason);

}  // namespace qtui
