// terraloom's whole-map window beside the editor window, over the sample map
// and its script: opened with Ctrl+M after the map and the script were
// loaded, the view moved into the map and a script row selected.
#include "screenshots/terraloom_sample.h"

#include <QListView>

int main(int argc, char** argv)
{
    return screenshots::takeScreenshot(
        argc, argv, "terraloom",
        [](ui::Toolkit& toolkit) {
            auto opened = screenshots::terraloomWithMap1(toolkit);
            terraloom::Program& program = *opened->program;
            program.form().moveView({31, 21});
            screenshots::selectRow(screenshots::listBox("List2"), 1);
            screenshots::showWholeMap(program);
            return std::shared_ptr<void>(opened);
        },
        "WholeMap");
}
