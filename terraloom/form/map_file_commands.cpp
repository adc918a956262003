#include "terraloom/form/map_file_commands.h"

#include "common/game/messages.h"
#include "formats/map_file.h"
#include "toolkit/ui/failure_message.h"

namespace terraloom {

bool MapFileCommands::confirm(const std::string& question)
{
    return toolkit_.messageBox(question, ui::MessageButtons::OkCancel, ui::MessageIcon::None) == ui::kAnswerOk;
}

// The whole file is read and checked before the grid changes, so a failed
// load never leaves a mix of two maps. A loaded map starts with no painting
// to undo; a failed one keeps the history.
void MapFileCommands::load()
{
    if (confirm("LADEN ?"))
        loadNamedMap();
}

void MapFileCommands::loadNamedMap()
{
    const std::string path = formats::mapPath(c_.mapName->text());
    const tervok::Result<formats::MapGrid> grid = formats::loadMapFile(path);
    if (!grid) {
        tervok::showFailure(toolkit_, tervok::kLoadFailedMessage, path, tervok::kCannotLoad, grid.error());
        return;
    }
    state_.grid = *grid;
    state_.history.clear();
    view_.redrawView();
    view_.redrawOverview();
    notify(events_.gridReplaced);
}

void MapFileCommands::save()
{
    // Kept on purpose: "SPECIHERN" is spelled as the program always asked it.
    if (!confirm("SPECIHERN ?"))
        return;
    const std::string path = formats::mapPath(c_.mapName->text());
    if (const tervok::Status saved = formats::saveMapFile(path, state_.grid); !saved)
        tervok::showFailure(toolkit_, tervok::kSaveFailedMessage, path, tervok::kCannotSave, saved.error());
}

// Clears the grid, and with it the painting to undo, and makes sure the
// file exists (an empty one when it was missing). Kept on purpose: the
// overview keeps showing the old map until "redraw".
void MapFileCommands::create()
{
    if (confirm("Wirklich neu anlegen ?")) {
        const std::string path = formats::mapPath(c_.mapName->text());
        const tervok::Status created = formats::createMapFile(path);
        state_.grid.clear();
        state_.history.clear();
        if (!created)
            tervok::showFailure(toolkit_, tervok::kSaveFailedMessage, path, tervok::kCannotCreate, created.error());
        notify(events_.gridReplaced);
    }
    view_.redrawView();
}

}  // namespace terraloom
