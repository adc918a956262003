#include "terraloom/form/script_position_commands.h"

namespace terraloom {

void ScriptPositionCommands::roundPosition()
{
    state_.scriptPosition = roundToTileCentre(state_.scriptPosition);
    refreshLabel();
}

void ScriptPositionCommands::gotoPosition()
{
    view_.moveTo(viewForGoto(state_.scriptPosition));
}

void ScriptPositionCommands::refreshLabel()
{
    c_.scriptPositionLabel->setCaption(scriptPositionText(state_.scriptPosition));
}

}  // namespace terraloom
