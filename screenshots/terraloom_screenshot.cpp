// The level editor with the sample map and its script loaded.
#include "screenshots/screenshot.h"
#include "terraloom/form/form1.h"

#include <QAbstractButton>
#include <QListWidget>

int main(int argc, char** argv)
{
    return screenshots::takeScreenshot(argc, argv, "terraloom", [](ui::Toolkit& toolkit) {
        auto form = std::make_shared<terraloom::Form1>(toolkit);
        form->show();
        screenshots::button("Command1").click();   // load map1, the name the window starts with
        screenshots::button("Command10").click();  // and its script
        screenshots::selectRow(screenshots::listBox("List1"), 3);
        screenshots::selectRow(screenshots::listBox("List2"), 0);
        return std::shared_ptr<void>(form);
    });
}
