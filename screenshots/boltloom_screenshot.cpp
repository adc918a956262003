// The shot editor with the sample shot loaded.
#include "boltloom/form/program.h"
#include "screenshots/screenshot.h"

#include <QAbstractButton>
#include <QLineEdit>

int main(int argc, char** argv)
{
    return screenshots::takeScreenshot(argc, argv, "boltloom", [](ui::Toolkit& toolkit) {
        auto editor = std::make_shared<boltloom::Program>(toolkit);
        screenshots::type(screenshots::textField("Text2"), "laser");
        screenshots::button("Command1").click();
        return std::shared_ptr<void>(editor);
    });
}
