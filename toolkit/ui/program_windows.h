#pragma once
// What closing each of a program's top-level windows does. A program has
// one main window: closing it ends the program, even while other windows
// are open; they close with it, as the program that owns them ends. Closing
// another window only hides it (the back end does that) and tells the
// program, which may show it again later. Forms never set onClose
// themselves: the program decides.
#include "toolkit/ui/toolkit.h"

#include <functional>
#include <memory>

namespace ui {

class ProgramWindows {
public:
    explicit ProgramWindows(Toolkit& toolkit) : toolkit_(toolkit) {}

    void addMain(Window& window)
    {
        window.onClose = [this] { toolkit_.quit(); };
    }
    // closed runs once the window was closed (and so hidden).
    void addOther(Window& window, std::function<void()> closed = {})
    {
        window.onClose = [closed = std::move(closed)] {
            if (closed)
                closed();
        };
    }

private:
    Toolkit& toolkit_;
};

// A program whose only window is its form's: the form is built and shown
// at start, and closing its window ends the program.
//
//     using Program = ui::OneFormProgram<Form1>;
template <class Form>
class OneFormProgram {
public:
    explicit OneFormProgram(Toolkit& toolkit) : windows_(toolkit), form_(std::make_unique<Form>(toolkit))
    {
        windows_.addMain(form_->window());
        form_->show();
    }

    Form& form() { return *form_; }

private:
    ProgramWindows windows_;
    std::unique_ptr<Form> form_;
};

}  // namespace ui
