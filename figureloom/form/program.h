#pragma once
// The running player editor: owns the one Form1, replaces it on "new" and
// ends the program when the user closes its window.
#include "figureloom/form/form1.h"
#include "toolkit/ui/program_windows.h"
#include "toolkit/ui/toolkit.h"

#include <memory>

namespace figureloom {

class Program {
public:
    explicit Program(ui::Toolkit& toolkit);

    Form1& form() { return *form_; }

private:
    void openForm();
    void renewForm();

    ui::Toolkit& toolkit_;
    ui::ProgramWindows windows_;
    std::unique_ptr<Form1> form_;
};

}  // namespace figureloom
