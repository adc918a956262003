#pragma once
// "load", "save" and "new" of the map named in Text1, with their questions
// and failure messages.
#include "terraloom/core/editor_state.h"
#include "terraloom/form/editor_events.h"
#include "terraloom/form/form1_layout.h"
#include "terraloom/form/map_view.h"
#include "toolkit/ui/toolkit.h"

namespace terraloom {

class MapFileCommands {
public:
    MapFileCommands(ui::Toolkit& toolkit, Form1Controls& controls, EditorState& state, MapView& view,
                    EditorEvents& events)
        : toolkit_(toolkit), c_(controls), state_(state), view_(view), events_(events)
    {
    }

    void load();
    // The load without its question, for a map named on the command line.
    void loadNamedMap();
    void save();
    void create();

private:
    bool confirm(const std::string& question);

    ui::Toolkit& toolkit_;
    Form1Controls& c_;
    EditorState& state_;
    MapView& view_;
    EditorEvents& events_;
};

}  // namespace terraloom
