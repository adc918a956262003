#pragma once
// The particle editor as a whole: its one window, shown at start; closing
// the window ends the program.
#include "form1.h"

#include <memory>

namespace sparkloom {

class Program {
public:
    explicit Program(ui::Toolkit& toolkit);

    Form1& form() { return *form_; }

private:
    ui::Toolkit& toolkit_;
    std::unique_ptr<Form1> form_;
};

}  // namespace sparkloom
