#pragma once
// The script position shown in Label2: set by a right click (tile_painter.h),
// snapped by "round", and brought into view by "goto".
#include "terraloom/core/editor_state.h"
#include "terraloom/form/form1_layout.h"
#include "terraloom/form/map_view.h"

namespace terraloom {

class ScriptPositionCommands {
public:
    ScriptPositionCommands(Form1Controls& controls, EditorState& state, MapView& view)
        : c_(controls), state_(state), view_(view)
    {
    }

    void roundPosition();
    void gotoPosition();
    void refreshLabel();

private:
    Form1Controls& c_;
    EditorState& state_;
    MapView& view_;
};

}  // namespace terraloom
