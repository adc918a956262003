#include "terraloom/core/whole_map_markers.h"

#include "formats/map_grid.h"
#include "formats/script_line.h"
#include "terraloom/core/script_position.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace terraloom {
namespace {

constexpr int kLastMapPixel = formats::kMapSize * formats::kTilePixels - 1;

int ontoMap(double pixel)
{
    if (!(pixel >= 0))
        return 0;
    return pixel >= kLastMapPixel ? kLastMapPixel : static_cast<int>(std::floor(pixel));
}

std::optional<ScriptMarker> markerOf(int row, const std::string& text)
{
    const std::optional<formats::TakenScriptLine> taken = formats::takeScriptLineApart(text);
    if (!taken || !taken->player)
        return std::nullopt;
    const formats::PlayerLineFields& player = *taken->player;
    ScriptMarker marker{row, ontoMap(player.x), ontoMap(player.y)};
    player.number.copy(marker.label, kMarkerLabelLength);
    return marker;
}

}  // namespace

void ScriptMarkers::setRows(const formats::ScriptRows& rows)
{
    markers_.clear();
    markers_.reserve(rows.size());
    rows_ = static_cast<int>(rows.size());
    for (int row = 0; row < rows_; ++row)
        if (std::optional<ScriptMarker> marker = markerOf(row, rows[static_cast<std::size_t>(row)]))
            markers_.push_back(std::move(*marker));
}

void ScriptMarkers::rowAdded(const std::string& text)
{
    if (std::optional<ScriptMarker> marker = markerOf(rows_, text))
        markers_.push_back(std::move(*marker));
    ++rows_;
}

void ScriptMarkers::rowChanged(int row, const std::string& text)
{
    if (row < 0 || row >= rows_)
        return;
    const auto at = firstAtOrAfter(row);
    const bool had = at != markers_.end() && at->row == row;
    std::optional<ScriptMarker> marker = markerOf(row, text);
    if (had && marker)
        *at = std::move(*marker);
    else if (had)
        markers_.erase(at);
    else if (marker)
        markers_.insert(at, std::move(*marker));
}

void ScriptMarkers::rowRemoved(int row)
{
    if (row < 0 || row >= rows_)
        return;
    auto at = firstAtOrAfter(row);
    if (at != markers_.end() && at->row == row)
        at = markers_.erase(at);
    for (; at != markers_.end(); ++at)
        --at->row;
    --rows_;
}

int ScriptMarkers::markerOfRow(int row) const
{
    const auto at = std::lower_bound(markers_.begin(), markers_.end(), row,
                                     [](const ScriptMarker& marker, int r) { return marker.row < r; });
    return at != markers_.end() && at->row == row ? static_cast<int>(at - markers_.begin()) : -1;
}

std::vector<ScriptMarker>::iterator ScriptMarkers::firstAtOrAfter(int row)
{
    return std::lower_bound(markers_.begin(), markers_.end(), row,
                            [](const ScriptMarker& marker, int r) { return marker.row < r; });
}

}  // namespace terraloom
