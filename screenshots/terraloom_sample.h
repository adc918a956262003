#pragma once
// terraloom's program as the whole-map screenshots open it: the sample's
// map1 and its script loaded through the editor window's buttons, and the
// whole-map window at 820 x 620 pixels in the screen's top-left corner.
#include "screenshots/screenshot.h"
#include "terraloom/form/program.h"
#include "toolkit/ui/window_places.h"

#include <QAbstractButton>

#include <memory>

namespace screenshots {

// Kept alive by the screenshot for as long as it is taken.
struct TerraloomProgram {
    ui::WindowPlacesInMemory places;
    std::unique_ptr<terraloom::Program> program;
};

inline std::shared_ptr<TerraloomProgram> terraloomWithMap1(ui::Toolkit& toolkit)
{
    auto opened = std::make_shared<TerraloomProgram>();
    opened->program = std::make_unique<terraloom::Program>(toolkit, opened->places);
    button("Command1").click();   // load map1
    button("Command10").click();  // and its script
    return opened;
}

inline void showWholeMap(terraloom::Program& program)
{
    program.openWholeMap();
    program.wholeMap()->window().setGeometry({0, 0, 820 * ui::kTwipsPerPixel, 620 * ui::kTwipsPerPixel});
}

}  // namespace screenshots
