#pragma once
// The program's Qt application: owns the QApplication and the toolkit the
// program's window is built with.
//
//     qtui::QtApplication app(argc, argv, "figureloom");
//     auto program = std::make_unique<figureloom::Program>(app.toolkit());
//     return app.exec();
#include "toolkit/ui/toolkit.h"

#include <memory>
#include <string>

class QApplication;

namespace qtui {

class QtToolkit;

class QtApplication {
public:
    // argc must outlive the application (main's own does).
    QtApplication(int& argc, char** argv, const std::string& programName);
    ~QtApplication();
    QtApplication(const QtApplication&) = delete;
    QtApplication& operator=(const QtApplication&) = delete;

    ui::Toolkit& toolkit();
    // Runs the event loop until the toolkit's quit(); returns the exit code.
    int exec();

private:
    std::unique_ptr<QApplication> application_;
    std::unique_ptr<QtToolkit> toolkit_;
};

// The look every program shares: the Fusion style and a compact sans font
// (11 pixels) with which the controls fit their design sizes. Keeps number
// formatting of the C library in the "C" locale.
void setUpApplicationLook();

}  // namespace qtui
