#include "program.h"

namespace sparkloom {

Program::Program(ui::Toolkit& toolkit) : toolkit_(toolkit), form_(std::make_unique<Form1>(toolkit))
{
    form_->window().onClose = [this] { toolkit_.quit(); };
    form_->window().show();
}

}  // namespace sparkloom
