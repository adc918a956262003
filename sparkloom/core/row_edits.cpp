#include "sparkloom/core/row_edits.h"

#include "common/text/number_reader.h"

namespace sparkloom {
namespace {

// The column text as typed, with a "0" in front for a single-digit value.
std::string paddedColumn(const std::string& text, double value)
{
    return value < 10 ? "0" + text : text;
}

}  // namespace

std::optional<std::string> entryLine(const std::string& number, const std::string& repeat,
                                     const std::string& sprite)
{
    const double numberValue = tervok::readNumber(number);
    const double repeatValue = tervok::readNumber(repeat);
    if (numberValue > kMaxEntryValue || repeatValue > kMaxEntryValue)
        return std::nullopt;
    return paddedColumn(number, numberValue) + " " + paddedColumn(repeat, repeatValue) + " " + sprite;
}

std::string switchedRow(const std::string& row)
{
    if (!row.empty() && row.front() == '[')
        return row.substr(1);
    return "[" + row;
}

int selectionAfterDelete(int removed, int remainingRows)
{
    return removed >= remainingRows ? removed - 1 : removed;
}

}  // namespace sparkloom
