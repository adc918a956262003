#include "toolkit/ui/failure_message.h"

#include "common/errors/failure_report.h"

namespace tervok {

void showFailure(ui::Toolkit& toolkit, const char* message, std::string_view gamePath, std::string_view action,
                 const Error& error)
{
    reportFailure(toolkit.programName(), gamePath, action, error);
    toolkit.messageBox(message, ui::MessageButtons::Ok, ui::MessageIcon::Critical);
}

}  // namespace tervok
