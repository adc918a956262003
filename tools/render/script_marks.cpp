#include "tools/render/script_marks.h"

#include "common/encoding/cp1252.h"
#include "common/encoding/utf8.h"
#include "formats/script_line.h"
#include "tools/render/digit_font.h"
#include "tools/render/image_plot.h"

#include <cmath>

namespace render {
namespace {

// Marks whose centre lies this far outside the picture cannot touch it.
constexpr double kReach = 1000;

void drawCross(QImage& picture, int cx, int cy)
{
    for (int d = -(kMarkArm + 1); d <= kMarkArm + 1; ++d) {
        for (int across = -1; across <= 1; ++across) {
            plot(picture, cx + d, cy + across, kOutlineColour);
            plot(picture, cx + across, cy + d, kOutlineColour);
        }
    }
    for (int d = -kMarkArm; d <= kMarkArm; ++d) {
        plot(picture, cx + d, cy, kMarkColour);
        plot(picture, cx, cy + d, kMarkColour);
    }
}

void drawMark(QImage& picture, const PlayerMark& mark, double scale)
{
    const double x = std::floor(mark.x * scale);
    const double y = std::floor(mark.y * scale);
    if (x < -kReach || y < -kReach || x > picture.width() + kReach || y > picture.height() + kReach)
        return;
    const int cx = static_cast<int>(x);
    const int cy = static_cast<int>(y);
    drawCross(picture, cx, cy);
    drawText(picture, mark.number, cx + kMarkArm + 4, cy - kGlyphHeight / 2, kNumberColour, kOutlineColour);
}

}  // namespace

ScriptMarks readScriptMarks(const formats::ScriptRows& rows, const std::vector<std::size_t>& rowLines)
{
    ScriptMarks marks;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::optional<formats::TakenScriptLine> taken = formats::takeScriptLineApart(rows[i]);
        if (!taken)
            marks.skipped.push_back({rowLines.at(i), rows[i]});
        else if (taken->player)
            marks.players.push_back({taken->player->x, taken->player->y, taken->player->number});
    }
    return marks;
}

void drawPlayerMarks(QImage& picture, const std::vector<PlayerMark>& marks, double scale)
{
    if (picture.format() != QImage::Format_RGB32)
        picture = picture.convertToFormat(QImage::Format_RGB32);
    for (const PlayerMark& mark : marks)
        drawMark(picture, mark, scale);
}

std::string skippedRowWarning(std::string_view program, std::string_view scriptPath, const SkippedRow& row)
{
    std::string text(program);
    text += ": ";
    text += scriptPath;
    text += ':';
    text += std::to_string(row.line);
    text += ": warning: cannot take the row apart: ";
    text += tervok::escapedForTerminal(tervok::cp1252ToUtf8(row.text));
    return text;
}

}  // namespace render
