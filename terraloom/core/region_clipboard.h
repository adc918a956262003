#pragma once
// Copied cells as the system clipboard carries them: plain text, so they
// paste into another map, another running editor or a text editor, and back.
//
//     tervok-cells W H
//     t,t,t,...        (H lines of W tile numbers 0 to 100)
//
// W and H run from 1 to 100. Blanks and tabs may stand around every word
// and number; lines end in LF or CR LF, the last line's end may be left
// out. The same text goes under the program's own MIME type beside the
// plain text, so a paste can tell the editor's own copy from any text.
#include "common/errors/result.h"
#include "terraloom/core/region_cells.h"

#include <string>
#include <string_view>

namespace terraloom {

constexpr const char* kCellsMimeType = "application/x-tervok-cells";
constexpr const char* kCellsTextHeader = "tervok-cells";

// The text of a block: LF line ends, every line ended, commas without
// blanks.
std::string cellsText(const CellBlock& block);

// The block a text holds; a format error naming the line, and what is
// wrong there, for any other text.
tervok::Result<CellBlock> parseCellsText(std::string_view text);

}  // namespace terraloom
