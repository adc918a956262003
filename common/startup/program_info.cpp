#include "common/startup/program_info.h"

#include "common/startup/tervok_version.h"

namespace tervok::startup {

const ProgramInfo kTerraloom{
    "terraloom",
    "The Tervok level editor: paints the tile maps (map/*.map) and edits the map\n"
    "scripts (map/*.msc) of a game folder.",
    "  left click on a view cell        paint the current tile there\n"
    "  Shift + pointer over view cells  paint every cell the pointer passes\n"
    "  right click on a view cell       pick its tile, set the script position\n"
    "  click on the overview            move the view there\n"
    "  Delete in the script list        remove the selected row\n"
    "  double click in the script list  take the row apart into the fields (get)\n"
    "  Ctrl+Z                           undo the last painting step: one click,\n"
    "                                   or one Shift stroke (the last 1000 are\n"
    "                                   kept; load and new forget them)\n"
    "  Ctrl+Y, Ctrl+Shift+Z             redo the painting step last undone\n"
    "  (while a text field you type in has the keyboard focus, these keys stay\n"
    "  with it, where Ctrl+Z undoes the typing; a click on the view or on the\n"
    "  overview gives them back to the map)\n"
    "  Ctrl+M                           open the whole-map window, or raise it\n"
    "In the whole-map window:\n"
    "  left click, left drag            work with the tool chosen by a key below\n"
    "                                   (or by its button): paint, fill, select\n"
    "  right click                      pick the cell's tile, set the script\n"
    "                                   position\n"
    "  Ctrl + left click                move the editor's view there\n"
    "  wheel, Shift + wheel             scroll up and down, left and right\n"
    "  middle drag, Space + left drag   move the map\n"
    "  Ctrl + wheel                     zoom around the pointer\n"
    "  Ctrl++ (Ctrl+=), Ctrl+-          zoom in, zoom out (also keypad + and -)\n"
    "  Ctrl+0, Ctrl+1                   fit the whole map; 100 %, 20 pixels a cell\n"
    "  Ctrl+Home                        show the top-left corner\n"
    "  Ctrl+P                           show or hide the script's markers\n"
    "  Ctrl+Z, Ctrl+Y, Ctrl+Shift+Z     undo, redo (one history for both windows)\n"
    "  B                                pencil: paint the current tile into every\n"
    "                                   cell passed (a drag is one step)\n"
    "  E                                eraser: paint tile 0\n"
    "  P                                rectangle fill: drag from corner to corner\n"
    "  F                                flood fill: a click fills the joined cells\n"
    "                                   of the clicked cell's tile\n"
    "  R                                rectangle select; a drag inside the\n"
    "                                   selection moves its cells, with Alt\n"
    "                                   copies them\n"
    "  I                                pick: a click takes the cell's tile\n"
    "  (while a selection is marked, B, E, P and F change only cells inside it)\n"
    "  Ctrl+A, Ctrl+Shift+A             select the whole map; drop the selection\n"
    "  Ctrl+C, Ctrl+X, Delete           copy the selected cells; cut them; set\n"
    "                                   them to tile 0\n"
    "  Ctrl+V                           paste: each click places the copied cells\n"
    "  Escape                           end a paste or a drag, or drop the selection\n"
    "  Ctrl+H                           replace one tile by another\n",
    {{"map", ".map"}, {"map", ".msc"}},
    {{kWholeMapOption, 0, "whole-map", "", "open the whole-map window at start too"}}};

const ProgramInfo kFigureloom{
    "figureloom",
    "The Tervok player editor: edits one player definition (player/*.dat) with\n"
    "its ten weapon slots.",
    "  Tab                              move to the next field\n"
    "  (everything else is done with the buttons)\n",
    {{"player", ".dat"}}};

const ProgramInfo kBoltloom{
    "boltloom",
    "The Tervok shot editor: edits one shot definition (shots/*.sht).",
    "  Tab                              move to the next field\n"
    "  (everything else is done with the buttons)\n",
    {{"shots", ".sht"}}};

const ProgramInfo kSparkloom{
    "sparkloom",
    "The Tervok particle editor: edits the particle catalogue\n"
    "(sprites/particle.lst).",
    "  double click on a row            switch it off or on (a \"[\" in front\n"
    "                                   marks it off)\n",
    // The one catalogue is read on "reload" only: a named file opens the
    // game folder that holds it.
    {}};

const char* suiteVersion()
{
    return TERVOK_SUITE_VERSION;
}

}  // namespace tervok::startup
