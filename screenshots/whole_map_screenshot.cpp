// terraloom's whole-map window beside the editor window, over the sample map
// and its script: opened with Ctrl+M after the map and the script were
// loaded, the view moved into the map and a script row selected.
#include "screenshots/screenshot.h"
#include "terraloom/form/program.h"
#include "toolkit/ui/window_places.h"

#include <QAbstractButton>
#include <QListView>

namespace {

struct Opened {
    ui::WindowPlacesInMemory places;
    std::unique_ptr<terraloom::Program> program;
};

}  // namespace

int main(int argc, char** argv)
{
    return screenshots::takeScreenshot(
        argc, argv, "terraloom",
        [](ui::Toolkit& toolkit) {
            auto opened = std::make_shared<Opened>();
            opened->program = std::make_unique<terraloom::Program>(toolkit, opened->places);
            terraloom::Program& program = *opened->program;
            screenshots::button("Command1").click();   // load map1
            screenshots::button("Command10").click();  // and its script
            program.form().moveView({31, 21});
            screenshots::selectRow(screenshots::listBox("List2"), 1);
            program.openWholeMap();
            program.wholeMap()->window().setGeometry({0, 0, 820 * ui::kTwipsPerPixel, 620 * ui::kTwipsPerPixel});
            return std::shared_ptr<void>(opened);
        },
        "WholeMap");
}
