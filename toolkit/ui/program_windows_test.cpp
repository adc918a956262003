#include "toolkit/ui/program_windows.h"

#include "toolkit/headless/headless_toolkit.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

headless::HeadlessWindow& headlessOf(Window& window)
{
    return dynamic_cast<headless::HeadlessWindow&>(window);
}

// A program with two top-level windows: closing the other one hides it and
// tells the program, as often as the user likes; closing the main window
// ends the program while the other is still open.
TEST(ProgramWindows, OnlyTheMainWindowEndsTheProgram)
{
    headless::HeadlessToolkit toolkit("terraloom");
    std::unique_ptr<Window> editor = toolkit.createWindow("Form1", "editor", 3000, 3000);
    std::unique_ptr<Window> map = toolkit.createWindow("WholeMap", "whole map", 3000, 3000);
    std::unique_ptr<Window> quiet = toolkit.createWindow("Quiet", "closed without a word", 3000, 3000);
    ProgramWindows windows(toolkit);
    int mapClosed = 0;
    windows.addMain(*editor);
    windows.addOther(*map, [&] { ++mapClosed; });
    windows.addOther(*quiet);
    for (Window* window : {editor.get(), map.get(), quiet.get()})
        window->show();

    for (int round = 0; round < 2; ++round) {
        headlessOf(*map).close();
        EXPECT_FALSE(headlessOf(*map).isShown());
        map->show();
    }
    headlessOf(*quiet).close();
    EXPECT_EQ(mapClosed, 2);
    EXPECT_FALSE(toolkit.quitRequested());

    headlessOf(*editor).close();
    EXPECT_TRUE(toolkit.quitRequested());
    EXPECT_TRUE(headlessOf(*map).isShown());
    EXPECT_EQ(mapClosed, 2);
}

// Without a program's rule a window ends the program when closed, on the
// headless back end as on Qt's.
TEST(ProgramWindows, AWindowNobodyListensToEndsTheProgram)
{
    headless::HeadlessToolkit toolkit("sparkloom");
    std::unique_ptr<Window> window = toolkit.createWindow("Form1", "editor", 3000, 3000);
    headlessOf(*window).close();
    EXPECT_TRUE(toolkit.quitRequested());
}

}  // namespace
}  // namespace ui
