#pragma once
// A program of one window: the window is built and shown at start, and
// closing it ends the program.
#include "toolkit/ui/toolkit.h"

#include <memory>

namespace tervok {

template <class Form>
class OneWindowProgram {
public:
    explicit OneWindowProgram(ui::Toolkit& toolkit) : toolkit_(toolkit), form_(std::make_unique<Form>(toolkit))
    {
        form_->window().onClose = [this] { toolkit_.quit(); };
        form_->show();
    }

    Form& form() { return *form_; }

private:
    ui::Toolkit& toolkit_;
    std::unique_ptr<Form> form_;
};

}  // namespace tervok
