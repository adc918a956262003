#include "terraloom/core/script_position.h"

#include "common/text/number_reader.h"

#include <cmath>

namespace terraloom {

ScriptPosition positionFromRightClick(const ViewPosition& view, int k, int px, int py)
{
    const int cellRow = (k - 1) / kViewSize + 1;
    const int cellColumn = k - (cellRow - 1) * kViewSize;
    const double offsetX = tervok::roundHalfEven(px / 15.0);
    const double offsetY = tervok::roundHalfEven(py / 15.0);
    ScriptPosition position;
    position.x = (view.column - 2 + cellColumn) * formats::kTilePixels + offsetX;
    position.y = tervok::toInt16((view.row - 2 + cellRow) * formats::kTilePixels + offsetY);
    return position;
}

ScriptPosition roundToTileCentre(const ScriptPosition& position)
{
    ScriptPosition rounded;
    rounded.x = std::floor(position.x / formats::kTilePixels) * formats::kTilePixels + formats::kTilePixels / 2;
    rounded.y = tervok::toInt16(std::floor(position.y / double(formats::kTilePixels)) * formats::kTilePixels + formats::kTilePixels / 2);
    return rounded;
}

ViewPosition viewForGoto(const ScriptPosition& position)
{
    return {clampViewStart(std::floor(position.x / formats::kTilePixels) + 1 - 5),
            clampViewStart(std::floor(position.y / double(formats::kTilePixels)) + 1 - 5)};
}

std::string scriptPositionText(const ScriptPosition& position)
{
    return tervok::signedText(position.x) + " :" + tervok::signedText(position.y);
}

}  // namespace terraloom
