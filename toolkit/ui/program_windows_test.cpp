#include "toolkit/ui/program_windows.h"

#include "toolkit/headless/headless_canvas.h"
#include "toolkit/headless/headless_toolkit.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

headless::HeadlessWindow& headlessOf(Window& window)
{
    return dynamic_cast<headless::HeadlessWindow&>(window);
}

// An editor window and a canvas window of its own, as terraloom's whole map:
// closing the canvas window hides it and tells the program, as often as the
// user likes; closing a window the program gave no handler only hides it
// too; closing the editor window ends the program while the canvas window
// is still open.
TEST(ProgramWindows, OnlyTheMainWindowEndsTheProgram)
{
    headless::HeadlessToolkit toolkit("terraloom");
    std::unique_ptr<Window> editor = toolkit.createWindow("Form1", "editor", 3000, 3000);
    std::unique_ptr<CanvasWindow> map = toolkit.createCanvasWindow("WholeMap", "whole map", 3000, 3000, "map");
    std::unique_ptr<Window> quiet = toolkit.createWindow("Quiet", "closed without a word", 3000, 3000);
    auto& headlessMap = dynamic_cast<headless::HeadlessCanvasWindow&>(*map);
    ProgramWindows windows(toolkit);
    int mapClosed = 0;
    windows.addMain(*editor);
    windows.addOther(*map, [&] { ++mapClosed; });
    windows.addOther(*quiet);
    editor->show();
    quiet->show();

    for (int round = 0; round < 2; ++round) {
        map->raise();
        headlessMap.close();
        EXPECT_FALSE(headlessMap.isShown());
    }
    headlessOf(*quiet).close();
    EXPECT_FALSE(headlessOf(*quiet).isShown());
    EXPECT_EQ(mapClosed, 2);
    EXPECT_FALSE(toolkit.quitRequested());

    map->raise();
    headlessOf(*editor).close();
    EXPECT_TRUE(toolkit.quitRequested());
    EXPECT_TRUE(headlessMap.isShown());
    EXPECT_EQ(mapClosed, 2);
}

// Without a program's rule a plain window ends the program when closed, on
// the headless back end as on Qt's.
TEST(ProgramWindows, APlainWindowNobodyListensToEndsTheProgram)
{
    headless::HeadlessToolkit toolkit("sparkloom");
    std::unique_ptr<Window> window = toolkit.createWindow("Form1", "editor", 3000, 3000);
    headlessOf(*window).close();
    EXPECT_TRUE(toolkit.quitRequested());
}

}  // namespace
}  // namespace ui
