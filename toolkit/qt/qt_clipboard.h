#pragma once
// The system clipboard through Qt: plain text and, beside it, data under a
// private MIME type. On X11 the clipboard's content stays with the program
// that put it there, so it vanishes when that program ends, unless a
// clipboard manager has taken a copy.
#include <optional>
#include <string>

namespace qtui {

void setClipboard(const std::string& text, const std::string& mimeType, const std::string& data);
std::optional<std::string> clipboardData(const std::string& mimeType);
std::string clipboardText();

}  // namespace qtui
