// The particle editor with the sample catalogue reloaded.
#include "screenshots/screenshot.h"
#include "sparkloom/form/program.h"

#include <QAbstractButton>
#include <QListWidget>

int main(int argc, char** argv)
{
    return screenshots::takeScreenshot(argc, argv, "sparkloom", [](ui::Toolkit& toolkit) {
        auto editor = std::make_shared<sparkloom::Program>(toolkit);
        screenshots::button("Command1").click();  // reload
        screenshots::selectRow(screenshots::listBox("List1"), 1);
        return std::shared_ptr<void>(editor);
    });
}
