#include "toolkit/ui/sprite_dialog.h"

#include "common/encoding/cp1252.h"
#include "common/game/messages.h"

namespace tervok {

std::optional<std::string> pickSpriteFile(ui::Toolkit& toolkit, const StartDirectory& start)
{
    start.restore();
    const std::optional<std::string> fileName = toolkit.openFileDialog("sprites\\*.spr");
    start.restore();
    if (!fileName)
        return std::nullopt;
    std::optional<std::string> fileTitle = utf8ToCp1252Exactly(*fileName);
    if (!fileTitle)
        toolkit.messageBox(kNameNotStorableMessage, ui::MessageButtons::Ok, ui::MessageIcon::Critical);
    return fileTitle;
}

}  // namespace tervok
