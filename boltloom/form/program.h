#pragma once
// The running shot editor: owns its one window and ends when it is closed.
#include "form1.h"

#include <memory>

namespace boltloom {

class Program {
public:
    explicit Program(ui::Toolkit& toolkit);

    Form1& form() { return *form_; }

private:
    ui::Toolkit& toolkit_;
    std::unique_ptr<Form1> form_;
};

}  // namespace boltloom
