#include "map_file_commands.h"

#include "files/file_io.h"
#include "files/game_path.h"
#include "map_file.h"

namespace terraloom {

bool MapFileCommands::confirm(const std::string& question)
{
    return toolkit_.messageBox(question, ui::MessageButtons::OkCancel, ui::MessageIcon::None) == ui::kAnswerOk;
}

void MapFileCommands::fail(const std::string& message)
{
    toolkit_.messageBox(message, ui::MessageButtons::Ok, ui::MessageIcon::Critical);
}

// The whole file is read and checked before the grid changes, so a failed
// load never leaves a mix of two maps.
void MapFileCommands::load()
{
    if (!confirm("LADEN ?"))
        return;
    const std::optional<std::string> bytes = tervok::readWholeFile(tervok::nativePath(mapPath(c_.Text1->text())));
    const std::optional<MapGrid> grid = bytes ? parseMapFile(*bytes) : std::nullopt;
    if (!grid) {
        fail("Fehler beim laden !");
        return;
    }
    state_.grid = *grid;
    view_.redrawView();
    view_.redrawOverview();
}

// Bytes that an existing file holds past the map are kept.
void MapFileCommands::save()
{
    if (!confirm("SPECIHERN ?"))
        return;
    const std::filesystem::path path = tervok::nativePath(mapPath(c_.Text1->text()));
    std::string old;
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) {
        std::optional<std::string> bytes = tervok::readWholeFile(path);
        if (!bytes) {
            fail("Fehler beim speichern !");
            return;
        }
        old = std::move(*bytes);
    }
    if (!tervok::replaceFile(path, mapFileBytes(state_.grid, old)))
        fail("Fehler beim speichern !");
}

// Clears the grid and makes sure the file exists (an empty one when it was
// missing); the overview keeps showing the old map until "redraw".
void MapFileCommands::create()
{
    if (confirm("Wirklich neu anlegen ?")) {
        const bool created = tervok::touchFile(tervok::nativePath(mapPath(c_.Text1->text())));
        state_.grid.clear();
        if (!created)
            fail("Fehler beim speichern !");
    }
    view_.redrawView();
}

}  // namespace terraloom
