#pragma once
// What the parts of the level editor's window tell about the document after
// they changed it, for a second window over the same state (the whole-map
// window). Nobody hears anything until the program sets a function; the
// editor window works and draws the same either way.
#include "formats/script_file.h"
#include "terraloom/core/view_navigation.h"

#include <functional>
#include <string>

namespace terraloom {

struct EditorEvents {
    // A cell holds another tile, or the same one painted again: a paint in
    // the view, an undo or a redo.
    std::function<void(const MapCell&)> cellChanged;
    // The grid was replaced whole: "load", "new".
    std::function<void()> gridReplaced;
    // The view was drawn (it may have moved, and it read the bitmaps anew).
    std::function<void()> viewRedrawn;
    // The current tile was chosen in the tile list or picked in the view.
    std::function<void()> currentTileChosen;
    // List2 was filled from a file, had a row added, changed or removed, or
    // another row selected (-1: none).
    std::function<void(const formats::ScriptRows&)> scriptLoaded;
    std::function<void(const std::string&)> scriptRowAdded;
    std::function<void(int row, const std::string&)> scriptRowChanged;
    std::function<void(int row)> scriptRowRemoved;
    std::function<void(int row)> scriptRowSelected;
};

// Runs an event's function if somebody set it.
template <class Event, class... Args>
void notify(const Event& event, const Args&... args)
{
    if (event)
        event(args...);
}

}  // namespace terraloom
