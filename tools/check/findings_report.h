#pragma once
// The findings as the command prints them: one line each in the form
// compilers use, then a summary; or one JSON array.
#include "tools/check/content_check.h"

#include <ostream>

namespace check {

// "map/mapteile.lst:12: error: ...", "map/map1.map: error: cell (3, 4): ...",
// then "2 errors, 1 warning in 9 files". Each finding is one line: control
// characters and bytes that are no UTF-8 in names are written escaped
// (escapedForTerminal).
void printText(std::ostream& out, const CheckResult& result);

// [{"file": ..., "line": 12 or null, "x": ..., "y": ..., "severity":
// "error" or "warning", "code": ..., "message": ...}, ...]; strict UTF-8,
// every byte that is no part of it replaced by U+FFFD.
void printJson(std::ostream& out, const CheckResult& result);

}  // namespace check
