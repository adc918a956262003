#include "program.h"

namespace boltloom {

Program::Program(ui::Toolkit& toolkit) : toolkit_(toolkit), form_(std::make_unique<Form1>(toolkit))
{
    form_->window().onClose = [this] { toolkit_.quit(); };
    form_->show();
}

}  // namespace boltloom
