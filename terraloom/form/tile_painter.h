#pragma once
// Choosing the current tile in the tile list, painting it into view cells
// with the mouse, picking a cell's tile with a right click, and undoing and
// redoing painting steps (the steps are kept by the history in the state).
#include "terraloom/core/editor_state.h"
#include "terraloom/form/editor_events.h"
#include "terraloom/form/form1_layout.h"
#include "terraloom/form/map_view.h"
#include "terraloom/form/script_position_commands.h"

#include <optional>

namespace terraloom {

class TilePainter {
public:
    TilePainter(Form1Controls& controls, EditorState& state, MapView& view, tervok::BitmapCache& bitmaps,
                ScriptPositionCommands& position, EditorEvents& events)
        : c_(controls), state_(state), view_(view), bitmaps_(bitmaps), position_(position), events_(events)
    {
    }

    void tileListPressed();
    void cellPressed(const ui::MouseEvent& event);
    void cellMoved(const ui::MouseEvent& event);
    void undo();
    void redo();
    // What a pick shows once the current tile and the script position are
    // set, from a view cell or from any cell of the whole map: the tile
    // chosen in the tile list, the picture the picked cell shows as the
    // preview, and the script position.
    void showPick(ui::BitmapRef shown);

private:
    // Paints the current tile into view cell k; nothing when the current
    // tile is out of range.
    std::optional<CellChange> paint(int k);
    void pick(const ui::MouseEvent& event);
    void showStep(const PaintStep* step);

    Form1Controls& c_;
    EditorState& state_;
    MapView& view_;
    tervok::BitmapCache& bitmaps_;
    ScriptPositionCommands& position_;
    EditorEvents& events_;
};

}  // namespace terraloom
