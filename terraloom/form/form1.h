#pragma once
// The level editor's window: builds the controls, binds every event to the
// part of the editor that handles it (the map view, the map file commands,
// the script position, the tile painter, the script editor) and runs the
// start-up. Every event but a mouse move over the view ends a stroke of
// painting. A second window over the same document (the whole-map window)
// hears of its changes through events() and shows its own through the
// functions below them.
#include "common/startup/named_file.h"
#include "terraloom/core/editor_state.h"
#include "terraloom/form/editor_events.h"
#include "terraloom/form/form1_layout.h"
#include "terraloom/form/map_file_commands.h"
#include "terraloom/form/map_view.h"
#include "terraloom/form/script_editor.h"
#include "terraloom/form/script_position_commands.h"
#include "terraloom/form/tile_painter.h"
#include "toolkit/ui/bitmap_cache.h"
#include "toolkit/ui/toolkit.h"

namespace terraloom {

class Form1 {
public:
    explicit Form1(ui::Toolkit& toolkit);

    // Shows the window.
    void show() { c_.window->show(); }
    ui::Window& window() { return *c_.window; }
    Form1Controls& controls() { return c_; }
    EditorState& state() { return state_; }
    tervok::BitmapCache& bitmaps() { return bitmaps_; }
    EditorEvents& events() { return events_; }
    const formats::ScriptRows& scriptRows() const { return c_.scriptList->items(); }

    // What another window did to the document: cells painted there (the
    // grid holds them), a tile picked there (the current tile and the
    // script position are set; shown is the picked cell's picture), a move
    // of the view asked for, and undo and redo over the one history.
    void showCells(const std::vector<MapCell>& cells);
    void showPick(ui::BitmapRef shown) { painter_.showPick(std::move(shown)); }
    void moveView(const ViewPosition& view) { view_.moveTo(view); }
    void undo() { painter_.undo(); }
    void redo() { painter_.redo(); }
    // A map or script named on the command line: its name goes into the map
    // name and it is loaded as its "load" loads it.
    void openFile(const tervok::startup::NamedFile& file);

private:
    void bind();
    void startUp();
    void readTileCatalogue();
    void bindMapEvents();
    void bindNavigationEvents();
    void bindPaintingEvents();
    void bindScriptEvents();
    void bindUndoKeys();
    void bindStrokeEnds();
    template <class Handler>
    auto endingStroke(Handler handler);
    void showHelp();

    ui::Toolkit& toolkit_;
    Form1Controls c_;
    EditorState state_;
    tervok::BitmapCache bitmaps_;
    EditorEvents events_;
    MapView view_;
    MapFileCommands mapFile_;
    ScriptPositionCommands position_;
    TilePainter painter_;
    ScriptEditor script_;
};

}  // namespace terraloom
