#pragma once
// The players a map's script places, as marks on a picture of the map: a
// cross at each player row's position and its player number beside it.
#include "formats/script_file.h"

#include <QImage>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace render {

// Strong colours with a black outline, so that a mark shows on any tile.
constexpr QRgb kMarkColour = 0xFFFF00FF;    // magenta
constexpr QRgb kNumberColour = 0xFFFFFFFF;  // white
constexpr QRgb kOutlineColour = 0xFF000000;
// The cross reaches this far from its centre; its outline one pixel more.
constexpr int kMarkArm = 4;

struct PlayerMark {
    double x = 0;  // map pixels, 0 to 1999 on the map
    int y = 0;
    std::string number;  // the player number as the row writes it
};

// A row that cannot be taken apart, and the line of the file it stands on
// (the header is line 1; a line with commas holds several rows).
struct SkippedRow {
    std::size_t line = 0;
    std::string text;
};

struct ScriptMarks {
    std::vector<PlayerMark> players;
    std::vector<SkippedRow> skipped;
};

// The player rows among the script's rows; rows of other types are left out
// silently, rows that cannot be taken apart are listed as skipped. rowLines
// holds the line each row starts on, as parseScriptFile gives it.
ScriptMarks readScriptMarks(const formats::ScriptRows& rows, const std::vector<std::size_t>& rowLines);

// Draws each mark with its centre at (x, y) * scale: scale is the picture's
// pixels per map pixel (the map's scale, a tenth of it for the overview).
// Marks keep their size whatever the scale.
void drawPlayerMarks(QImage& picture, const std::vector<PlayerMark>& marks, double scale);

// "tervok-render: map\map1.msc:3: warning: cannot take the row apart: ROW",
// the row's bytes shown as UTF-8, its control characters escaped.
std::string skippedRowWarning(std::string_view program, std::string_view scriptPath, const SkippedRow& row);

}  // namespace render
