#pragma once
// The modal message box: titled with the program's name, plain text with
// "\r\n" shown as line breaks, OK or OK and Cancel, the critical icon or none.
#include "toolkit/ui/toolkit.h"

#include <string>

namespace qtui {

// kAnswerOk for OK; kAnswerCancel for Cancel, Escape or closing the box. A
// box with OK alone answers OK to Escape, as it has no other answer.
int showMessageBox(const std::string& title, const std::string& text, ui::MessageButtons buttons,
                   ui::MessageIcon icon);

// "\r\n" and a lone "\r" become "\n".
std::string plainLineBreaks(const std::string& text);

}  // namespace qtui
