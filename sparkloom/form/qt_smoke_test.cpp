#include "sparkloom/form/program.h"
#include "toolkit/qt/qt_application.h"
#include "toolkit/qt/qt_caption_fit.h"

#include <gtest/gtest.h>

namespace sparkloom {
namespace {

// Starts the real window on the Qt back end (offscreen) and looks at it
// through the toolkit contract.
TEST(SparkloomQtSmoke, WindowComesUpWithItsControls)
{
    int argc = 1;
    char name[] = "sparkloom";
    char* argv[] = {name, nullptr};
    qtui::QtApplication app(argc, argv, "sparkloom");
    {
        Program program(app.toolkit());
        Form1& form = program.form();
        EXPECT_EQ(form.window().caption(), "ParticleEditor by Drummel V1.0");
        EXPECT_EQ(form.catalogueList().geometry(), (ui::Geometry{360, 240, 1695, 2205}));
        EXPECT_EQ(form.catalogueList().count(), 0);
        EXPECT_EQ(form.numberField().text(), "0");
        EXPECT_EQ(form.spriteField().text(), "");
    }
}

// With the font the windows are laid out for (Arial, or Liberation Sans of
// the same metrics, which the package depends on), every caption fits its
// control.
TEST(SparkloomQtSmoke, EveryCaptionFitsItsControl)
{
    int argc = 1;
    char name[] = "sparkloom";
    char* argv[] = {name, nullptr};
    qtui::QtApplication app(argc, argv, "sparkloom");
    ASSERT_TRUE(qtui::testing::captionFontInstalled())
        << "captions are drawn in " << qtui::testing::captionFontFamily()
        << ", not in Arial or Liberation Sans: install fonts-liberation2 (./tervok test does)";
    Program program(app.toolkit());
    EXPECT_EQ(qtui::testing::cutCaptions(program.form().window()), std::vector<std::string>{});
}

}  // namespace
}  // namespace sparkloom
