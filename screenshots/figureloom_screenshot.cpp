// The player editor with the sample player loaded.
#include "figureloom/form/program.h"
#include "screenshots/screenshot.h"

#include <QAbstractButton>
#include <QLineEdit>

int main(int argc, char** argv)
{
    return screenshots::takeScreenshot(argc, argv, "figureloom", [](ui::Toolkit& toolkit) {
        auto editor = std::make_shared<figureloom::Program>(toolkit);
        screenshots::type(screenshots::textField("Text2"), "soldier");
        screenshots::button("Command1").click();
        return std::shared_ptr<void>(editor);
    });
}
