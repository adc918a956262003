#pragma once
// The script editor below the map: the script lives as the rows of List2;
// "load" and "save" move it between the list and its file beside the map,
// and the arrow buttons move one line between the list and the fields that
// make it (type, number, count, direction, "ist user" and the script
// position).
#include "formats/script_file.h"
#include "formats/script_line.h"
#include "terraloom/core/editor_state.h"
#include "terraloom/form/editor_events.h"
#include "terraloom/form/form1_layout.h"
#include "terraloom/form/script_position_commands.h"
#include "toolkit/ui/toolkit.h"

namespace terraloom {

class ScriptEditor {
public:
    ScriptEditor(ui::Toolkit& toolkit, Form1Controls& controls, EditorState& state,
                 ScriptPositionCommands& position, EditorEvents& events)
        : toolkit_(toolkit), c_(controls), state_(state), position_(position), events_(events)
    {
    }

    void load();
    void save();
    void add();
    void change();
    void get();
    void listKeyDown(int keyCode);
    void pickPlayer();
    void typeChanged();

private:
    std::string path() const;
    formats::ScriptRows rows() const;
    std::string composeFromFields() const;
    bool fieldsCanBeStored();
    int chosenDirection() const;
    void chooseDirection(int direction);
    void putPlayerFields(const formats::PlayerLineFields& fields);
    void tell(const std::string& message, ui::MessageIcon icon);

    ui::Toolkit& toolkit_;
    Form1Controls& c_;
    EditorState& state_;
    ScriptPositionCommands& position_;
    EditorEvents& events_;
};

}  // namespace terraloom
