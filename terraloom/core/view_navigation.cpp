#include "terraloom/core/view_navigation.h"

#include "common/text/number_reader.h"

#include <cmath>

namespace terraloom {

MapCell ViewPosition::cellOf(int k) const
{
    const int viewRow = (k - 1) / kViewSize + 1;
    const int viewColumn = k - (viewRow - 1) * kViewSize;
    return {column + viewColumn - 1, row + viewRow - 1};
}

int ViewPosition::viewCellOf(const MapCell& cell) const
{
    const int viewColumn = cell.x - column + 1;
    const int viewRow = cell.y - row + 1;
    if (viewColumn < 1 || viewColumn > kViewSize || viewRow < 1 || viewRow > kViewSize)
        return 0;
    return viewColumn + (viewRow - 1) * kViewSize;
}

int clampViewStart(double value)
{
    if (!(value >= 1))
        return 1;
    if (value > kMaxViewStart)
        return kMaxViewStart;
    return static_cast<int>(value);
}

int scrollForward(int start, int step)
{
    return start < kMaxViewStart - step ? start + step : kMaxViewStart;
}

int scrollBackward(int start, int step)
{
    return start > step ? start - step : 1;
}

// Worked in single precision, as the overview's own arithmetic.
ViewPosition viewFromOverviewClick(int px, int py, int width, int height)
{
    const float cellWidth = static_cast<float>(width) / 100.0f;
    const float cellHeight = static_cast<float>(height) / 100.0f;
    const float column = std::floor(static_cast<float>(px) / cellWidth) + 1.0f - 5.0f;
    const float row = std::floor(static_cast<float>(py) / cellHeight) + 1.0f - 5.0f;
    return {clampViewStart(column), clampViewStart(row)};
}

std::string positionText(const ViewPosition& view)
{
    return tervok::signedText(view.column) + " :" + tervok::signedText(view.row);
}

}  // namespace terraloom
