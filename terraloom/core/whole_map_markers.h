#pragma once
// The players the script's rows place, as markers on the whole map: one for
// every player row at the row's point, labelled with the player number as
// the row writes it. Rows of other types, and rows that cannot be taken
// apart, have none. Kept in step with the script list row by row, so an
// edit of one row costs no pass over a script of 32,767 rows.
#include "formats/script_file.h"

#include <string>
#include <string_view>
#include <vector>

namespace terraloom {

// Labels longer than this are cut: a marker stays small.
constexpr std::size_t kMarkerLabelLength = 6;

// A script of 32,767 player rows keeps as many markers: each is kept small.
struct ScriptMarker {
    int row = 0;  // the row that places it
    // Its point in map pixels; a point beyond the map lies on the map's edge
    // (0 to 1999 on both axes).
    int x = 0, y = 0;
    char label[kMarkerLabelLength + 1] = {};  // ends at the first zero byte
    std::string_view labelText() const { return label; }
    bool operator==(const ScriptMarker&) const = default;
};

class ScriptMarkers {
public:
    void setRows(const formats::ScriptRows& rows);
    void rowAdded(const std::string& text);  // a new last row
    void rowChanged(int row, const std::string& text);
    void rowRemoved(int row);  // the rows after it move up

    // The markers in row order, and the one of a row (-1 for none).
    const std::vector<ScriptMarker>& markers() const { return markers_; }
    int markerOfRow(int row) const;

private:
    std::vector<ScriptMarker>::iterator firstAtOrAfter(int row);

    int rows_ = 0;
    std::vector<ScriptMarker> markers_;
};

}  // namespace terraloom
