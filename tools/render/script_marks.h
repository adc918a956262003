#pragma once
// The players a map's script places, as marks on a picture of the map: a
// cross at each player row's position and its player number beside it.
#include "script_file.h"

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

// A row that cannot be taken apart. The script file's first line is its
// header, so row n (1-based) stands on line n + 1 while no line holds
// commas (a line with commas holds several rows).
struct SkippedRow {
    std::size_t line = 0;
    std::string text;
};

struct ScriptMarks {
    std::vector<PlayerMark> players;
    std::vector<SkippedRow> skipped;
};

// The player rows among the script's rows; rows of other types are left out
// silently, rows that cannot be taken apart are listed as skipped.
ScriptMarks readScriptMarks(const terraloom::ScriptRows& rows);

// Draws each mark with its centre at (x, y) * scale: scale is the picture's
// pixels per map pixel (the map's scale, a tenth of it for the overview).
// Marks keep their size whatever the scale.
void drawPlayerMarks(QImage& picture, const std::vector<PlayerMark>& marks, double scale);

// "tervok-render: map\map1.msc:3: warning: cannot take the row apart: ROW",
// the row's bytes shown as UTF-8.
std::string skippedRowWarning(std::string_view program, std::string_view scriptPath, const SkippedRow& row);

}  // namespace render
