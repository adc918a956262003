#include "toolkit/ui/sprite_dialog.h"

#include "common/encoding/cp1252.h"
#include "common/errors/failure_report.h"
#include "common/game/messages.h"

namespace tervok {
namespace {

constexpr const char* kCannotReturn = "cannot return to the game folder";

}  // namespace

std::optional<std::string> pickSpriteFile(ui::Toolkit& toolkit, const StartDirectory& start)
{
    // The dialog opens wherever the working directory is, so a start
    // directory that cannot be entered before it matters only after it,
    // where the same failure is reported.
    static_cast<void>(start.restore());
    const std::optional<std::string> fileName = toolkit.openFileDialog("sprites\\*.spr");
    if (const Status back = start.restore(); !back)
        reportFailure(toolkit.programName(), start.path().empty() ? "." : start.path().string(), kCannotReturn,
                      back.error());
    if (!fileName)
        return std::nullopt;
    std::optional<std::string> fileTitle = utf8ToCp1252Exactly(*fileName);
    if (!fileTitle)
        toolkit.messageBox(kNameNotStorableMessage, ui::MessageButtons::Ok, ui::MessageIcon::Critical);
    return fileTitle;
}

}  // namespace tervok
