#pragma once
// The level editor as a whole: the editor window, shown at start, and the
// whole-map window, made at the first Ctrl+M in the editor window (or at
// start when asked for), so that its picture of the whole map is paid for
// only when it is used. Both work on the editor window's state, history and
// bitmap cache; each shows at once what the other changed.
//
// Closing the editor window ends the program, even while the whole-map
// window is open; closing the whole-map window hides it, and Ctrl+M shows
// it again as it was. Its place on the screen is kept between runs: it is
// remembered when it is closed and when the program ends, and taken when
// it is made.
#include "common/startup/editor_command_line.h"
#include "terraloom/form/form1.h"
#include "terraloom/form/whole_map_window.h"
#include "toolkit/ui/program_windows.h"
#include "toolkit/ui/toolkit.h"
#include "toolkit/ui/window_places.h"

#include <memory>

namespace terraloom {

class Program {
public:
    Program(ui::Toolkit& toolkit, ui::WindowPlaces& places, bool wholeMapAtStart = false);
    // terraloom --whole-map opens the whole-map window at start.
    Program(ui::Toolkit& toolkit, ui::WindowPlaces& places, const tervok::startup::Start& start)
        : Program(toolkit, places, start.line.has(tervok::startup::kWholeMapOption))
    {
    }
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Form1& form() { return *form_; }
    // Null until it was first opened.
    WholeMapWindow* wholeMap() { return wholeMap_.get(); }
    // Ctrl+M: makes the whole-map window or shows and raises it.
    void openWholeMap();

private:
    void makeWholeMap();
    void bindWholeMapToEditor();
    void bindEditorToWholeMap();
    void bindWholeMapKeys();
    void rememberPlace();

    ui::Toolkit& toolkit_;
    ui::WindowPlaces& places_;
    ui::ProgramWindows windows_;
    std::unique_ptr<Form1> form_;
    std::unique_ptr<WholeMapWindow> wholeMap_;
};

}  // namespace terraloom
