#include "figureloom/form/program.h"

namespace figureloom {

Program::Program(ui::Toolkit& toolkit) : toolkit_(toolkit), windows_(toolkit)
{
    openForm();
}

// The fresh window is built before the old one goes, so the program never
// stands without a window.
void Program::openForm()
{
    auto form = std::make_unique<Form1>(toolkit_);
    form->onNew = [this] { renewForm(); };
    windows_.addMain(form->window());
    form_ = std::move(form);
    form_->show();
}

// "new" is clicked inside the window it replaces, so the replacement waits
// until that click has been handled.
void Program::renewForm()
{
    toolkit_.post([this] { openForm(); });
}

}  // namespace figureloom
