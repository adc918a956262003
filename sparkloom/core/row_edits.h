#pragma once
// The edits the user makes to single rows of the particle catalogue: building
// a new entry line from the three input fields, switching a row off and on,
// and where the selection goes after a delete.
#include <optional>
#include <string>

namespace sparkloom {

// Values above this in the number or repeat field are refused.
inline constexpr double kMaxEntryValue = 99;

// Number text, blank, repeat text, blank, sprite name, where the number and
// repeat texts get a "0" in front when their value is below 10. Nothing when
// either value exceeds 99. Kept on purpose: the texts are kept as typed, so
// "05" gives "005".
std::optional<std::string> entryLine(const std::string& number, const std::string& repeat,
                                     const std::string& sprite);

// A row starting with "[" loses that one bracket; any other row gets one in
// front. Switching an entry line or a switched-off entry twice gives it back.
std::string switchedRow(const std::string& row);

// The row to select after row `removed` was deleted and `remainingRows` are
// left: the row that moved into its place, or the new last row; -1 when the
// list became empty.
int selectionAfterDelete(int removed, int remainingRows);

}  // namespace sparkloom
