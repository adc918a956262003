#include "ui/sprite_dialog.h"

namespace tervok {

std::optional<std::string> pickSpriteFile(ui::Toolkit& toolkit, const StartDirectory& start)
{
    start.restore();
    std::optional<std::string> fileTitle = toolkit.openFileDialog("sprites\\*.spr");
    start.restore();
    return fileTitle;
}

}  // namespace tervok
